// The document's life: creating a database file, opening one with everything it loads, closing.
#include "shell/doc_i_vorn.h"

#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_pesticide.h"

#include <filesystem>

#include "shell/project_database.h"
#include "site/control_record_table.h"
#include "site/soil_tables.h"

namespace ivorn {

// The description list's scans shown in the progress window.
class doc_i_vorn::list_progress : public description_list_observer {
public:
    explicit list_progress(user_interface& ui) : ui_(ui) {}
    void scan_begin(long rows) override { ui_.progress_open(0, static_cast<int>(rows)); }
    void scan_progress(long count, const std::string& text) override
    {
        ui_.progress_set_position(static_cast<int>(count));
        ui_.progress_set_line(1, text);
    }
    void scan_end() override { ui_.progress_close(); }
    void message_box(const std::string& text) override { ui_.message_box(text); }

private:
    user_interface& ui_;
};

doc_i_vorn::doc_i_vorn(const app_settings& settings, user_interface& ui)
    : settings_(settings), ui_(ui), progress_(std::make_unique<list_progress>(ui))
{
    records_.set_observer(progress_.get());
}

doc_i_vorn::~doc_i_vorn()
{
    // The destructor only releases; the closing report belongs to close_database.
    records_.set_observer(nullptr);
}

void doc_i_vorn::show_log(const std::string& log)
{
    if (!log.empty())
        ui_.show_error_list("i_VORN Database", "", log);
}

void doc_i_vorn::load_help(std::string& log)
{
    help_.clear();
    const std::filesystem::path directory = std::filesystem::path(database_path_).parent_path();
    std::string path = (directory / field_help_file_name).string();
    std::error_code error;
    // A database without its own help file uses the shipped one; without either the help boxes
    // only find nothing.
    if (!std::filesystem::exists(path, error))
        path = installed_help_file();
    if (path.empty())
        return;
    load_field_help(help_, path, log);
}

bool doc_i_vorn::new_database(const std::string& path)
{
    close_database();
    std::string log;
    database_path_ = path;
    const bool created = create_project_database(path, log);
    if (created)
        load_help(log);
    show_log(log);
    return created;
}

// The four reference lists: fertilizers, pesticides, crops, operations, each from its table.
bool doc_i_vorn::load_reference_lists(std::string& log)
{
    fertilizers_ = std::make_unique<vorn_production_supply_list>();
    pesticides_ = std::make_unique<vorn_production_supply_list>();
    crops_ = std::make_unique<vorn_production_supply_list>();
    operations_ = std::make_unique<operation_list_class>();
    bool ok = true;
    if (!load_fertilizers(*db_, *fertilizers_, log))
        ok = false, fertilizers_.reset();
    if (!load_pesticides(*db_, *pesticides_, log))
        ok = false, pesticides_.reset();
    if (!load_crops(*db_, *crops_, log))
        ok = false, crops_.reset();
    if (!operations_->load_operations(*db_, log))
        ok = false, operations_.reset();
    return ok;
}

// The soil list from "Soils" and "Soil Layers"; a table that cannot be opened is shown at once.
bool doc_i_vorn::load_soil_list(std::string& log)
{
    soils_ = std::make_unique<vorn_soil_list>();
    std::string failure;
    if (soils_->load_soil_list(*db_, soils_table().name, soil_layers_table().name, failure)) {
        log += failure;
        return true;
    }
    soils_.reset();
    ui_.message_box(failure);
    return false;
}

void doc_i_vorn::start_record_list(control_record_keys& keys, std::string& log)
{
    records_.delete_all();
    records_.loaded = false;
    control_record_key first;
    if (!keys.at_position(1, first))
        return;
    if (settings_.record_list && scope_ == open_scope::browsing) {
        records_.fill_descriptions(keys, log);
        return;
    }
    records_.add_row(first, 1);
}

bool doc_i_vorn::open_database(const std::string& path, open_scope scope)
{
    close_database();
    std::string log;
    auto db = std::make_unique<database>();
    if (!open_project_database(*db, path, log)) {
        show_log(log);
        return false;
    }
    ui_.begin_wait_cursor();
    db_ = std::move(db);
    database_path_ = path;
    scope_ = scope;
    load_reference_lists(log);
    soil_list_built_ = scope == open_scope::browsing && settings_.prebuild_soil != 0 && load_soil_list(log);
    record_ = std::make_unique<control_record>(settings_);
    record_->modified = false;
    forget_current();
    control_record_keys keys(*db_);
    start_record_list(keys, log);
    if (auto* first = target_first(keys, log))
        load_entry(*first, log);
    load_help(log);
    ui_.end_wait_cursor();
    show_log(log);
    ui_.show_record_values();
    ui_.refresh_all_views(1);
    return true;
}

void doc_i_vorn::close_database()
{
    if (!db_)
        return;
    ui_.store_form_values();
    std::string log;
    store_before_leaving(log);
    if (!log.empty())
        ui_.show_error_list("Multiple Runs", "Click This", log);
    forget_current();
    records_.delete_all();
    records_.loaded = false;
    record_.reset();
    operations_.reset();
    fertilizers_.reset();
    pesticides_.reset();
    crops_.reset();
    soils_.reset();
    soil_list_built_ = false;
    help_.clear();
    db_.reset();
}

void doc_i_vorn::forget_current()
{
    has_current_ = false;
    current_id_ = 0;
}

control_record_description* doc_i_vorn::current_entry() const
{
    return has_current_ ? records_.find_by_id(current_id_) : nullptr;
}

long doc_i_vorn::current_position() const
{
    const auto* entry = current_entry();
    return entry ? entry->position : 0;
}

bool doc_i_vorn::store_before_leaving(std::string& log) { return store_current_record(log); }

bool doc_i_vorn::store_current_record(std::string& log)
{
    if (!db_ || !record_ || !record_->modified || !has_current_)
        return true;
    if (!record_->store(*db_, current_id_, log))
        return false;
    if (record_->id == current_id_) {
        if (auto* entry = current_entry())
            records_.update_entry(entry, record_->id, record_->description);
        return true;
    }
    // An edited ID moves the row in key order: the list follows the table again.
    current_id_ = record_->id;
    if (records_.loaded) {
        control_record_keys keys(*db_);
        return records_.fill_descriptions(keys, log);
    }
    records_.delete_all();
    add_entry_of(current_id_);
    return true;
}

} // namespace ivorn
