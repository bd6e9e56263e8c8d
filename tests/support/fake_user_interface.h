// A scripted user_interface: records what would have been shown and answers as the test says.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell/user_interface.h"

namespace ivorn::testing {

struct shown_list {
    std::string caption;
    std::string ok_label;
    std::string text;
};

class fake_user_interface : public user_interface {
public:
    void message_box(const std::string& text) override { messages.push_back(text); }
    bool show_error_list(const std::string& caption, const std::string& ok_label, const std::string& text) override
    {
        error_lists.push_back({caption, ok_label, text});
        return error_list_answer;
    }
    bool ask_integer(const std::string& prompt, long long& value) override
    {
        prompts.push_back(prompt);
        if (integer_answers.empty())
            return false;
        value = integer_answers.front();
        integer_answers.pop_front();
        return true;
    }
    bool ask_new_record(new_record_answer& answer) override
    {
        proposed_records.push_back(answer);
        if (!new_record_accept)
            return false;
        if (new_record_override)
            answer = *new_record_override;
        return true;
    }
    bool choose_file(const std::string& default_name, const std::string& filter, std::string& path) override
    {
        offered_files.push_back(default_name);
        offered_filters.push_back(filter);
        if (file_answers.empty())
            return false;
        path = file_answers.front();
        file_answers.pop_front();
        return true;
    }
    bool ask_run_set(run_set_options& options) override
    {
        proposed_run_sets.push_back(options);
        if (run_set_answer)
            options = *run_set_answer;
        return run_set_accept;
    }
    void begin_wait_cursor() override { ++wait_cursors; }
    void end_wait_cursor() override { --wait_cursors; }
    void set_status_text(const std::string& text) override { status = text; }
    void refresh_all_views(int hint) override
    {
        refresh_hints.push_back(hint);
        if (on_refresh)
            on_refresh();
    }
    void store_form_values() override
    {
        ++form_stores;
        if (on_store_form_values)
            on_store_form_values();
    }
    void show_record_values() override { ++record_shows; }
    void progress_open(int lower, int upper) override { progress_range = {lower, upper}; progress_opened = true; }
    void progress_set_position(int position) override { progress_positions.push_back(position); }
    void progress_set_line(int line, const std::string& text) override { progress_lines.push_back({line, text}); }
    bool progress_cancelled() override
    {
        ++cancel_queries;
        return cancel_after_queries >= 0 && cancel_queries > cancel_after_queries;
    }
    void progress_close() override { progress_opened = false; }

    std::vector<std::string> messages;
    std::vector<shown_list> error_lists;
    bool error_list_answer = true;
    std::vector<std::string> prompts;
    std::deque<long long> integer_answers;
    std::vector<new_record_answer> proposed_records;
    bool new_record_accept = true;
    const new_record_answer* new_record_override = nullptr;
    std::vector<std::string> offered_files;
    std::vector<std::string> offered_filters;
    std::deque<std::string> file_answers;
    std::vector<run_set_options> proposed_run_sets;
    const run_set_options* run_set_answer = nullptr;
    bool run_set_accept = true;
    int wait_cursors = 0;
    std::string status;
    std::vector<int> refresh_hints;
    // What the views would show when they are refreshed.
    std::function<void()> on_refresh;
    int form_stores = 0;
    // What the form "edits" in the record when asked for its values.
    std::function<void()> on_store_form_values;
    int record_shows = 0;
    std::pair<int, int> progress_range{0, 0};
    bool progress_opened = false;
    std::vector<int> progress_positions;
    std::vector<std::pair<int, std::string>> progress_lines;
    int cancel_queries = 0;
    int cancel_after_queries = -1; // -1: never cancel
};

} // namespace ivorn::testing
