// The open project database as the desktop app and `ivorn` see it: the database, the lists loaded
// from it, the current control record and the list through which the records are paged, with the
// File and Record commands. Everything shown or asked goes through the user-interface port.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "core/vorn_production_supply.h"
#include "help/field_help.h"
#include "reference/vorn_operation.h"
#include "run/directory_lock.h"
#include "run/run_context.h"
#include "shell/app_settings.h"
#include "shell/user_interface.h"
#include "site/control_record.h"
#include "site/control_record_descriptions.h"
#include "site/vorn_soil.h"
#include "store/database.h"

namespace ivorn {

class job_directories;
class run_executor;
class slurm_executor;
struct run_set_options;
struct slurm_options;

class doc_i_vorn {
public:
    doc_i_vorn(const app_settings& settings, user_interface& ui);
    doc_i_vorn(const doc_i_vorn&) = delete;
    doc_i_vorn& operator=(const doc_i_vorn&) = delete;
    ~doc_i_vorn();

    // File / New: a new database file with every table and the help text beside it. No document
    // stays open afterwards (one that was open is closed first); true when the file was created.
    bool new_database(const std::string& path);
    // What an open loads besides the reference lists and the first record. The desktop app pages
    // the records and browses the soils; an `ivorn` command works on one record or one import and
    // needs neither, so that a project of 100 000 records opens for it as fast as a small one.
    enum class open_scope { browsing, one_command };
    // File / Open. A file that does not open as a project database leaves no document.
    bool open_database(const std::string& path, open_scope scope = open_scope::browsing);
    // Closing: a modified current record is stored first.
    void close_database();
    bool is_open() const { return db_ != nullptr; }

    // Record commands.
    void record_first();
    void record_previous();
    void record_next();
    void record_last();
    // Asks "Which record number?", then goes there.
    void record_go_to();
    void go_to_position(long position);
    // Asks "Which ID?", then goes there.
    void record_search();
    void search_id(std::int32_t id);
    void record_new();
    void record_delete();

    // Stores the current record with its related rows when it is modified (before a run).
    bool store_current_record(std::string& log);
    // After other code changed "Control Records" (an import): a complete list is rebuilt.
    bool reload_record_list(std::string& log);
    // Makes the record with this ID current, completing the list when needed.
    bool make_current(std::int32_t id, std::string& log);

    database* db() const { return db_.get(); }
    const std::string& database_path() const { return database_path_; }
    const app_settings& settings() const { return settings_; }
    user_interface& ui() const { return ui_; }
    // The one record object, present while a database is open; it holds a row only when there is
    // a current entry.
    control_record* current_record() const { return record_.get(); }
    control_record_description* current_entry() const;
    // 1-based position of the current entry, 0 when there is none.
    long current_position() const;
    list_control_record_descriptions& record_list() { return records_; }
    const list_field_help_vorn& field_help() const { return help_; }
    // The reference lists; null until loaded (a list that failed to load stays absent).
    operation_list_class* operations() const { return operations_.get(); }
    vorn_production_supply_list* fertilizers() const { return fertilizers_.get(); }
    vorn_production_supply_list* pesticides() const { return pesticides_.get(); }
    vorn_production_supply_list* crops() const { return crops_.get(); }

    // File / Import of the reference files: the document's list is replaced and read anew, then
    // stored. Parameters go to every control record; the current one is stored first and reloaded.
    bool import_crops(const std::string& path);
    bool import_fertilizers(const std::string& path);
    bool import_pesticides(const std::string& path);
    bool import_operations(const std::string& path);
    bool import_parameters(const std::string& path);
    // File / Import (Area Studies & Files). Each stores the current record first; the weather and
    // wind imports then reload its station, the weather links reload the whole record.
    bool import_soil(const std::string& path);
    bool import_weather(const std::string& path);
    bool import_wind(const std::string& path);
    bool import_weather_links(const std::string& path);
    // Import VORNFILE.DAT: the whole model data set that the model file list names becomes a new
    // control record (asked for as Record / New asks), stored with everything it owns and with
    // the reference lists, in one transaction; then it is the current record.
    bool import_dataset(const std::string& model_file_list, std::int32_t& new_id);
    // The plain-text field-operation file: each line it takes becomes a row of "Field Operations"
    // of the current record; the closing note says which subareas received them.
    bool import_field_operations(const std::string& path);
    bool soil_list_built() const { return soil_list_built_; }
    // The soil list; null unless it was built at open.
    vorn_soil_list* soils() const { return soils_.get(); }

    // What a run needs beyond the document: the model launcher, the application's variable list
    // and its selection-changed setting. Without a launcher nothing runs.
    void set_run_resources(model_launcher* launcher, const list_output_variable_descriptions* output_variables,
                           int* selection_changed);
    // Run / This Record: precheck (overridable), the input files, the model, its outputs.
    bool run_this_record();
    // Run / Pre-Check This Record and Run / Pre-Check All Records.
    bool precheck_this_record();
    bool precheck_all_records();
    // Run / All Records over the positions the run-set dialog gives. True when every attempted
    // run succeeded and the set was neither stopped nor cancelled.
    bool run_all_records();
    // Loads what the tasks of a Slurm set submitted without waiting left in `stage` (the set's
    // directory, or the stage directory holding it: its latest set), as the set would have; a
    // task still pending or running is left for the next collect. True when every finished
    // task's run succeeded and none is left.
    bool collect_run_set(const std::string& stage);
    struct run_set_report {
        long attempted = 0;
        long successful = 0;
        bool stopped = false;
        bool cancelled = false;
        // A Slurm set submitted without waiting: its runs are collect's to load.
        bool left_running = false;
        // The closing report: the run counts and the elapsed time.
        std::string closing;
        std::string log;
    };
    const run_set_report& last_run_set() const { return last_run_set_; }
    // The input file set of the current record as a run writes it, into `directory`.
    bool write_inputs_of_current(const std::string& directory, std::string& log);
    run_context make_run_context();

