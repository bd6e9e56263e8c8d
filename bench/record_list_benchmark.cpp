// Paging through a large table of control records: opening a project database of N records with
// the complete list built at once and with the lazy list, then moves on each (Next, Last, Go To
// the middle, Search). Prints the time of every step.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "control_record_fill.h"
#include "shell/doc_i_vorn.h"

namespace {

using namespace ivorn;

// Shows nothing and answers prompts from `answer`.
class quiet_interface : public user_interface {
public:
    long long answer = 0;
    void message_box(const std::string&) override {}
    bool show_error_list(const std::string&, const std::string&, const std::string&) override { return true; }
    bool ask_integer(const std::string&, long long& value) override { value = answer; return true; }
    bool ask_new_record(new_record_answer&) override { return true; }
    bool ask_run_set(run_set_options&) override { return false; }
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
};

template <class Step>
void timed(const char* what, Step step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-44s %10.2f ms\n", what, ms);
}

} // namespace

int main(int argc, char** argv)
{
    const long records = argc > 1 ? std::atol(argv[1]) : 100000;
    const std::string path = (std::filesystem::temp_directory_path() / "ivorn_record_list_benchmark.mdb").string();
    timed("create and fill", [&] { bench::fill_control_records(path, records); });
    std::printf("%ld control records\n", records);
    for (const int record_list : {1, 0}) {
        app_settings settings;
        settings.record_list = static_cast<std::uint8_t>(record_list);
        quiet_interface ui;
        doc_i_vorn doc(settings, ui);
        std::printf("RecordList %s\n", record_list ? "on (complete list)" : "off (lazy list)");
        timed("  open", [&] { doc.open_database(path); });
        timed("  Next x 100", [&] { for (int i = 0; i < 100; ++i) doc.record_next(); });
        ui.answer = records / 2;
        timed("  Go To the middle", [&] { doc.record_go_to(); });
        timed("  Next from the middle", [&] { doc.record_next(); });
        timed("  Last", [&] { doc.record_last(); });
        ui.answer = records / 3;
        timed("  Search an ID", [&] { doc.record_search(); });
        doc.close_database();
    }
    std::filesystem::remove(path);
    return 0;
}
