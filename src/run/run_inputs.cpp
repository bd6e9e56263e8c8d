// Writing the input file set of a run.
#include "run/run_inputs.h"

#include "core/default_file_names.h"
#include "core/file_lookup.h"
#include "core/text_utils.h"
#include "output/print_file.h"
#include "reference/vorn_crop.h"
#include "run/list_files.h"
#include "site/control_file.h"

namespace ivorn {
namespace {

bool list_present(const list_class* list) { return list != nullptr && !list->empty(); }

// A reference file that cannot be written fails the step: the model would otherwise read the
// file an earlier run left there.
bool write_reference_files(const run_context& context, std::string& log)
{
    const auto& settings = context.settings;
    bool ok = true;
    const auto check = [&](bool written, const char* name) {
        if (!written) {
            log += "ERROR, unable to open VORN file:" + model_path(context, name) + "\r\n";
            ok = false;
        }
    };
    if (context.operations)
        check(context.operations->write_tillage_file(model_path(context, file_names::tillage), settings.vorn_version,
                                                     settings.line_ends),
              file_names::tillage);
    if (context.crops)
        check(write_crop_file(*context.crops, model_path(context, file_names::crops), settings.vorn_version,
                              settings.line_ends),
              file_names::crops);
    if (context.fertilizers)
        check(context.fertilizers->write_file(model_path(context, file_names::fertilizers), settings.vorn_version,
                                              settings.line_ends),
              file_names::fertilizers);
    if (context.pesticides)
        check(context.pesticides->write_file(model_path(context, file_names::pesticides), settings.vorn_version,
                                             settings.line_ends),
              file_names::pesticides);
    return ok;
}

// The final soil table the previous run of this record left for a subarea, found whatever the
// case the model gave its name.
std::string previous_final_soil_table(const run_context& context, std::int32_t subarea_id)
{
    const long record_id = context.record->id;
    const std::string name = is_wide_version(context.settings.vorn_version)
                                 ? format_printf("%08ld.%08ld.sot", record_id, static_cast<long>(subarea_id))
                                 : format_printf("%08ld.%04ld.sot", record_id, static_cast<long>(subarea_id));
    return find_file_ignoring_case(context.settings.working_directory, name);
}

bool open_list(model_file_writer& file, const run_context& context, const char* name, const char* failure)
{
    if (file.open(model_path(context, name), context.settings.line_ends))
        return true;
    if (context.message_box)
        context.message_box(failure);
    return false;
}

double drainage_area(const vorn_subarea& subarea)
{
    const double area = subarea.channel[0]; // [Drainage Area]
    return area > 0 ? area : -area;
}

bool write_subarea_files(run_context& context, model_file_writer& subareas, model_file_writer& soil_list,
                         model_file_writer& operation_list, std::string& log)
{
    const auto& settings = context.settings;
    const bool numbered_files = settings.vorn_version == 0;
    for (vorn_subarea* subarea : context.record->subareas) {
        ++context.subarea_counter;
        const std::int32_t id = subarea->subarea_number;
        if (numbered_files) {
            model_file_writer own;
            const std::string path = model_path(context, file_names::subareas) + std::to_string(context.subarea_counter);
            if (!own.open(path, settings.line_ends)) {
                log += "Unable to open subarea file " + path + "\r\n";
                return false;
            }
            subarea->write_subarea(own, settings.vorn_version);
            own.write("\n\n\n\n\n\n\n\n\n\n");
            if (!own.close()) {
                log += "Unable to write subarea file " + path + "\r\n";
                return false;
            }
        } else {
            subarea->write_subarea(subareas, settings.vorn_version);
        }
        context.total_subarea_area += drainage_area(*subarea);

        const std::string schedule = format_printf("%04d.ops", static_cast<int>(id));
        // Like a soil, a schedule that is not written stops the run: the model would otherwise
        // read whatever an earlier run left under that name.
        if (!subarea->write_operation_schedule(model_path(context, schedule), context.operations,
                                               settings.vorn_version, settings.line_ends, log))
            return false;
        operation_list.printf(" %4d %12s %04d\n", static_cast<int>(context.subarea_counter), schedule.c_str(),
                              static_cast<int>(id));

        if (!subarea->soil.validate(log))
            return false;
        const std::string soil = format_printf("%04ld.sol", static_cast<long>(id));
        const std::string previous = settings.read_soil ? previous_final_soil_table(context, id) : std::string();
        const bool from_previous = settings.read_soil && regular_file_exists(previous);
        // A record's first run has no final soil table yet: it starts from the stored soil.
        if (settings.read_soil && !from_previous)
            log += format_printf("No final soil table %s yet: the soil of subarea %ld is written from the database.\r\n",
                                 previous.c_str(), static_cast<long>(id));
        if (!subarea->soil.write_soil_file(model_path(context, soil), previous, from_previous, settings.line_ends, log))
            return false;
        soil_list.printf(" %4d %12s %04ld\r\n", static_cast<int>(context.subarea_counter), soil.c_str(),
                         static_cast<long>(id));
    }
    return true;
}

} // namespace

void count_subareas(run_context& context)
{
    context.subarea_counter = static_cast<std::int32_t>(context.record->subareas.count());
    context.total_subarea_area = 0.0;
    for (const vorn_subarea* subarea : context.record->subareas)
        context.total_subarea_area += drainage_area(*subarea);
}

bool precheck_record(const run_context& context, std::string& log)
{
    bool ok = true;
    const auto check = [&](bool present, const char* message) {
        if (!present) {
            log += message;
            ok = false;
        }
    };
    const control_record* record = context.record;
    check(record != nullptr && record->weather_station.number != 0, "No current weather to run\r\n");
    // A record loaded without its station or its parameters holds empty values in their place.
    if (record && record->weather_station.number != 0 && record->station_missing) {
        log += format_printf("No weather station %ld for record %ld\r\n", static_cast<long>(record->weather_station_id),
                             static_cast<long>(record->id));
        ok = false;
    }
    if (record && record->parameters_missing) {
        log += format_printf("No parameters for record %ld (see \"File | Import | Import Paramater file\").\r\n",
                             static_cast<long>(record->id));
        ok = false;
    }
    check(list_present(context.operations), "No operation list (see \"File | Import | Import VORN Operations File\").\r\n");
    check(list_present(context.pesticides), "No pesticide list (see \"File | Import | Import VORN Pesticide File\").\r\n");
    check(list_present(context.fertilizers),
          "No fertilizer list (see \"File | Import | Import VORN Fertilizer File\").\r\n");
    check(list_present(context.crops), "No crop list (see \"File | Import | Import VORN Crop File\").\r\n");
    if (!ok)
        log += format_printf("Precheck failed for record ID %ld.\r\n", record ? static_cast<long>(record->id) : 0L);
    return ok;
}

bool write_list_files(run_context& context, std::string& log)
{
    const auto& settings = context.settings;
    const std::string& directory = settings.working_directory;
    bool ok = write_model_file_list(directory, settings.vorn_version, settings.line_ends, log);
    write_run_file(directory, settings.vorn_version, settings.line_ends, log);
    write_one_line_lists(directory, settings.line_ends, log);
    if (has_farm_files(settings.vorn_version)
        && !write_daily_weather_list(*context.db, directory, settings.line_ends, context.message_box, log))
        ok = false;
    // Like the reference files, a print file left from an earlier run would choose this run's reports.
    ok = write_print_file(context.output_variables, settings.vorn_version, model_path(context, file_names::print),
                          settings.line_ends, log)
         && ok;
    ok = write_reference_files(context, log) && ok;
    return ok;
}

bool write_model_inputs(run_context& context, std::string& log)
{
    const auto& settings = context.settings;
    control_record& record = *context.record;
    if (!record.parameters.write_parameter_file(model_path(context, file_names::parameters), settings.vorn_version,
                                                settings.line_ends, log))
        return false;
    model_file_writer soil_list;
    model_file_writer operation_list;
    if (!open_list(soil_list, context, file_names::soil_list, "Cannot open soillist file\r\n")
        || !open_list(operation_list, context, file_names::operation_list, "Cannot open operationslist file\r\n"))
        return false;
    model_file_writer subareas;
    if (settings.vorn_version != 0 && !subareas.open(model_path(context, file_names::subareas), settings.line_ends)) {
        log += "Unable to open subarea file " + model_path(context, file_names::subareas) + "\r\n";
        return false;
    }
    context.subarea_counter = 0;
    context.total_subarea_area = 0.0;
    if (!write_subarea_files(context, subareas, soil_list, operation_list, log))
        return false;
    subareas.write("\n\n\n\n\n\n\n\n\n\n");
    bool ok = subareas.close() || settings.vorn_version == 0;
    ok = soil_list.close() && ok;
    ok = operation_list.close() && ok;
    if (!ok) {
        log += "Unable to write the subarea files in " + settings.working_directory + "\r\n";
        return false;
    }
    control_file_paths paths;
    paths.control = model_path(context, file_names::control_file);
    paths.site = model_path(context, file_names::site);
    paths.weather = model_path(context, file_names::weather);
    paths.wind = model_path(context, file_names::wind);
    paths.herd = model_path(context, file_names::herd);
    paths.point_source = model_path(context, file_names::point_source);
    paths.hourly_precipitation = model_path(context, file_names::hourly_precipitation);
    return write_control_file(record, settings.vorn_version, settings.line_ends, paths, log);
}

} // namespace ivorn