    load_output_options output_options;
    // A run whose model directory another program holds fails at once instead of waiting.
    bool fail_if_directory_busy = false;
    // Kept while a run writes its subareas.
    std::int32_t subarea_counter = 0;
    double total_subarea_area = 0.0;

private:
    class list_progress;
    // The model directory for this program alone, from the inputs written to the outputs loaded.
    bool hold_model_directory(directory_lock& lock, const std::string& directory, std::string& log);
    // Finds a move's target entry; the set is opened by the finder only when the list cannot answer.
    using target_finder = control_record_description* (doc_i_vorn::*)(control_record_keys&, std::string&);

    // dialog_new_record with the next free ID proposed; false when cancelled or the ID is taken.
    // Record / New completes the list for it; an import, which adds a record without paging,
    // asks the table for the free ID instead.
    bool ask_new_record(new_record_answer& answer, std::string& log, bool complete_list = true);
    // Stores a modified current record before a command leaves it. False when that failed: the
    // command then stays on the record, so that its unsaved values are not replaced by the next.
    bool store_before_leaving(std::string& log);
    // The common frame of First, Previous, Next, Last and Go To.
    void move(target_finder find_target, int refresh_hint);
    bool load_entry(const control_record_description& entry, std::string& log);
    void show_log(const std::string& log);
    int move_hint() const;

    control_record_description* target_first(control_record_keys& keys, std::string& log);
    control_record_description* target_previous(control_record_keys& keys, std::string& log);
    control_record_description* target_next(control_record_keys& keys, std::string& log);
    control_record_description* target_last(control_record_keys& keys, std::string& log);
    control_record_description* target_go_to(control_record_keys& keys, std::string& log);
    control_record_description* target_search(control_record_keys& keys, std::string& log);
    control_record_description* reach(control_record_keys& keys, long position, std::string& log);
    void complete_list(control_record_keys& keys, std::string& log);
    // The entry of the first row with this ID at its place in the table, added to a lazy list.
    control_record_description* add_entry_of(std::int32_t id);

    bool load_reference_lists(std::string& log);
    bool load_soil_list(std::string& log);
    // The frame of the area imports: the current record stored before, views refreshed by the import.
    bool store_before_import();
    void reload_current_station(std::string& log);
    void start_record_list(control_record_keys& keys, std::string& log);
    void load_help(std::string& log);
    void forget_current();

    const app_settings& settings_;
    user_interface& ui_;
    std::unique_ptr<database> db_;
    std::unique_ptr<operation_list_class> operations_;
    std::unique_ptr<vorn_production_supply_list> fertilizers_;
    std::unique_ptr<vorn_production_supply_list> pesticides_;
    std::unique_ptr<vorn_production_supply_list> crops_;
    std::string database_path_ = "i_VORN.mdb";
    std::unique_ptr<control_record> record_;
    // The current entry by ID: entries are rebuilt when the list is refilled, IDs stay.
    bool has_current_ = false;
    std::int32_t current_id_ = 0;
    list_control_record_descriptions records_;
    std::unique_ptr<list_progress> progress_;
    std::unique_ptr<vorn_soil_list> soils_;
    bool soil_list_built_ = false;
    open_scope scope_ = open_scope::browsing;
    list_field_help_vorn help_;
    model_launcher* launcher_ = nullptr;
    const list_output_variable_descriptions* output_variables_ = nullptr;
    int* selection_changed_ = nullptr;
    run_set_report last_run_set_;
    struct run_set_state {
        bool stopped = false;          // no further record runs
        bool stopped_by_rule = false;  // a stop rule ended the set
        bool first_failure_kept = false;
    };
    bool run_set_member(const run_set_options& options, long position, run_context& context,
                        model_file_writer* basin, run_set_state& state, std::string& log);
    // The stop rule of a failed precheck; true when the set stops there.
    bool precheck_stops_set(const run_set_options& options, long position, run_set_state& state, std::string& log);
    void end_set_member(const run_set_options& options, long position, bool ran, const std::string& console,
                        run_context& context, model_file_writer* basin, run_set_state& state, std::string& log);
    // The set with models side by side in job directories: the list files written into each.
    bool prepare_job_directories(const run_set_options& options, long planned, const run_context& context,
                                 job_directories& jobs, std::unique_ptr<run_executor>& executor, std::string& log);
    void run_side_by_side(const run_set_options& options, control_record_keys& keys, const control_record_description* first,
                          job_directories& jobs, run_executor& launches, const run_context& context,
                          model_file_writer* basin, run_set_state& state, long& attempted, long& successful,
                          std::chrono::steady_clock::time_point& end, std::string& log);
    std::string slurm_stage_directory(const slurm_options& options) const;
    void collect_tasks(slurm_executor& tasks, const run_set_options& options, const std::string& model_name,
                       std::string& log);
    // Loads the entry's row with everything it owns into `record` (not necessarily the current one).
    bool read_entry(const control_record_description& entry, control_record& record, std::string& log);
    // Argument of the move in progress (Go To's position, Search's ID).
    long wanted_position_ = 0;
    std::int32_t wanted_id_ = 0;
};

} // namespace ivorn
