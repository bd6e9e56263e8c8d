// Loads a long run's generated reports (100 subareas x 100 years, daily SWAT with pesticides) and
// compares the rows stored per second with a bare prepared-INSERT loop that writes the same
// number of rows into the same tables of a fresh database, in the same run.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "output/output_loaders.h"
#include "report_generator.h"
#include "shell/all_tables.h"
#include "shell/project_database.h"

using namespace ivorn;

namespace {

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct table_rows {
    const table_description* table;
    long long rows;
};

// The rows per table that the load wrote.
std::vector<table_rows> rows_per_table(database& db)
{
    std::vector<table_rows> counts;
    std::string log;
    for (const table_description* table : all_tables()) {
        const long long rows = db.count_rows(*table, log);
        if (rows > 0)
            counts.push_back({table, rows});
    }
    return counts;
}

// The same number of rows per table through one prepared INSERT each, values bound directly.
double bare_insert_seconds(const std::string& path, const std::vector<table_rows>& counts)
{
    std::string log;
    database db;
    if (!create_project_database(path, log) || !open_project_database(db, path, log)) {
        std::fprintf(stderr, "%s", log.c_str());
        return -1.0;
    }
    const auto start = std::chrono::steady_clock::now();
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
    return seconds_since(start);
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
    const bool loaded = read_run_outputs(db, request, log);
    const double load_seconds = seconds_since(load_start);
    if (!loaded) {
        std::fprintf(stderr, "%s", log.c_str());
        return 1;
    }
    const std::vector<table_rows> counts = rows_per_table(db);
    long long rows = 0;
    for (const table_rows& count : counts) {
        std::printf("  %-24s %8lld rows\n", count.table->name.c_str(), count.rows);
        rows += count.rows;
    }
    db.close();

    const std::string bare_path = (directory / "bare.db").string();
    std::filesystem::remove(bare_path);
    const double bare_seconds = bare_insert_seconds(bare_path, counts);
    if (bare_seconds <= 0.0)
        return 1;
    const double load_rate = rows / load_seconds;
    const double bare_rate = rows / bare_seconds;
    std::printf("load:        %lld rows in %.2f s, %.0f rows/s (reading and parsing included)\n", rows, load_seconds,
                load_rate);
    std::printf("bare insert: %lld rows in %.2f s, %.0f rows/s\n", rows, bare_seconds, bare_rate);
    std::printf("ratio:       %.2f\n", load_rate / bare_rate);
    return 0;
}
