// Paging through a large table of control records: opening a project database of N records with
// the complete list built at once and with the lazy list, then moves on each (Next, Last, Go To
// the middle, Search), and the open an `ivorn` command makes. Prints the time of every step.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "control_record_fill.h"
#include "shell/doc_i_vorn.h"

namespace {

using namespace ivorn;

using bench::quiet_interface;
using bench::timed;

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
    {
        app_settings settings;
        quiet_interface ui;
        doc_i_vorn doc(settings, ui);
        std::printf("One command (ivorn)\n");
        timed("  open", [&] { doc.open_database(path, doc_i_vorn::open_scope::one_command); });
        std::string log;
        timed("  make record N/2 current", [&] { doc.make_current(static_cast<std::int32_t>(records / 2), log); });
        doc.close_database();
    }
    std::filesystem::remove(path);
    return 0;
}
