// Loads a long run's generated reports (100 subareas x 100 years, daily SWAT with pesticides) and
// compares the rows stored per second with a bare prepared-INSERT loop that writes the same
// number of rows into the same tables of a fresh database, in the same run; then the same load
// end to end through `ivorn load-outputs` (each binary named after the directory, or the one
// built beside this), with its wall time and peak memory.
//   ivorn_load_benchmark [DIR [IVORN ...]]
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "output/output_loaders.h"
#include "report_generator.h"
#include "shell/all_tables.h"
#include "shell/project_database.h"
#include "site/control_record_table.h"
#include "store/recordset.h"

using namespace ivorn;

namespace {

// This process's CPU time: on a busy machine the ratios of CPU times hold better than those of
// wall times.
double cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct table_rows {
    const table_description* table;
    long long rows;
};

// The rows per table that the load wrote (the control record the load belongs to left out).
std::vector<table_rows> rows_per_table(database& db)
{
    std::vector<table_rows> counts;
    std::string log;
    for (const table_description* table : all_tables()) {
        if (table == &control_records_table())
            continue;
        const long long rows = db.count_rows(*table, log);
        if (rows > 0)
            counts.push_back({table, rows});
    }
    return counts;
}

// The same number of rows per table through one prepared INSERT each, values bound directly.
double bare_insert_seconds(const std::string& path, const std::vector<table_rows>& counts, double& cpu)
{
    std::string log;
    database db;
    if (!create_project_database(path, log) || !open_project_database(db, path, log)) {
        std::fprintf(stderr, "%s", log.c_str());
        return -1.0;
    }
    const auto start = std::chrono::steady_clock::now();
    const double cpu_start = cpu_seconds();
    db.execute("BEGIN", log);
    for (const table_rows& count : counts) {
        std::string sql = "INSERT INTO " + quote_identifier(count.table->name) + " VALUES (";
        for (size_t i = 0; i < count.table->columns.size(); ++i)
            sql += i ? ",?" : "?";
        sql += ")";
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &insert, nullptr);
        for (long long row = 0; row < count.rows; ++row) {
            sqlite3_reset(insert);
            for (size_t i = 0; i < count.table->columns.size(); ++i) {
                const column_type type = count.table->columns[i].type;
                const int index = static_cast<int>(i + 1);
                if (type == column_type::text)
                    sqlite3_bind_text(insert, index, "PEST0001", -1, SQLITE_STATIC);
                else if (type == column_type::single_float)
                    sqlite3_bind_double(insert, index, static_cast<double>(static_cast<float>(row % 1000) * 0.25f));
                else
                    sqlite3_bind_int64(insert, index, row % 100 + 1);
            }
            sqlite3_step(insert);
        }
        sqlite3_finalize(insert);
    }
    db.execute("COMMIT", log);
    cpu = cpu_seconds() - cpu_start;
    return seconds_since(start);
}

long long total_rows(const std::vector<table_rows>& counts)
{
    long long rows = 0;
    for (const table_rows& count : counts)
        rows += count.rows;
    return rows;
}

// A fresh project holding the one control record the reports belong to.
bool make_project(const std::string& path, std::string& log)
{
    std::filesystem::remove(path);
    database db;
    if (!create_project_database(path, log) || !open_project_database(db, path, log))
        return false;
    recordset records;
    if (!records.open(db, control_records_table(), {}, log))
        return false;
    records.add_new();
    records.set("ID", field_value(std::int64_t{1}));
    records.set("Beginning Year", field_value(std::int64_t{1990}));
    return records.update(log);
}

struct command_cost {
    double seconds = -1.0;
    double cpu = 0.0;
    long peak_kilobytes = 0;
    long long rows = 0;
};

