// Import VORNFILE.DAT. Everything is read before anything is stored, and everything is stored in
// one transaction: a data set that fails anywhere leaves the database as it was, and the
// document's lists and current record with it.
#include "shell/import_dataset.h"

#include <map>
#include <set>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_pesticide.h"
#include "shell/doc_i_vorn.h"
#include "site/control_file.h"
#include "site/control_record_keys.h"
#include "site/list_file_lines.h"
#include "site/soil_tables.h"
#include "site/weather_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

constexpr int listed_files = 12;
// The crop and tillage files of a data set are read in the 2110 layout whatever the version.
constexpr int reference_layout = 2110;
constexpr size_t run_name_width = 8;

std::string* listed_file(model_file_list& files, int line)
{
    std::string* const slots[listed_files] = {&files.site_list,   &files.subarea_list, &files.weather_list,
                                              &files.wind_list,   &files.crops,        &files.tillage,
                                              &files.pesticides,  &files.fertilizers,  &files.soil_list,
                                              &files.operations_list, &files.tr55,     &files.parameters};
    return slots[line];
}

// The reference lists of a data set, read before the document's own are replaced.
struct reference_lists {
    vorn_production_supply_list crops;
    vorn_production_supply_list pesticides;
    vorn_production_supply_list fertilizers;
    operation_list_class operations;
};

bool read_reference_lists(const model_file_list& files, reference_lists& lists, std::string& log)
{
    return read_crop_file(lists.crops, files.crops, log) && read_pesticide_file(lists.pesticides, files.pesticides, log)
           && read_fertilizer_file(lists.fertilizers, files.fertilizers, log)
           && lists.operations.read_tillage_file(files.tillage, reference_layout, log);
}

bool store_reference_lists(database& db, const reference_lists& lists, std::string& log)
{
    return save_crops(db, lists.crops, log) && save_pesticides(db, lists.pesticides, log)
           && save_fertilizers(db, lists.fertilizers, log) && lists.operations.save_operations(db, log);
}

// The parameter reader takes a file it cannot open as read, and one cut short as read as far as
// it goes; a data set without all its parameters is not complete. Every layout has at least
// forty lines (the newer one's costs may be missing: they keep a new record's values).
bool read_parameters(control_record& record, const std::string& path, int model_version, std::string& log)
{
    constexpr int shortest_layout = 40;
    int lines_read = 0;
    if (!record.parameters.read_parameter_file(path, model_version, log, &lines_read))
        return false;
    if (lines_read >= shortest_layout)
        return true;
    log += "Unable to read parameter file " + path + "\r\n";
    if (lines_read > 0)
        log += format_printf("File %s ends before line %d.\r\n", path.c_str(), lines_read + 1);
    return false;
}

bool used_soil_ids(database& db, std::set<std::int32_t>& ids, std::string& log)
{
    return each_column_value(
        db, soils_table(), "Soil Id",
        [&ids](const field_value& value) { ids.insert(static_cast<std::int32_t>(value_as_integer(value))); }, log);
}

// The soils read with the subareas are new soils: each soil number of the data set gets the
// smallest soil ID still free, shared by the subareas that name the same soil.
bool number_imported_soils(database& db, control_record& record, std::string& log)
{
    std::set<std::int32_t> used;
    if (!used_soil_ids(db, used, log))
        return false;
    std::map<std::int32_t, std::int32_t> given;
    std::int32_t candidate = 1;
    for (vorn_subarea* subarea : record.subareas) {
        if (!subarea->soil_changed)
            continue;
        auto found = given.find(subarea->soil_id);
        if (found == given.end()) {
            while (used.count(candidate))
                ++candidate;
            used.insert(candidate);
            found = given.emplace(subarea->soil_id, candidate).first;
        }
        subarea->soil_id = found->second;
        subarea->soil.number = found->second;
    }
    return true;
}

// The data set brings its own weather: stored under a station number that another station has,
// it would either be dropped or overwrite the weather of every record using that station.
bool station_number_is_free(database& db, std::int32_t number, std::string& log)
{
    recordset stations;
    if (!stations.open(db, weather_table(), filter_by("ID", field_value(std::int64_t{number})), log,
                       recordset::mode::read_only))
        return false;
    if (stations.is_empty())
        return true;
    log += format_printf("Weather station %d is already stored; the data set's weather needs a station number of "
                         "its own.\r\n",
                         number);
    return false;
}

control_import_paths import_paths(const model_file_list& files)
{
    control_import_paths paths;
    paths.control = files.control;
    paths.site_list = files.site_list;
    paths.subarea_list = files.subarea_list;
    paths.soil_list = files.soil_list;
    paths.operations_list = files.operations_list;
    paths.run = files.run;
    paths.weather_list = files.weather_list;
    paths.wind_list = files.wind_list;
    return paths;
}

// A message that ended without a line end must not run into the next one.
void end_line(std::string& log)
{
    if (!log.empty() && log.back() != '\n')
        log += "\r\n";
}

class wait_cursor {
public:
    explicit wait_cursor(user_interface& ui) : ui_(ui) { ui_.begin_wait_cursor(); }
    ~wait_cursor() { ui_.end_wait_cursor(); }
    wait_cursor(const wait_cursor&) = delete;
    wait_cursor& operator=(const wait_cursor&) = delete;

private:
    user_interface& ui_;
};

} // namespace

