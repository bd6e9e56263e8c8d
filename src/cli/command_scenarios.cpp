// `ivorn copy`, `set` and `scenarios`: new run definitions copied from one record, columns changed
// by name, and whole scenario sets from a factors file.
#include <iostream>

#include "cli/commands.h"
#include "core/text_utils.h"
#include "shell/project_database.h"
#include "shell/scenario_set.h"
#include "site/record_columns.h"
#include "site/record_copy.h"

namespace ivorn {
namespace {

bool open_project(database& db, const std::string& db_path)
{
    std::string log;
    if (open_project_database(db, db_path, log))
        return true;
    print_log(log);
    return false;
}

int failed(const std::string& log)
{
    print_log(log);
    return exit_failed;
}

} // namespace

int command_copy(cli_session&, const copy_options& options)
{
    database db;
    if (!open_project(db, options.db_path))
        return exit_failed;
    std::string log;
    std::vector<std::int32_t> ids;
    if (!copy_record(db, options.record_id, options.to, options.count, options.description, ids, log))
        return failed(log);
    if (!log.empty())
        print_log(log);
    for (const std::int32_t id : ids)
        std::cout << id << '\n';
    return exit_ok;
}

int command_set(cli_session&, const set_options& options)
{
    std::string log;
    std::vector<column_assignment> assignments(options.assignments.size());
    for (size_t i = 0; i < assignments.size(); ++i) {
        if (!parse_assignment(options.assignments[i], assignments[i], log))
            return failed(log);
    }
    std::int64_t first = options.record_id.value_or(0);
    std::int64_t last = first;
    if (options.records && !read_id_range(*options.records, first, last)) {
        print_log("--records takes A-B, two record IDs with A not above B, e.g. 1-40");
        return exit_usage;
    }
    database db;
    if (!open_project(db, options.db_path))
        return exit_failed;
    std::vector<std::int32_t> ids;
    if (!stored_record_ids(db, first, last, ids, log))
        return failed(log);
    if (ids.empty()) {
        return failed(first == last ? format_printf("No control record %lld.", static_cast<long long>(first))
                                    : format_printf("No control records with IDs from %lld to %lld.",
                                                    static_cast<long long>(first), static_cast<long long>(last)));
    }
    if (!set_record_columns(db, ids, options.subarea, assignments, log))
        return failed(log);
    for (const std::int32_t id : ids)
        std::cout << id << '\n';
    return exit_ok;
}

int command_scenarios(cli_session&, const scenarios_options& options)
{
    std::string log;
    std::string text;
    factor_table factors;
    if (!read_factors_file(options.factors_file, text, log) ||
        !read_factor_table(text, options.grid, options.description_column, factors, log))
        return failed(log);
    database db;
    if (!open_project(db, options.db_path))
        return exit_failed;
    std::vector<made_scenario> made;
    if (!generate_scenarios(db, {options.base_id, options.to, options.subarea}, factors, made, log))
        return failed(log);
    if (!log.empty())
        print_log(log);
    for (const auto& scenario : made)
        std::cout << scenario.id << '\t' << one_line(scenario.description) << '\n';
    return exit_ok;
}

} // namespace ivorn