// `ivorn load-outputs` of the reports in `directory` into a fresh project, timed from the
// command's start to its exit.
command_cost run_load_outputs(const std::string& ivorn, const std::filesystem::path& directory)
{
    command_cost cost;
    std::string log;
    const std::string db_path = (directory / "cli.db").string();
    if (!make_project(db_path, log)) {
        std::fprintf(stderr, "%s", log.c_str());
        return cost;
    }
    const std::string settings = (directory / "settings.ini").string();
    std::FILE* empty = std::fopen(settings.c_str(), "w");
    if (empty)
        std::fclose(empty);
    const std::string model = (directory / "vorn2110v3.exe").string();
    const std::string base = (directory / "vorn").string();
    std::vector<std::string> arguments = {ivorn, "--settings", settings, "--model", model, "load-outputs", db_path,
                                          "--record", "1", "--base", base, "--yearly", "--watershed", "--residue"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s load-outputs failed\n", ivorn.c_str());
        return cost;
    }
    cost.seconds = seconds_since(start);
    cost.peak_kilobytes = usage.ru_maxrss;
    cost.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
               + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    database db;
    if (open_project_database(db, db_path, log))
        cost.rows = total_rows(rows_per_table(db));
    return cost;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path directory =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path() / "ivorn_load_benchmark";
    std::filesystem::create_directories(directory);
    const auto generate_start = std::chrono::steady_clock::now();
    if (!bench::generate_reports(directory.string(), {})) {
        std::fprintf(stderr, "Unable to write the reports into %s\n", directory.string().c_str());
        return 1;
    }
    std::printf("generated reports in %.2f s\n", seconds_since(generate_start));

    std::string log;
    const std::string db_path = (directory / "load.db").string();
    std::filesystem::remove(db_path);
    database db;
    if (!create_project_database(db_path, log) || !open_project_database(db, db_path, log)) {
        std::fprintf(stderr, "%s", log.c_str());
        return 1;
    }
    list_output_variable_descriptions variables;
    message_box_texts shown;
    variables.load_output_variables((directory / "output variables.csv").string(), shown);
    int selection_changed = 1;
    run_output_request request;
    request.record_id = 1;
    request.beginning_year = 1990;
    request.working_directory = directory.string() + "/";
    request.want_yearly = request.want_watershed = request.want_residue = true;
    request.selection_changed = &selection_changed;
    request.variables = &variables;

    const auto load_start = std::chrono::steady_clock::now();
    const double load_cpu_start = cpu_seconds();
    const bool loaded = read_run_outputs(db, request, log);
    const double load_seconds = seconds_since(load_start);
    const double load_cpu = cpu_seconds() - load_cpu_start;
    if (!loaded) {
        std::fprintf(stderr, "%s", log.c_str());
        return 1;
    }
    const std::vector<table_rows> counts = rows_per_table(db);
    const long long rows = total_rows(counts);
    for (const table_rows& count : counts)
        std::printf("  %-24s %8lld rows\n", count.table->name.c_str(), count.rows);
    db.close();

    const std::string bare_path = (directory / "bare.db").string();
    std::filesystem::remove(bare_path);
    double bare_cpu = 0.0;
    const double bare_seconds = bare_insert_seconds(bare_path, counts, bare_cpu);
    if (bare_seconds <= 0.0)
        return 1;
    const double load_rate = rows / load_seconds;
    const double bare_rate = rows / bare_seconds;
    std::printf("load:        %lld rows in %.2f s (CPU %.2f s), %.0f rows/s (reading and parsing included)\n", rows,
                load_seconds, load_cpu, load_rate);
    std::printf("bare insert: %lld rows in %.2f s (CPU %.2f s), %.0f rows/s\n", rows, bare_seconds, bare_cpu, bare_rate);
    std::printf("ratio:       %.2f (CPU %.2f)\n", load_rate / bare_rate, bare_cpu / load_cpu);

    std::vector<std::string> commands;
    for (int k = 2; k < argc; ++k)
        commands.push_back(argv[k]);
    if (commands.empty())
        commands.push_back(IVORN_CLI_PATH);
    for (const std::string& ivorn : commands) {
        const command_cost cost = run_load_outputs(ivorn, directory);
        if (cost.seconds <= 0.0)
            return 1;
        if (cost.rows != rows)
            std::printf("  (stored %lld rows, not %lld)\n", cost.rows, rows);
        const double rate = cost.rows / cost.seconds;
        std::printf("end to end:  %lld rows in %.2f s (CPU %.2f s), %.0f rows/s, %.2f of the bare insert (CPU %.2f), "
                    "peak memory %.1f MB (%s)\n",
                    cost.rows, cost.seconds, cost.cpu, rate, rate / bare_rate, bare_cpu / cost.cpu,
                    cost.peak_kilobytes / 1024.0, ivorn.c_str());
    }
    return 0;
}
