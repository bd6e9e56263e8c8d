// A run's own cost beside the model's: the three demo run definitions imported, then every record
// run again and again with the stand-in model (as `ivorn run --all --yearly --watershed --residue`
// does), measuring this process's CPU time per record (the model's is its own) and the wall time
// per record, round by round, so that a cost growing with the runs made before shows.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "output/output_variables.h"
#include "run/model_launcher.h"
#include "shell/doc_i_vorn.h"
#include "shell/project_database.h"

using namespace ivorn;
using bench::quiet_interface;

namespace {

double cpu_seconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10;
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "ivorn_run_benchmark";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch / "model");
    const std::string demo = std::string(IVORN_SOURCE_DIR) + "/data/demo/";
    std::filesystem::copy_file(IVORN_STAND_IN_PATH, scratch / "model" / "vorn_stand_in");
    std::filesystem::copy_file(demo + "model/output variables.csv", scratch / "model" / "output variables.csv");

    app_settings settings;
    settings.model_executable.set_full_path((scratch / "model" / "vorn_stand_in").string());
    quiet_interface ui;
    doc_i_vorn doc(settings, ui);
    const std::string path = (scratch / "demo.mdb").string();
    std::string log;
    if (!create_project_database(path, log) || !doc.open_database(path)) {
        std::fprintf(stderr, "%s", log.c_str());
        return 1;
    }
    for (const char* run : {"run1", "run2", "run3"}) {
        std::int32_t id = 0;
        if (!doc.import_dataset(demo + run + "/vornfile.dat", id)) {
            std::fprintf(stderr, "import failed: %s\n", ui.last_log.c_str());
            return 1;
        }
    }
    list_output_variable_descriptions variables;
    message_box_texts shown;
    variables.load_output_variables((scratch / "model" / "output variables.csv").string(), shown);
    posix_model_launcher launcher;
    int selection_changed = 0;
    doc.set_run_resources(&launcher, &variables, &selection_changed);
    run_set_options options;
    options.last_position = 3;
    options.create_yearly_table = options.create_watershed_table = options.create_residue_table = true;
    ui.run_set = &options;

    std::printf("%-8s %16s %16s %16s\n", "round", "own CPU/record", "model CPU/record", "wall/record");
    for (int round = 1; round <= rounds; ++round) {
        const double own = cpu_seconds(RUSAGE_SELF);
        const double model = cpu_seconds(RUSAGE_CHILDREN);
        const auto start = std::chrono::steady_clock::now();
        if (!doc.run_all_records()) {
            std::fprintf(stderr, "run set failed: %s\n", doc.last_run_set().log.c_str());
            return 1;
        }
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double records = static_cast<double>(doc.last_run_set().attempted);
        std::printf("%-8d %13.2f ms %13.2f ms %13.2f ms\n", round, (cpu_seconds(RUSAGE_SELF) - own) * 1000.0 / records,
                    (cpu_seconds(RUSAGE_CHILDREN) - model) * 1000.0 / records, wall * 1000.0 / records);
    }
    doc.close_database();
    std::filesystem::remove_all(scratch);
    return 0;
}
