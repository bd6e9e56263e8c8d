// Imports at scale, each beside its yardstick in the same run: 10 000 crops against a bare
// prepared INSERT of the same rows; one demo data set into an empty project and into one of N
// control records (default 100 000) as `ivorn import dataset` does it; and schedules of 5 000 to
// 40 000 lines, which must take time in proportion to their length.
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "control_record_fill.h"
#include "core/model_file_writer.h"
#include "reference/field_operation_table.h"
#include "reference/reference_tables.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_field_operation.h"
#include "shell/doc_i_vorn.h"
#include "shell/import_reference.h"
#include "shell/project_database.h"

using namespace ivorn;
using bench::quiet_interface;
using bench::timed;

namespace {

const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "ivorn_import_benchmark";

std::string scratch_file(const std::string& name) { return (scratch / name).string(); }

bool fresh_project(const std::string& path)
{
    std::string log;
    if (create_project_database(path, log))
        return true;
    std::fprintf(stderr, "%s", log.c_str());
    return false;
}

void make_crops(vorn_production_supply_list& crops, int count)
{
    for (int i = 1; i <= count; ++i) {
        auto crop = std::make_unique<vorn_crop>();
        crop->number = i;
        crop->name = "C" + std::to_string(i % 1000);
        crop->wa = static_cast<float>(i % 50);
        crop->hi = 0.45f;
        crop->top = 1.5f;
        crop->category = 1 + i % 7;
        crops.add(std::move(crop));
    }
}

// The same rows through one prepared INSERT, every value bound straight from the record.
double bare_crop_insert(const std::string& path, vorn_production_supply_list& crops)
{
    database db;
    std::string log;
    if (!fresh_project(path) || !open_project_database(db, path, log))
        return -1.0;
    const table_description& table = crops_table();
    std::string sql = "INSERT INTO " + quote_identifier(table.name) + " VALUES (";
    for (size_t i = 0; i < table.columns.size(); ++i)
        sql += i ? ",?" : "?";
    sql += ")";
    auto& first = static_cast<vorn_crop&>(*crops.first());
    std::vector<int> columns;
    for (const auto& binding : first.bindings())
        columns.push_back(table.column_index(binding.column));
    return timed("  bare prepared INSERT of the same rows", [&] {
        db.execute("BEGIN", log);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &insert, nullptr);
        for (auto* member : crops) {
            auto& crop = static_cast<vorn_crop&>(*member);
            const binding_list bindings = crop.bindings();
            for (size_t i = 0; i < bindings.size(); ++i)
                bind_value(insert, columns[i] + 1, member_value(bindings[i].member));
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        db.execute("COMMIT", log);
    });
}

void crops_benchmark(int count)
{
    std::printf("Import crops: %d crops\n", count);
    vorn_production_supply_list crops;
    make_crops(crops, count);
    const std::string file = scratch_file("crops.dat");
    write_crop_file(crops, file, 2110, line_end_style::lf, true);

    const std::string path = scratch_file("crops.mdb");
    database db;
    std::string log;
    if (!fresh_project(path) || !open_project_database(db, path, log))
        return;
    quiet_interface ui;
    vorn_production_supply_list imported;
    const double import = timed("  import crops (read the file, store the rows)",
                                [&] { import_crop_file(db, imported, file, ui); });
    vorn_production_supply_list again;
    const double reimport = timed("  import crops again over the stored rows",
                                  [&] { import_crop_file(db, again, file, ui); });
    vorn_production_supply_list loaded;
    std::string load_log;
    timed("  load the stored crops back", [&] { load_crops(db, loaded, load_log); });
    db.close();
    const double bare = bare_crop_insert(scratch_file("bare.mdb"), crops);
    std::printf("  ratio bare / import: %.2fx (again: %.2fx)\n", bare / import, bare / reimport);
}

// What `ivorn import dataset DB FILE` does: open for one command, import, close.
double import_dataset_once(const std::string& path, const std::string& dataset)
{
    app_settings settings;
    quiet_interface ui;
    doc_i_vorn doc(settings, ui);
    std::int32_t id = 0;
    const auto start = std::chrono::steady_clock::now();
    bool ok = doc.open_database(path, doc_i_vorn::open_scope::one_command) && doc.import_dataset(dataset, id);
    doc.close_database();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ok)
        std::fprintf(stderr, "import failed: %s\n", ui.last_log.c_str());
    return seconds;
}

