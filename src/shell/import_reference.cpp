// The reference-file import commands over the readers and table stores of the reference records.
#include "shell/import_reference.h"

#include <cstdint>
#include <functional>
#include <vector>

#include "core/line_reader.h"
#include "reference/parameter_set.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_pesticide.h"
#include "site/control_record_table.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

const char* const read_errors_caption = "Read errors";
const char* const read_errors_button = "Click This";

bool report(user_interface& ui, bool ok, const std::string& log)
{
    if (ok)
        ui.message_box("File read ok");
    else
        ui.show_error_list(read_errors_caption, read_errors_button, log);
    return ok;
}

// Read first; the table is written only when the whole file was read.
bool read_then_store(user_interface& ui, const std::function<bool(std::string&)>& read,
                     const std::function<bool(std::string&)>& store)
{
    std::string log;
    const bool ok = read(log) && store(log);
    return report(ui, ok, log);
}

bool control_record_ids(database& db, std::vector<std::int32_t>& ids, std::string& log)
{
    return each_column_value(
        db, control_records_table(), "ID",
        [&ids](const field_value& value) { ids.push_back(static_cast<std::int32_t>(value_as_integer(value))); }, log);
}

// The parameter file must open and give at least its first line before any record changes:
// the reader alone would take a missing or empty file as read.
bool check_parameter_file(const std::string& path, int model_version, std::string& log)
{
    line_reader probe;
    if (!probe.open_or_log(path, "parameter", log))
        return false;
    parameter_set scratch;
    int lines_read = 0;
    return scratch.read_parameter_file(path, model_version, log, &lines_read) && lines_read > 0;
}

bool store_parameters_everywhere(database& db, const std::vector<std::int32_t>& ids, const std::string& path,
                                 int model_version, std::string& log)
{
    transaction work(db);
    if (!work.begun()) {
        log += work.failure();
        log += "Unable to open table Parameters\r\n";
        return false;
    }
    for (const std::int32_t id : ids) {
        // Values the file does not carry (a 40-line file's last coefficients and costs) stay the
        // record's own rather than another record's.
        parameter_set parameters;
        std::string no_row_yet;
        if (!parameters.load_parameters(db, id, no_row_yet)) {
            log += no_row_yet;
            return false;
        }
        if (!parameters.read_parameter_file(path, model_version, log) || !parameters.save_parameters(db, id, log))
            return false;
    }
    return work.commit(log);
}

} // namespace

bool import_crop_file(database& db, vorn_production_supply_list& crops, const std::string& path, user_interface& ui)
{
    crops.delete_all();
    return read_then_store(
        ui, [&](std::string& log) { return read_crop_file(crops, path, log); },
        [&](std::string& log) { return save_crops(db, crops, log); });
}

bool import_fertilizer_file(database& db, vorn_production_supply_list& fertilizers, const std::string& path,
                            user_interface& ui)
{
    fertilizers.delete_all();
    return read_then_store(
        ui, [&](std::string& log) { return read_fertilizer_file(fertilizers, path, log); },
        [&](std::string& log) { return save_fertilizers(db, fertilizers, log); });
}

bool import_pesticide_file(database& db, vorn_production_supply_list& pesticides, const std::string& path,
                           user_interface& ui)
{
    pesticides.delete_all();
    return read_then_store(
        ui, [&](std::string& log) { return read_pesticide_file(pesticides, path, log); },
        [&](std::string& log) { return save_pesticides(db, pesticides, log); });
}

bool import_operations_file(database& db, operation_list_class& operations, const std::string& path,
                            int model_version, user_interface& ui)
{
    operations.delete_all();
    return read_then_store(
        ui, [&](std::string& log) { return operations.read_tillage_file(path, model_version, log); },
        [&](std::string& log) { return operations.save_operations(db, log); });
}

bool import_parameter_file(database& db, const std::string& path, int model_version, user_interface& ui)
{
    std::string log;
    if (!check_parameter_file(path, model_version, log))
        return report(ui, false, log);
    std::vector<std::int32_t> ids;
    if (!control_record_ids(db, ids, log))
        return report(ui, false, log);
    if (ids.empty()) {
        ui.message_box("There are no control records to receive the parameters.");
        return false;
    }
    return report(ui, store_parameters_everywhere(db, ids, path, model_version, log), log);
}

} // namespace ivorn
