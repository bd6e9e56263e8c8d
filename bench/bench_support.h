// What the benchmarks share: a user interface that shows nothing and answers as told, and a
// stopwatch that prints one line per step.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "shell/user_interface.h"

namespace ivorn::bench {

class quiet_interface : public user_interface {
public:
    long long answer = 0;
    new_record_answer new_record;
    void message_box(const std::string&) override {}
    bool show_error_list(const std::string&, const std::string&, const std::string& text) override
    {
        last_log = text;
        return true;
    }
    bool ask_integer(const std::string&, long long& value) override
    {
        value = answer;
        return true;
    }
    bool ask_new_record(new_record_answer& asked) override
    {
        if (new_record.record_id != 0)
            asked = new_record;
        return true;
    }
    bool ask_run_set(run_set_options& options) override
    {
        if (!run_set)
            return false;
        options = *run_set;
        return true;
    }
    bool choose_file(const std::string&, const std::string&, std::string&) override { return false; }
    void begin_wait_cursor() override {}
    void end_wait_cursor() override {}
    void set_status_text(const std::string&) override {}
    void refresh_all_views(int) override {}
    void progress_open(int, int) override {}
    void progress_set_position(int) override {}
    void progress_set_line(int, const std::string&) override {}
    bool progress_cancelled() override { return false; }
    void progress_close() override {}
    std::string last_log;
    const run_set_options* run_set = nullptr;
};

// Runs the step, prints its time and returns it in seconds.
template <class Step>
double timed(const char* what, Step step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-48s %10.2f ms\n", what, seconds * 1000.0);
    return seconds;
}

} // namespace ivorn::bench
