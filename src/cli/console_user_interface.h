// The user-interface port for `ivorn`: what the desktop app would show goes to standard error,
// and what it would ask is answered from values that command-line flags preset, never from the
// keyboard. An unanswered question is a Cancel.
#pragma once

#include <cstdint>
#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

#include "shell/user_interface.h"

namespace ivorn {

struct console_answers {
    // Answers to the integer prompts, in the order they are asked.
    std::deque<long long> integers;
    // dialog_new_record: what is not given keeps the proposed value.
    bool accept_new_record = true;
    std::optional<std::int32_t> record_id;
    std::optional<std::int32_t> station_id;
    std::optional<std::string> station_name;
    // Files chosen, in the order they are asked for.
    std::deque<std::string> files;
    // dialog_error_list's OK (true) or Cancel.
    bool error_list_ok = true;
    // `ivorn run --all`: the options its flags give; positions of 0 keep the proposal.
    run_set_options run_set{.first_position = 0, .last_position = 0};
};

class console_user_interface : public user_interface {
public:
    console_user_interface();
    explicit console_user_interface(std::ostream& err);

    console_answers answers;
    // Progress lines are printed only for commands that promise them (long runs).
    bool show_progress = false;

    void message_box(const std::string& text) override;
    bool show_error_list(const std::string& caption, const std::string& ok_label, const std::string& text) override;
    bool ask_integer(const std::string& prompt, long long& value) override;
    bool ask_new_record(new_record_answer& answer) override;
    // The run set's options come from the command's flags: whatever is preset in `run_set`,
    // over the proposed first and last positions when those are left at 0.
    bool ask_run_set(run_set_options& options) override;
    bool choose_file(const std::string& default_name, const std::string& filter, std::string& path) override;
    void begin_wait_cursor() override {}
    void end_wait_cursor() override {}
    void set_status_text(const std::string&) override {}
    void show_waiting(const std::string& text) override;
    void refresh_all_views(int) override {}
    void progress_open(int lower, int upper) override;
    void progress_set_position(int position) override;
    void progress_set_line(int line, const std::string& text) override;
    bool progress_cancelled() override;
    void progress_close() override {}

    // Ctrl-C becomes the progress window's Cancel, asked between units of work.
    static void install_interrupt_cancel();
    static void request_cancel();

private:
    void print(const std::string& text);
    std::ostream& err_;
    int lower_ = 0;
    int upper_ = 0;
    int last_percentage_ = -1;
};

} // namespace ivorn
