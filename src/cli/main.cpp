// `ivorn`: the command line over the same document and run code as the desktop app. This is the
// only file that includes CLI11 (it costs seconds per translation unit).
#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>

#include "cli/commands.h"

using namespace ivorn;

int main(int argc, char** argv)
{
    CLI::App app{"ivorn: i_VORN from the command line"};
    app.require_subcommand(1);
    global_options options;
    app.add_option("--settings", options.settings_file, "read and write settings in this INI file");
    app.add_option("--model", options.model, "the model executable; its directory is the model working directory");
    app.add_option("--model-version", options.model_version, "model version: 2110, 604, 806, 1307");
    app.add_option("--line-ends", options.line_ends, "line ends of the model files written: crlf or lf");
    app.add_flag("--english", options.english, "convert output to English units");
    app.add_option("--years", options.years, "FIRST:LAST simulation years whose output is stored");
    app.add_flag("--read-soil", options.read_soil, "start with the final soil tables");
    app.add_flag("--visible", options.visible, "the model's console output goes to this terminal");

    std::function<int(cli_session&)> action;
    std::string db_path;
    std::string table_name;
    std::string out_path;
    std::string key;
    std::string value;
    bool force = false;

    auto* new_command = app.add_subcommand("new", "create a project database with every table");
    new_command->add_option("DB", db_path, "the database file")->required();
    new_command->add_flag("--force", force, "replace an existing file");
    new_command->callback([&] { action = [&](cli_session& s) { return command_new(s, db_path, force); }; });

    auto* info_command = app.add_subcommand("info", "one line per table: NAME<TAB>ROWS");
    info_command->add_option("DB", db_path, "the database file")->required();
    info_command->callback([&] { action = [&](cli_session& s) { return command_info(s, db_path); }; });

    auto* records_command = app.add_subcommand("records", "the control-record list: POSITION<TAB>ID<TAB>DESCRIPTION");
    records_command->add_option("DB", db_path, "the database file")->required();
    records_command->callback([&] { action = [&](cli_session& s) { return command_records(s, db_path); }; });

    auto* export_command = app.add_subcommand("export", "a table as CSV");
    export_command->add_option("DB", db_path, "the database file")->required();
    export_command->add_option("TABLE", table_name, "the table name")->required();
    export_command->add_option("--out", out_path, "write to this file instead of standard output");
    export_command->callback(
        [&] { action = [&](cli_session& s) { return command_export(s, db_path, table_name, out_path); }; });

    auto* config_command = app.add_subcommand("config", "the stored settings");
    config_command->require_subcommand(1);
    config_command->add_subcommand("list", "every setting")->callback([&] {
        action = [&](cli_session& s) { return command_config_list(s); };
    });
    auto* config_get = config_command->add_subcommand("get", "one setting");
    config_get->add_option("KEY", key, "Section/Key, e.g. Settings/VORNVersion")->required();
    config_get->callback([&] { action = [&](cli_session& s) { return command_config_get(s, key); }; });
    auto* config_set = config_command->add_subcommand("set", "change one setting");
    config_set->add_option("KEY", key, "Section/Key, e.g. Settings/VORNVersion")->required();
    config_set->add_option("VALUE", value, "the new value")->required();
    config_set->callback([&] { action = [&](cli_session& s) { return command_config_set(s, key, value); }; });

    auto* import_command = app.add_subcommand("import", "read the model's own data files into a project database");
    import_command->require_subcommand(1);
    std::string file_path;
    for (const char* kind : {"crops", "fertilizers", "pesticides", "operations", "parameters"}) {
        auto* reference = import_command->add_subcommand(kind, std::string("import a file of ") + kind);
        reference->add_option("DB", db_path, "the database file")->required();
        reference->add_option("FILE", file_path, "the file to import")->required();
        reference->callback([&, kind] {
            action = [&, kind](cli_session& s) { return command_import_reference(s, kind, db_path, file_path); };
        });
    }
    for (const char* kind : {"soil", "weather", "wind", "weather-links"}) {
        auto* area = import_command->add_subcommand(kind, std::string("the area-study import of a ") + kind + " file");
        area->add_option("DB", db_path, "the database file")->required();
        area->add_option("FILE", file_path, "the file to import")->required();
        area->callback([&, kind] {
            action = [&, kind](cli_session& s) { return command_import_area(s, kind, db_path, file_path); };
        });
    }
    dataset_answers new_record;
    auto* dataset = import_command->add_subcommand("dataset", "the whole model data set as a new control record");
    dataset->add_option("DB", db_path, "the database file")->required();
    dataset->add_option("VORNFILE", file_path, "the model file list (vornfile.dat)")->required();
    dataset->add_option("--id", new_record.record_id, "the new record's ID (default: the next free ID)");
    dataset->add_option("--station-id", new_record.station_id, "its weather station number (default: the ID)");
    dataset->add_option("--station-name", new_record.station_name, "its weather station name");
    dataset->callback([&] {
        action = [&](cli_session& s) { return command_import_dataset(s, db_path, file_path, new_record); };
    });
    auto* field_operations = import_command->add_subcommand("field-operations", "the plain-text field-operation file");
    field_operations->add_option("DB", db_path, "the database file")->required();
    field_operations->add_option("FILE", file_path, "the file to import")->required();
    field_operations->callback([&] {
        action = [&](cli_session& s) { return command_import_field_operations(s, db_path, file_path); };
    });

    load_outputs_options load_outputs;
    auto* load_outputs_command = app.add_subcommand("load-outputs", "load an existing run's report files for a record");
    load_outputs_command->add_option("DB", load_outputs.db_path, "the database file")->required();
    load_outputs_command->add_option("--record", load_outputs.record_id, "the control record ID")->required();
    load_outputs_command->add_option("--base", load_outputs.base, "the report files without extension")->required();
    load_outputs_command->add_flag("--yearly", load_outputs.yearly, "create the yearly table");
    load_outputs_command->add_flag("--watershed", load_outputs.watershed, "create the watershed table");
    load_outputs_command->add_flag("--residue", load_outputs.residue, "create the residue output table");
    load_outputs_command->callback([&] { action = [&](cli_session& s) { return command_load_outputs(s, load_outputs); }; });

    auto* variables_command = app.add_subcommand("variables", "the selected-output-variables list");
    variables_command->require_subcommand(1);
    variables_command->add_subcommand("list", "show the list")->callback([&] {
        action = [&](cli_session& s) { return command_variables_list(s); };
    });
    auto* variables_select = variables_command->add_subcommand("select", "select a variable");
    variables_select->add_option("NAME", value, "the variable name")->required();
    variables_select->callback([&] { action = [&](cli_session& s) { return command_variables_select(s, value); }; });
    auto* variables_remove = variables_command->add_subcommand("remove", "remove a selected variable");
    variables_remove->add_option("NAME", value, "the variable name")->required();
    variables_remove->callback([&] { action = [&](cli_session& s) { return command_variables_remove(s, value); }; });
    auto* variables_switches = variables_command->add_subcommand("switches", "set exactly these output-file switches on");
    variables_switches->add_option("N", value, "switch numbers 0-29, comma separated")->required();
    variables_switches->callback([&] { action = [&](cli_session& s) { return command_variables_switches(s, value); }; });

    copy_options copy;
    auto* copy_command = app.add_subcommand("copy", "new control records holding a full copy of a record; prints their IDs");
    copy_command->add_option("DB", copy.db_path, "the database file")->required();
    copy_command->add_option("--record", copy.record_id, "the record to copy")->required();
    copy_command->add_option("--to", copy.to, "the first new ID (default: the next free IDs)");
    copy_command->add_option("--count", copy.count, "the number of copies (default 1)");
    copy_command->add_option("--description", copy.description, "the copies' description (default: the original's)");
    copy_command->callback([&] { action = [&](cli_session& s) { return command_copy(s, copy); }; });

    set_options set;
    auto* set_command = app.add_subcommand(
        "set", "change columns of records' tables: COLUMN=VALUE (Control Records), TABLE.COLUMN=VALUE "
               "(Parameters, Subareas, Management); prints the IDs changed");
    set_command->add_option("DB", set.db_path, "the database file")->required();
    auto* set_record = set_command->add_option("--record", set.record_id, "the record ID");
    auto* set_records = set_command->add_option("--records", set.records, "the records with IDs from A to B: A-B");
    set_record->excludes(set_records);
    set_command->add_option("--subarea", set.subarea, "Subareas and Management columns of this subarea (default: every one)");
    set_command->add_option("ASSIGNMENTS", set.assignments, "COLUMN=VALUE ...")->required();
    set_command->callback([&] {
        if (!set.record_id && !set.records)
            throw CLI::RequiredError("--record or --records");
        action = [&](cli_session& s) { return command_set(s, set); };
    });

    scenarios_options scenarios;
    auto* scenarios_command = app.add_subcommand(
        "scenarios", "copies of a record, one per row of a factors file (or per combination with --grid), "
                     "each with its values set; prints ID<TAB>DESCRIPTION");
    scenarios_command->add_option("DB", scenarios.db_path, "the database file")->required();
    scenarios_command->add_option("--from", scenarios.base_id, "the record every scenario copies")->required();
    scenarios_command->add_option("--factors", scenarios.factors_file, "the factors file (CSV)")->required();
    auto* grid = scenarios_command->add_flag("--grid", scenarios.grid, "columns list each factor's levels; every combination");
    scenarios_command->add_option("--description-column", scenarios.description_column,
                                  "the column holding each scenario's description")
        ->excludes(grid);
    scenarios_command->add_option("--subarea", scenarios.subarea, "Subareas and Management factors change this subarea only");
    scenarios_command->add_option("--to", scenarios.to, "the first new ID (default: the next free IDs)");
    scenarios_command->callback([&] { action = [&](cli_session& s) { return command_scenarios(s, scenarios); }; });

    compare_options compare;
    auto* compare_command = app.add_subcommand(
        "compare", "per record (or per level of a scenario factor): n, mean, min, max and std of an output "
                   "column over the record's years, its subareas combined as Chart Output combines them");
    compare_command->add_option("DB", compare.db_path, "the database file")->required();
    compare_command->add_option("--table", compare.table, "the output table")->required();
    compare_command->add_option("--column", compare.column, "the column")->required();
    compare_command->add_option("--records", compare.records, "only records with IDs from A to B: A-B");
    compare_command->add_option("--format", compare.format, "table (default) or csv")
        ->check(CLI::IsMember({"table", "csv"}));
    compare_command->add_option("--by", compare.by, "group by the levels of this factor of `ivorn scenarios`");
    compare_command->callback([&] { action = [&](cli_session& s) { return command_compare(s, compare); }; });

    chart_options chart;
    auto* chart_command = app.add_subcommand("chart", "Chart Output of one record into a PNG or SVG file (no display needed)");
    chart_command->add_option("DB", chart.db_path, "the database file")->required();
    chart_command->add_option("--record", chart.record_id, "the control record ID")->required();
    chart_command->add_option("--table", chart.table, "the output table")->required();
    chart_command->add_option("--column", chart.columns, "a column to draw (repeatable)")->required()->allow_extra_args(false);
    auto* chart_subarea = chart_command->add_option("--subarea", chart.subarea, "only this subarea");
    chart_command
        ->add_flag("--all-subareas", chart.all_subareas,
                   "one line per subarea (default: the subareas combined, depths and rates weighted by area)")
        ->excludes(chart_subarea);
    chart_command->add_option("--out", chart.out, "the image file, .png or .svg")->required();
    chart_command->add_option("--width", chart.width, "in pixels (default 900)")->check(CLI::Range(100, 10000));
    chart_command->add_option("--height", chart.height, "in pixels (default 600)")->check(CLI::Range(100, 10000));
    chart_command->callback([&] { action = [&](cli_session& s) { return command_chart(s, chart); }; });

    std::int32_t record_id = 0;
    std::string directory;
    bool all_records = false;
    auto* write_inputs_command = app.add_subcommand("write-inputs", "write a record's whole model input file set");
    write_inputs_command->add_option("DB", db_path, "the database file")->required();
    write_inputs_command->add_option("--record", record_id, "the control record ID")->required();
    write_inputs_command->add_option("--dir", directory, "the directory (default: the model working directory)");
    write_inputs_command->callback([&] {
        action = [&](cli_session& s) { return command_write_inputs(s, db_path, record_id, directory); };
    });

    auto* precheck_command = app.add_subcommand("precheck", "Pre-Check This Record (default: position 1) or All Records");
    precheck_command->add_option("DB", db_path, "the database file")->required();
    auto* precheck_record = precheck_command->add_option("--record", record_id, "the control record ID");
    precheck_command->add_flag("--all", all_records, "every control record")->excludes(precheck_record);
    precheck_command->callback([&] {
        action = [&](cli_session& s) { return command_precheck(s, db_path, record_id, all_records); };
    });

    run_set_options run_set{.first_position = 0, .last_position = 0};
    bool no_stop_on_precheck = false;
    bool force_run = false;
    auto* run_command = app.add_subcommand("run", "Run / This Record (default: position 1) or All Records");
    run_command->add_option("DB", db_path, "the database file")->required();
    auto* run_record = run_command->add_option("--record", record_id, "the control record ID");
    auto* run_force = run_command->add_flag("--force", force_run, "run even when the precheck fails");
    auto* run_all = run_command->add_flag("--all", all_records, "run the records of a range of list positions");
    run_all->excludes(run_record)->excludes(run_force);
    run_command->add_option("--first", run_set.first_position, "first list position (default 1)")->needs(run_all);
    run_command->add_option("--last", run_set.last_position, "last list position (default: the last)")->needs(run_all);
    run_command->add_flag("--no-stop-on-precheck", no_stop_on_precheck, "run records whose precheck fails")->needs(run_all);
    run_command->add_flag("--stop-on-error", run_set.stop_on_run_error, "stop at the first failed run")->needs(run_all);
    run_command->add_flag("--realtime", run_set.realtime_priority, "run the model at the highest priority allowed")->needs(run_all);
    run_command->add_flag("--save-inputs", run_set.save_input_files, "archive each run's files into input_files")->needs(run_all);
    run_command->add_flag("--save-swat", run_set.save_swat_files, "keep each run's SWAT output and write swat_basin.dat")->needs(run_all);
    run_command->add_flag("--yearly", run_set.create_yearly_table, "create the yearly table")->needs(run_all);
    run_command->add_flag("--watershed", run_set.create_watershed_table, "create the watershed table")->needs(run_all);
    run_command->add_flag("--residue", run_set.create_residue_table, "create the residue output table")->needs(run_all);
    bool fail_if_busy = false;
    run_command->add_flag("--fail-if-busy", fail_if_busy, "fail at once when another program is using the model directory");
    run_command
        ->add_option("--jobs", run_set.jobs,
                     "models running at once, each in a job directory of links to the model directory "
                     "(default 1: one at a time in the model directory; 0: one per core)")
        ->check(CLI::Range(0, 1024))
        ->needs(run_all);
    std::string executor = "local";
    auto* run_executor = run_command
                             ->add_option("--executor", executor,
                                          "where the models run: local (this machine) or slurm (a Slurm job array)")
                             ->check(CLI::IsMember({"local", "slurm"}))
                             ->needs(run_all);
    run_command->add_option("--stage", run_set.slurm.stage,
                            "slurm: the directory, on a file system the nodes share, for the run directories "
                            "(default: slurm-runs beside the database)")
        ->needs(run_executor);
    run_command->add_option("--partition", run_set.slurm.partition, "slurm: the partition")->needs(run_executor);
    run_command->add_option("--max-parallel", run_set.slurm.max_parallel, "slurm: tasks running at once (%M of the array)")
        ->check(CLI::Range(1, 1000000))
        ->needs(run_executor);
    run_command->add_option("--time", run_set.slurm.time, "slurm: each task's time limit, as sbatch --time takes it")
        ->needs(run_executor);
    run_command->add_option("--sbatch-arg", run_set.slurm.sbatch_args, "slurm: an extra sbatch option (repeatable)")
        ->allow_extra_args(false)
        ->needs(run_executor);
    run_command->add_flag("--no-wait", run_set.slurm.no_wait,
                          "slurm: submit and return; `ivorn collect` loads the outputs")
        ->needs(run_executor);
    run_command->callback([&] {
        run_set.stop_on_precheck_error = !no_stop_on_precheck;
        run_set.use_slurm = executor == "slurm";
        action = [&](cli_session& s) {
            s.fail_if_busy = fail_if_busy;
            return all_records ? command_run_all(s, db_path, run_set) : command_run(s, db_path, record_id, force_run);
        };
    });

    std::string stage;
    auto* collect_command = app.add_subcommand("collect", "load the outputs of a Slurm run set submitted with --no-wait");
    collect_command->add_option("DB", db_path, "the database file")->required();
    collect_command->add_option("--stage", stage, "the stage directory the set was submitted from, or the set's own")
        ->required();
    collect_command->callback([&] { action = [&](cli_session& s) { return command_collect(s, db_path, stage); }; });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return exit_usage;
    }

    cli_session session;
    std::string error;
    if (!session.start(options, error)) {
        std::cerr << error;
        return exit_usage;
    }
    const int status = action ? action(session) : exit_usage;
    std::string settings_error;
    if (session.finish(settings_error))
        return status;
    // A setting the command changed and could not keep is the command's failure.
    std::cerr << settings_error;
    return status == exit_ok ? exit_failed : status;
}
