// The `ivorn` commands, each a thin layer over the document and run code. Each returns the
// process exit status.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_session.h"
#include "run/run_set.h"

namespace ivorn {

int command_new(cli_session& session, const std::string& db_path, bool force);
int command_info(cli_session& session, const std::string& db_path);
int command_records(cli_session& session, const std::string& db_path);
int command_export(cli_session& session, const std::string& db_path, const std::string& table, const std::string& out);
int command_config_list(cli_session& session);
int command_config_get(cli_session& session, const std::string& key);
int command_config_set(cli_session& session, const std::string& key, const std::string& value);
// kind: crops, fertilizers, pesticides, operations or parameters.
int command_import_reference(cli_session& session, const std::string& kind, const std::string& db_path,
                             const std::string& file_path);
// kind: soil, weather, wind or weather-links.
int command_import_area(cli_session& session, const std::string& kind, const std::string& db_path,
                        const std::string& file);
// The options that answer dialog_new_record; what is not given keeps the proposed value.
struct dataset_answers {
    std::optional<std::int32_t> record_id;
    std::optional<std::int32_t> station_id;
    std::optional<std::string> station_name;
};
// Prints the new record's ID.
int command_import_dataset(cli_session& session, const std::string& db_path, const std::string& model_file_list,
                           const dataset_answers& answers);
int command_import_field_operations(cli_session& session, const std::string& db_path, const std::string& file);

struct load_outputs_options {
    std::string db_path;
    std::int32_t record_id = 0;
    std::string base;
    bool yearly = false;
    bool watershed = false;
    bool residue = false;
};
int command_load_outputs(cli_session& session, const load_outputs_options& options);
int command_variables_list(cli_session& session);
int command_variables_select(cli_session& session, const std::string& name);
int command_variables_remove(cli_session& session, const std::string& name);
int command_variables_switches(cli_session& session, const std::string& numbers);

// Scenario sets.
struct copy_options {
    std::string db_path;
    std::int32_t record_id = 0;
    std::optional<std::int32_t> to;
    long long count = 1;
    std::optional<std::string> description;
};
// Prints the new records' IDs.
int command_copy(cli_session& session, const copy_options& options);
struct set_options {
    std::string db_path;
    std::optional<std::int32_t> record_id;
    std::optional<std::string> records; // "A-B"
    std::optional<std::int32_t> subarea;
    std::vector<std::string> assignments; // COLUMN=VALUE
};
// Prints the IDs of the records changed.
int command_set(cli_session& session, const set_options& options);
struct scenarios_options {
    std::string db_path;
    std::int32_t base_id = 0;
    std::string factors_file;
    bool grid = false;
    std::string description_column;
    std::optional<std::int32_t> subarea;
    std::optional<std::int32_t> to;
};
// Prints ID<TAB>DESCRIPTION of each scenario made.
int command_scenarios(cli_session& session, const scenarios_options& options);

// Output views.
struct compare_options {
    std::string db_path;
    std::string table;
    std::string column;
    std::optional<std::string> records; // "A-B"
    std::string format = "table";
    std::optional<std::string> by; // a factor of "Scenario Factors"
};
// Prints one line per record (or per level of the factor): n, mean, min, max, std.
int command_compare(cli_session& session, const compare_options& options);
struct chart_options {
    std::string db_path;
    std::int32_t record_id = 0;
    std::string table;
    std::vector<std::string> columns;
    std::optional<int> subarea;
    bool all_subareas = false;
    std::string out;
    int width = 900;
    int height = 600;
};
// Writes Chart Output of one record as PNG or SVG.
int command_chart(cli_session& session, const chart_options& options);

// Run pipeline. A record ID of 0 means the record at position 1.
int command_write_inputs(cli_session& session, const std::string& db_path, std::int32_t record_id,
                         const std::string& directory);
int command_precheck(cli_session& session, const std::string& db_path, std::int32_t record_id, bool all);
int command_run(cli_session& session, const std::string& db_path, std::int32_t record_id, bool force);
int command_run_all(cli_session& session, const std::string& db_path, const run_set_options& options);
int command_collect(cli_session& session, const std::string& db_path, const std::string& stage);

} // namespace ivorn