bool read_model_file_list(const std::string& path, model_file_list& files, std::string& log)
{
    line_reader list;
    if (list.open(path, log) != line_reader::open_result::opened) {
        log += "ERROR, unable to open VORN name file " + path + "\r\n";
        return false;
    }
    std::string line;
    for (int n = 0; n < listed_files; ++n) {
        const bool read = list.next_line(line);
        const std::string key = first_word(line);
        const std::string name = first_word(std::string_view(line).substr(line.find(key) + key.size()));
        if (!read || name.empty()) {
            log += format_printf("ERROR, line %d of the VORN name file names no file.\r\n", n + 1);
            log += format_printf("File %s, line %d.\r\n", path.c_str(), n + 1);
            return false;
        }
        *listed_file(files, n) = listed_file_path(path, name, log);
    }
    files.run = listed_file_path(path, "vornrun.dat", log);
    files.control = listed_file_path(path, "vorncont.dat", log);
    return true;
}

bool read_run_name(const std::string& run_path, std::string& name, std::string& log)
{
    line_reader run;
    if (run.open(run_path, log) != line_reader::open_result::opened) {
        log += "ERROR, unable to open VORN run file.\r\n";
        log += "File " + run_path + ".\r\n";
        return false;
    }
    std::string line;
    if (!run.next_line(line) || without_line_end(line).empty()) {
        log += "ERROR, no run file given in " + run_path + "\r\n";
        return false;
    }
    name = latin1_to_utf8(trim_copy(cut_to_width(without_line_end(line), run_name_width)));
    return true;
}

bool doc_i_vorn::import_dataset(const std::string& model_file_list_path, std::int32_t& new_id)
{
    if (!db_)
        return false;
    ui_.store_form_values();
    std::string log;
    const auto fail = [&]() {
        end_line(log);
        log += "The data set " + model_file_list_path + " was not imported; the database is unchanged.\r\n";
        ui_.show_error_list("Read errors", "Click This", log);
        return false;
    };
    if (!store_before_leaving(log))
        return fail();

    model_file_list files;
    std::string run_name;
    if (!read_model_file_list(model_file_list_path, files, log) || !read_run_name(files.run, run_name, log))
        return fail();
    wait_cursor waiting(ui_);
    auto lists = std::make_unique<reference_lists>();
    if (!read_reference_lists(files, *lists, log))
        return fail();

    new_record_answer answer;
    std::string refused;
    if (!ask_new_record(answer, refused, false)) {
        if (refused.empty())
            return false; // cancelled
        log += refused;
        return fail();
    }
    // The dialog offers the smallest free ID with a station of the same number; an answer that
    // kept that offer is made again under the write lock below.
    const auto offer_for = [](new_record_answer& offer, std::int32_t id) {
        offer.record_id = offer.station_id = id;
        offer.station_name = cut_to_width(format_printf("Weather Station %ld", static_cast<long>(id)), 25);
    };
    const auto smallest_free_id = [this](std::string& log_to) {
        control_record_keys keys(*db_);
        const std::int64_t free = keys.next_free_id(log_to);
        return free > 0 ? static_cast<std::int32_t>(free) : 0;
    };
    new_record_answer offered;
    offer_for(offered, smallest_free_id(log));
    const bool proposed = offered.record_id != 0 && answer.record_id == offered.record_id
                          && answer.station_id == offered.station_id && answer.station_name == offered.station_name;
    control_record imported(settings_);
    imported.description = run_name;

    bool ok = false;
    {
        transaction work(*db_);
        if (!work.begun())
            log += work.failure();
        // The proposal came from the list as it was when asked; another program may have stored a
        // record since. Under the write lock it is made again from the table itself.
        ok = work.begun();
        if (ok && proposed) {
            offer_for(answer, smallest_free_id(log));
            ok = answer.record_id != 0;
        }
        imported.id = answer.record_id;
        imported.weather_station_id = answer.station_id;
        imported.weather_station_name = answer.station_name;
        ok = ok && station_number_is_free(*db_, answer.station_id, log)
             && read_parameters(imported, files.parameters, settings_.vorn_version, log)
             && import_control_file(imported, import_paths(files), log);
        imported.number_subareas = static_cast<int>(imported.subareas.count());
        ok = ok && number_imported_soils(*db_, imported, log) && imported.insert(*db_, log)
             && store_reference_lists(*db_, *lists, log) && work.commit(log);
    }
    if (!ok)
        return fail();

    crops_ = std::make_unique<vorn_production_supply_list>(std::move(lists->crops));
    pesticides_ = std::make_unique<vorn_production_supply_list>(std::move(lists->pesticides));
    fertilizers_ = std::make_unique<vorn_production_supply_list>(std::move(lists->fertilizers));
    operations_ = std::make_unique<operation_list_class>(std::move(lists->operations));
    new_id = imported.id;
    reload_record_list(log);
    make_current(new_id, log);
    ui_.show_record_values();
    show_log(log);
    ui_.refresh_all_views(1);
    return true;
}

} // namespace ivorn
