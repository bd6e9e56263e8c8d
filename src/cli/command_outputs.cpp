// `ivorn load-outputs` and `ivorn variables`: loading a finished run's reports, and the
// selected-output-variables list beside the model executable.
#include <array>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "core/text_utils.h"
#include "output/output_loaders.h"
#include "output/output_variables.h"
#include "shell/project_database.h"
#include "site/control_record_table.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

void show(const message_box_texts& shown)
{
    for (const std::string& text : shown)
        print_log(text);
}

std::string variable_file(const cli_session& session) { return session.effective.output_variable_file.full_path(); }

// The list as the application holds it; false (after its message) when there is none.
bool load_list(const cli_session& session, list_output_variable_descriptions& list)
{
    message_box_texts shown;
    const bool loaded = list.load_output_variables(variable_file(session), shown);
    show(shown);
    return loaded;
}

int save_list(cli_session& session, list_output_variable_descriptions& list)
{
    message_box_texts shown;
    const bool saved = list.save_output_variables(variable_file(session), session.effective.set_user_selected_variables,
                                                  shown);
    show(shown);
    return saved ? exit_ok : exit_failed;
}

bool beginning_year_of(database& db, std::int32_t record_id, int& year, std::string& log)
{
    recordset set;
    if (!set.open(db, control_records_table(), filter_by("ID", field_value(std::int64_t{record_id})), log,
                  recordset::mode::read_only))
        return false;
    if (set.is_empty()) {
        log += format_printf("No control record with ID %d.\r\n", record_id);
        return false;
    }
    set.move_first();
    year = static_cast<int>(set.get_integer("Beginning Year"));
    return true;
}

output_variable_description* variable_named(const std::vector<output_variable_description*>& variables,
                                            const std::string& name)
{
    for (output_variable_description* variable : variables) {
        if (equals_ignoring_case(trim_copy(variable->name), trim_copy(name)))
            return variable;
    }
    return nullptr;
}

} // namespace

int command_load_outputs(cli_session& session, const load_outputs_options& options)
{
    database db;
    std::string log;
    int beginning_year = 0;
    if (!open_project_database(db, options.db_path, log) || !beginning_year_of(db, options.record_id, beginning_year, log)) {
        print_log(log);
        return exit_failed;
    }
    list_output_variable_descriptions list;
    if (!load_list(session, list)) {
        print_log("Without an output variables list no report file is loaded.");
        return exit_failed;
    }
    const std::filesystem::path base(options.base);
    run_output_request request;
    request.record_id = options.record_id;
    request.beginning_year = beginning_year;
    request.working_directory = base.has_parent_path() ? base.parent_path().string() + "/" : "";
    request.base_name = base.filename().string();
    request.vorn_version = session.effective.vorn_version;
    request.save_year_first = session.effective.save_year_first;
    request.save_year_last = session.effective.save_year_last;
    request.english_convert = session.effective.english_convert != 0;
    request.selection_changed = &session.effective.set_user_selected_variables;
    request.want_yearly = options.yearly;
    request.want_watershed = options.watershed;
    request.want_residue = options.residue;
    request.variables = &list;
    if (!read_run_outputs(db, request, log)) {
        print_log(log);
        return exit_failed;
    }
    if (!log.empty())
        print_log(log);
    std::cout << "Outputs of record " << options.record_id << " loaded.\n";
    return exit_ok;
}

int command_variables_list(cli_session& session)
{
    list_output_variable_descriptions list;
    if (!load_list(session, list))
        return exit_failed;
    std::cout << "Selection counter " << list.selection_counter << '\n' << "Output files:\n";
    for (int k = 0; k < output_file_switch_count; ++k) {
        if (list.switch_on(k))
            std::cout << format_printf("%2d %s\n", k, output_file_switch_label(k));
    }
    std::cout << "I_vorn Selected:\n";
    for (const output_variable_description* variable : list.printed_variables())
        std::cout << list_output_variable_descriptions::list_entry(*variable, false) << '\n';
    std::cout << "User Selected:\n";
    for (const output_variable_description* variable : list.user_selected_variables())
        std::cout << list_output_variable_descriptions::list_entry(*variable, false) << '\n';
    return exit_ok;
}

int command_variables_select(cli_session& session, const std::string& name)
{
    list_output_variable_descriptions list;
    if (!load_list(session, list))
        return exit_failed;
    output_variable_description* variable = variable_named(list.all_variables(), name);
    if (!variable) {
        print_log("No output variable named " + name + ".");
        return exit_failed;
    }
    message_box_texts shown;
    if (!list.select_variable(variable, session.effective.set_user_selected_variables, shown)) {
        show(shown);
        if (shown.empty())
            print_log(trim_copy(variable->name) + " is printed already; nothing changed.");
        return exit_failed;
    }
    return save_list(session, list);
}

int command_variables_remove(cli_session& session, const std::string& name)
{
    list_output_variable_descriptions list;
    if (!load_list(session, list))
        return exit_failed;
    const output_variable_description* variable = variable_named(list.user_selected_variables(), name);
    const std::string entry = variable ? list_output_variable_descriptions::list_entry(*variable, false) : "";
    message_box_texts shown;
    if (!list.remove_variable(variable ? &entry : nullptr, session.effective.set_user_selected_variables, shown)) {
        show(shown);
        return exit_failed;
    }
    return save_list(session, list);
}

int command_variables_switches(cli_session& session, const std::string& numbers)
{
    std::array<int, output_file_switch_count> switches{};
    std::stringstream items(numbers);
    std::string item;
    while (std::getline(items, item, ',')) {
        char* end = nullptr;
        const long k = std::strtol(item.c_str(), &end, 10);
        if (item.empty() || *end != '\0' || k < 0 || k >= output_file_switch_count) {
            print_log("Output file switches are numbers 0 to 29, not \"" + item + "\".");
            return exit_usage;
        }
        switches[static_cast<size_t>(k)] = 1;
    }
    list_output_variable_descriptions list;
    if (!load_list(session, list))
        return exit_failed;
    list.switches = switches;
    return save_list(session, list);
}

} // namespace ivorn
