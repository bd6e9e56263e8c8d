// Everything the document and the run code show or ask goes through this port: the desktop app
// implements it with widgets, `ivorn` with the console and flags, tests with a scripted fake.
#pragma once

#include <cstdint>
#include <string>

#include "run/run_set.h"

namespace ivorn {

struct new_record_answer {
    std::int32_t record_id = 0;
    std::int32_t station_id = 0;
    std::string station_name;
};

class user_interface {
public:
    virtual ~user_interface() = default;

    // A short confirmation or failure ("File read ok", "Record OK.", "Not found.").
    virtual void message_box(const std::string& text) = 0;
    // dialog_error_list: caption, OK-button label (empty keeps "OK") and the text. True for OK,
    // false for Cancel.
    virtual bool show_error_list(const std::string& caption, const std::string& ok_label, const std::string& text) = 0;
    // An integer prompt ("Which record number?"); false when cancelled.
    virtual bool ask_integer(const std::string& prompt, long long& value) = 0;
    // dialog_new_record, offered with proposed values; false when cancelled.
    virtual bool ask_new_record(new_record_answer& answer) = 0;
    // A file to import: offered `default_name` with a filter whose parts are separated by "\n".
    // False when cancelled.
    virtual bool choose_file(const std::string& default_name, const std::string& filter, std::string& path) = 0;

    virtual void begin_wait_cursor() = 0;
    virtual void end_wait_cursor() = 0;
    virtual void set_status_text(const std::string& text) = 0;
    // Said while a command waits for something another program holds (the model directory).
    virtual void show_waiting(const std::string& text) { set_status_text(text); }
    // Hint 0: only the highlight moved; 1: recount and repaint.
    virtual void refresh_all_views(int hint) = 0;
    // The form view's edited values into the current record, before a command uses the record.
    virtual void store_form_values() {}
    // The current record's values into the form view alone, without refreshing the other views.
    virtual void show_record_values() {}
    // dialog_multiple_runs ("Configure Run Set"), offered with the proposed options; false when
    // cancelled.
    virtual bool ask_run_set(run_set_options& options) = 0;

    // dialog_progress: a modeless window with three text lines and Cancel.
    virtual void progress_open(int lower, int upper) = 0;
    virtual void progress_set_position(int position) = 0;
    virtual void progress_set_line(int line, const std::string& text) = 0;
    // Asked between units of work only.
    virtual bool progress_cancelled() = 0;
    virtual void progress_close() = 0;
};

// The progress window's percentage: 0 at or below the lower bound, 100 past the upper one.
int progress_percentage(int lower, int upper, int position);

} // namespace ivorn
