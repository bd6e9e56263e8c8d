// The document's File / Import commands for the reference files and the parameter file.
#include "shell/doc_i_vorn.h"
#include "shell/import_reference.h"

namespace ivorn {
namespace {

vorn_production_supply_list& fresh_list(std::unique_ptr<vorn_production_supply_list>& list)
{
    list = std::make_unique<vorn_production_supply_list>();
    return *list;
}

} // namespace

bool doc_i_vorn::import_crops(const std::string& path)
{
    return db_ && import_crop_file(*db_, fresh_list(crops_), path, ui_);
}

bool doc_i_vorn::import_fertilizers(const std::string& path)
{
    return db_ && import_fertilizer_file(*db_, fresh_list(fertilizers_), path, ui_);
}

bool doc_i_vorn::import_pesticides(const std::string& path)
{
    return db_ && import_pesticide_file(*db_, fresh_list(pesticides_), path, ui_);
}

bool doc_i_vorn::import_operations(const std::string& path)
{
    if (!db_)
        return false;
    operations_ = std::make_unique<operation_list_class>();
    return import_operations_file(*db_, *operations_, path, settings_.vorn_version, ui_);
}

bool doc_i_vorn::import_parameters(const std::string& path)
{
    if (!db_)
        return false;
    // The current record's unsaved edits land first, so the import's values are the last word;
    // afterwards the record object takes the stored parameters back.
    std::string log;
    ui_.store_form_values();
    if (!store_before_leaving(log)) {
        show_log(log);
        return false;
    }
    const bool ok = import_parameter_file(*db_, path, settings_.vorn_version, ui_);
    if (ok && record_ && has_current_) {
        record_->load_parameter_set(*db_, log);
        record_->modified = false;
    }
    return ok;
}

} // namespace ivorn
