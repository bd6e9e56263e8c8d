// Console implementation of the user-interface port.
#include "cli/console_user_interface.h"
#include "cli/cli_session.h"
#include "core/text_utils.h"

#include <csignal>
#include <iostream>

namespace ivorn {
namespace {

volatile std::sig_atomic_t cancel_requested = 0;

extern "C" void on_interrupt(int) { cancel_requested = 1; }

} // namespace

console_user_interface::console_user_interface() : err_(std::cerr) {}

console_user_interface::console_user_interface(std::ostream& err) : err_(err) {}

void console_user_interface::print(const std::string& text) { err_ << terminal_text(text) << std::flush; }

// A message box's text is the command's result ("File read ok", "Record OK."): standard output.
void console_user_interface::message_box(const std::string& text) { std::cout << terminal_text(text) << std::flush; }

bool console_user_interface::show_error_list(const std::string& caption, const std::string&, const std::string& text)
{
    if (!caption.empty())
        err_ << caption << ":\n";
    print(text);
    return answers.error_list_ok;
}

bool console_user_interface::ask_integer(const std::string& prompt, long long& value)
{
    if (answers.integers.empty()) {
        print(prompt + " (no answer given: cancelled)");
        return false;
    }
    value = answers.integers.front();
    answers.integers.pop_front();
    return true;
}

bool console_user_interface::ask_new_record(new_record_answer& answer)
{
    if (!answers.accept_new_record)
        return false;
    // What is not given follows what is: the station number the record ID, the station name
    // ("Weather Station N") the station number, as the dialog proposes them.
    if (answers.record_id)
        answer.record_id = *answers.record_id;
    answer.station_id = answers.station_id.value_or(answer.record_id);
    answer.station_name = answers.station_name.value_or(
        format_printf("Weather Station %ld", static_cast<long>(answer.station_id)));
    return true;
}

bool console_user_interface::choose_file(const std::string&, const std::string&, std::string& path)
{
    if (answers.files.empty())
        return false;
    path = answers.files.front();
    answers.files.pop_front();
    return true;
}

void console_user_interface::progress_open(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
    last_percentage_ = -1;
}

void console_user_interface::progress_set_position(int position)
{
    const int percentage = progress_percentage(lower_, upper_, position);
    if (!show_progress || percentage == last_percentage_)
        return;
    last_percentage_ = percentage;
    err_ << percentage << "%\n" << std::flush;
}

void console_user_interface::progress_set_line(int, const std::string& text)
{
    if (show_progress)
        print(text);
}

void console_user_interface::show_waiting(const std::string& text) { print_log(text); }

bool console_user_interface::progress_cancelled() { return cancel_requested != 0; }

void console_user_interface::install_interrupt_cancel() { std::signal(SIGINT, on_interrupt); }

void console_user_interface::request_cancel() { cancel_requested = 1; }

bool console_user_interface::ask_run_set(run_set_options& options)
{
    run_set_options chosen = answers.run_set;
    chosen.first_position = chosen.first_position > 0 ? chosen.first_position : options.first_position;
    chosen.last_position = chosen.last_position > 0 ? chosen.last_position : options.last_position;
    options = chosen;
    return true;
}

} // namespace ivorn
