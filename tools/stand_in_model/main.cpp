// vorn_stand_in: a test double of the outside VORN model. Started in the model working directory
// (with no argument, or with "iv" in visible mode), it reads the run's file set, refuses an
// incomplete or inconsistent one, and writes the reports the program loads. The environment
// variable IVORN_STAND_IN_FAILURE makes it fail the ways a real model can; IVORN_STAND_IN_CPU_SECONDS
// makes it compute for a while.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/model_file_writer.h"
#include "core/text_utils.h"
#include "input_readers.h"
#include "main_report.h"
#include "report_files.h"

namespace {

using namespace ivorn;
using namespace ivorn::stand_in;

enum class failure_mode { none, crash, hang, no_total, truncated, no_reports };

bool parse_failure_mode(const char* text, failure_mode& mode)
{
    struct named { const char* name; failure_mode mode; };
    const named modes[] = {{"", failure_mode::none}, {"crash", failure_mode::crash}, {"hang", failure_mode::hang},
                           {"no-total", failure_mode::no_total}, {"truncated", failure_mode::truncated},
                           {"no-reports", failure_mode::no_reports}};
    mode = failure_mode::none;
    if (!text)
        return true;
    for (const named& entry : modes)
        if (std::strcmp(text, entry.name) == 0) {
            mode = entry.mode;
            return true;
        }
    return false;
}

struct report_file {
    std::string name;
    std::string text;
};

// The switches of the print file that ask for each report file.
constexpr int switch_acn = 20;
constexpr int switch_acy = 23;
constexpr int switch_aps_sus = 26;
constexpr int switch_msw = 27;
constexpr int switch_awp = 7;
constexpr int switch_msa = 6;

std::vector<report_file> report_files(const simulated_run& run, bool with_total_line)
{
    const std::string base = run.inputs().run_name;
    const print_settings& print = run.inputs().print;
    std::vector<report_file> files;
    files.push_back({base + ".OUT", main_report(run, with_total_line)});
    if (print.switch_on(switch_aps_sus))
        files.push_back({base + ".SUS", subarea_summary_report(run)});
    if (print.switch_on(switch_acy))
        files.push_back({base + ".ACY", crop_yield_report(run)});
    if (print.switch_on(switch_acn))
        files.push_back({base + ".ACN", organic_carbon_report(run)});
    if (print.switch_on(switch_aps_sus))
        files.push_back({base + ".APS", pesticide_report(run)});
    if (print.switch_on(switch_msw))
        files.push_back({base + ".MSW", monthly_swat_report(run)});
    if (print.switch_on(switch_awp))
        files.push_back({base + ".AWP", annual_watershed_report(run)});
    if (print.switch_on(switch_msa))
        files.push_back({base + ".MSA", monthly_subarea_report(run)});
    // The SWAT file is written on every run: it is the ".SWT" report when its switch is on, and
    // the file the program renames per record ("vorn.swt") in any case; on the file system the
    // model was written for those two names are one file.
    files.push_back({base + ".SWT", daily_swat_report(run)});
    for (auto& [name, text] : final_soil_tables(run))
        files.push_back({name, std::move(text)});
    return files;
}

bool write_report(const report_file& file, std::string_view text, line_end_style line_ends)
{
    model_file_writer writer;
    if (!writer.open(file.name, line_ends)) {
        std::fprintf(stderr, "vorn stand-in: ERROR, unable to create %s\n", file.name.c_str());
        return false;
    }
    writer.write(text);
    if (!writer.close()) {
        std::fprintf(stderr, "vorn stand-in: ERROR, unable to write %s\n", file.name.c_str());
        return false;
    }
    return true;
}

[[noreturn]] void fail_part_way(const report_file& main_file, const input_set& inputs, failure_mode mode)
{
    write_report(main_file, std::string_view(main_file.text).substr(0, main_file.text.size() / 2), inputs.line_ends);
    std::fflush(stdout);
    if (mode == failure_mode::crash)
        std::abort();
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

// Spends this much processor time (not wall time) before the reports, as a model that computes
// would: the way to measure runs side by side. The reports do not depend on it.
bool keep_cpu_busy(const char* text)
{
    if (!text || !*text)
        return true;
    char* end = nullptr;
    const double seconds = std::strtod(text, &end);
    if (*end != '\0' || !(seconds >= 0.0 && seconds <= 3600.0)) {
        std::fprintf(stderr, "vorn stand-in: IVORN_STAND_IN_CPU_SECONDS must be a number of seconds from 0 to 3600\n");
        return false;
    }
    const std::clock_t until = std::clock() + static_cast<std::clock_t>(seconds * CLOCKS_PER_SEC);
    volatile double sink = 0.0;
    while (std::clock() < until)
        for (int i = 0; i < 10000; ++i)
            sink = sink + 1.0;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 || (argc == 2 && std::strcmp(argv[1], "iv") != 0)) {
        std::fprintf(stderr, "usage: %s [iv]\n  run in the model working directory; \"iv\" is the visible mode\n", argv[0]);
        return 2;
    }
    failure_mode mode = failure_mode::none;
    if (!parse_failure_mode(std::getenv("IVORN_STAND_IN_FAILURE"), mode)) {
        std::fprintf(stderr, "vorn stand-in: IVORN_STAND_IN_FAILURE must be crash, hang, no-total, truncated or no-reports\n");
        return 2;
    }

    input_set inputs;
    std::string error;
    if (!read_input_set(inputs, error)) {
        std::fprintf(stderr, "vorn stand-in: ERROR, %s\n", error.c_str());
        return 1;
    }
    std::printf(" VORN STAND-IN MODEL (TEST DOUBLE)   MODEL VERSION %d\n", version_number(inputs.version));
    std::printf(" RUN %s: %zu SUBAREAS, %d YEARS FROM %d\n", inputs.run_name.c_str(), inputs.subareas.size(),
                inputs.duration, inputs.start_year);
    if (mode == failure_mode::no_reports)
        return 0;

    if (!keep_cpu_busy(std::getenv("IVORN_STAND_IN_CPU_SECONDS")))
        return 2;

    const simulated_run run(inputs);
    std::vector<report_file> files = report_files(run, mode != failure_mode::no_total);
    if (mode == failure_mode::crash || mode == failure_mode::hang)
        fail_part_way(files.front(), inputs, mode);
    if (mode == failure_mode::truncated)
        files.front().text.resize(files.front().text.size() / 2);

    for (const report_file& file : files) {
        if (!write_report(file, file.text, inputs.line_ends))
            return 3;
        std::printf(" WROTE %s\n", file.name.c_str());
    }
    if (mode != failure_mode::no_total && mode != failure_mode::truncated)
        std::printf("          TOTAL RUN TIME (SEE %s.OUT)\n", inputs.run_name.c_str());
    return 0;
}