void dataset_benchmark(long records)
{
    const std::string dataset = std::string(IVORN_SOURCE_DIR) + "/data/demo/run1/vornfile.dat";
    std::printf("Import dataset (data/demo/run1), best of 3\n");
    const std::string empty = scratch_file("empty.mdb");
    const std::string large = scratch_file("large.mdb");
    if (!fresh_project(empty) || !bench::fill_control_records(large, records))
        return;
    double best_empty = 1e9;
    double best_large = 1e9;
    for (int i = 0; i < 3; ++i) {
        best_empty = std::min(best_empty, import_dataset_once(empty, dataset));
        best_large = std::min(best_large, import_dataset_once(large, dataset));
    }
    std::printf("  %-46s %10.2f ms\n", "into an empty project", best_empty * 1000.0);
    const std::string label = "into a project of " + std::to_string(records) + " records";
    std::printf("  %-46s %10.2f ms\n", label.c_str(), best_large * 1000.0);
    std::printf("  ratio large / empty: %.2fx\n", best_large / best_empty);
}

// A schedule of `lines` operations on random dates (the worst case for the ordered list).
void write_schedule(const std::string& path, int lines)
{
    model_file_writer out;
    out.open(path, line_end_style::lf);
    out.write("1\n");
    out.printf("%4d%4d\n", 1, 0);
    std::mt19937 random(7);
    for (int i = 0; i < lines; ++i)
        out.printf("%2d%2d%2d%5d%5d%5d%5d%8.1f%8.1f\n", 1 + static_cast<int>(random() % 99), 1 + static_cast<int>(random() % 12),
                   1 + static_cast<int>(random() % 28), 1 + static_cast<int>(random() % 40), 0, 1, 0, 1.0, 2.0);
    out.close();
}

void schedule_benchmark()
{
    std::printf("Schedule read and stored, random dates\n");
    const std::string path = scratch_file("schedule.mdb");
    database db;
    std::string log;
    if (!fresh_project(path) || !open_project_database(db, path, log))
        return;
    for (const int lines : {5000, 20000, 40000}) {
        const std::string file = scratch_file("0001.ops");
        write_schedule(file, lines);
        field_operation_list operations;
        schedule_header header;
        const schedule_owner owner{1, static_cast<std::int32_t>(lines)};
        const std::string read = std::to_string(lines) + " lines: read into date order";
        timed(read.c_str(), [&] { read_schedule_file(file, owner, header, operations, log); });
        const std::string stored = std::to_string(lines) + " lines: stored";
        timed(stored.c_str(), [&] { save_field_operations(db, owner, operations, log); });
        field_operation_list loaded;
        const std::string load = std::to_string(lines) + " lines: loaded back";
        timed(load.c_str(), [&] { load_field_operations(db, owner, loaded, log); });
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::create_directories(scratch);
    // "crops N": the crop import alone, N times over, for a profile or a steadier ratio.
    if (argc > 1 && std::string(argv[1]) == "schedules") {
        schedule_benchmark();
        std::filesystem::remove_all(scratch);
        return 0;
    }
    if (argc > 2 && std::string(argv[1]) == "crops") {
        for (long i = std::max(1L, std::atol(argv[2])); i > 0; --i)
            crops_benchmark(10000);
        std::filesystem::remove_all(scratch);
        return 0;
    }
    const long records = argc > 1 ? std::atol(argv[1]) : 100000;
    crops_benchmark(10000);
    dataset_benchmark(records);
    schedule_benchmark();
    std::filesystem::remove_all(scratch);
    return 0;
}
