// Scenario sets at scale: 10 000 scenarios (a 10 x 10 x 100 grid over a Control Records column, a
// parameter and a subarea column) from one base record with 3 subareas, first in a project that
// holds only the base, then in one that already holds N other records (default 50 000). Prints
// the time of each set and the time per scenario, which should not grow with N.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "reference/field_operation_table.h"
#include "reference/parameters_table.h"
#include "shell/project_database.h"
#include "shell/scenario_set.h"
#include "site/control_record_table.h"
#include "site/livestock_tables.h"
#include "site/record_copy.h"
#include "site/soil_tables.h"
#include "site/subarea_tables.h"
#include "site/weather_tables.h"
#include "store/bulk_inserter.h"

namespace {

using namespace ivorn;

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool insert(database& db, const table_description& table, std::initializer_list<std::pair<const char*, field_value>> values,
            std::string& log)
{
    bulk_inserter row;
    if (!row.prepare(db, table, log))
        return false;
    for (const auto& [column, value] : values)
        row.set(column, value);
    return row.insert_row(log);
}

// Record 1 as an import leaves one: its row, parameters, 3 subareas with management and 20 field
// operations each, ten herd rows; station 1 and soil 1 that it names.
bool make_base(database& db, std::string& log)
{
    const auto one = field_value(std::int64_t{1});
    transaction work(db);
    bool ok = insert(db, control_records_table(), {{"ID", one}, {"Description", field_value(std::string("base"))},
                                                   {"Weather Station ID", one}, {"Number Subareas", field_value(std::int64_t{3})},
                                                   {"Simulation Length", field_value(std::int64_t{30})}},
                     log) &&
              insert(db, parameters_table(), {{"ID", one}}, log) && insert(db, weather_table(), {{"ID", one}}, log) &&
              insert(db, soils_table(), {{"Soil Id", one}}, log);
    for (std::int64_t subarea = 1; ok && subarea <= 3; ++subarea) {
        ok = insert(db, subareas_table(), {{"ID", one}, {"Subarea Id", field_value(subarea)}, {"Soil Id", one}}, log) &&
             insert(db, management_table(), {{"ID", one}, {"Subarea Id", field_value(subarea)}}, log);
        for (std::int64_t op = 0; ok && op < 20; ++op)
            ok = insert(db, field_operations_table(),
                        {{"ID", one}, {"Subarea Id", field_value(subarea)}, {"Year", field_value(op / 5 + 1)}}, log);
    }
    for (int herd = 0; ok && herd < 10; ++herd)
        ok = insert(db, livestock_table(), {{"ID", one}}, log);
    return ok && work.commit(log);
}

// 10 levels x 10 levels x 100 levels.
std::string grid_text()
{
    std::string text = "Simulation Length,Parameters.Parm61,Subareas.Slope\n";
    for (int i = 0; i < 100; ++i) {
        text += i < 10 ? std::to_string(10 + i) + "," + std::to_string(i) + ".5," : ",,";
        text += "0." + std::to_string(100 + i) + "\n";
    }
    return text;
}

bool one_set(database& db, const factor_table& factors, const char* what)
{
    std::string log;
    std::vector<made_scenario> made;
    const auto start = std::chrono::steady_clock::now();
    if (!generate_scenarios(db, {1, std::nullopt, std::nullopt}, factors, made, log)) {
        std::fprintf(stderr, "%s", log.c_str());
        return false;
    }
    const double elapsed = seconds_since(start);
    std::printf("%-48s %8zu scenarios %8.2f s %8.1f us per scenario\n", what, made.size(), elapsed,
                1e6 * elapsed / static_cast<double>(made.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const long others = argc > 1 ? std::atol(argv[1]) : 50000;
    const auto dir = std::filesystem::temp_directory_path() / ("ivorn_scenario_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "bench.mdb").string();
    std::string log;
    database db;
    factor_table factors;
    bool ok = create_project_database(path, log) && open_project_database(db, path, log) && make_base(db, log) &&
              read_factor_table(grid_text(), true, "", factors, log);
    ok = ok && one_set(db, factors, "project holding the base only");
    if (ok) {
        std::vector<std::int32_t> ids;
        const auto start = std::chrono::steady_clock::now();
        ok = copy_record(db, 1, std::nullopt, others, std::nullopt, ids, log);
        std::printf("%-48s %8ld copies    %8.2f s\n", "ivorn copy --count N (filling the project)", others,
                    seconds_since(start));
    }
    ok = ok && one_set(db, factors, ("project already holding " + std::to_string(10001 + others) + " records").c_str());
    if (!ok)
        std::fprintf(stderr, "%s", log.c_str());
    db.close();
    std::filesystem::remove_all(dir);
    return ok ? 0 : 1;
}
