// The subarea record: its order, its column bindings, copying, and the soil and schedule that the
// model's list files name for it.
#include "site/vorn_subarea.h"

#include "core/line_reader.h"
#include "core/text_utils.h"
#include "site/list_file_lines.h"

namespace ivorn {
namespace {

const char* const channel_columns[subarea_channel_reals] = {
    "Drainage Area", "Channel Length", "Channel Depth", "Channel Slope", "Mannings N for Channel", "Slope",
    "Slope Length", "Mannings N for Upland", "Filter Strip Flow Fraction", "Urban Fraction of Subarea",
    "RR Channel Length of Routing Reach", "RR Routing Reach Channel Depth", "RR Bottom Width of Channel",
    "RR Top Width of Channel", "RR Slope", "RR Mannings N for Channel", "RR USLE C for Channel",
    "RR USLE K for Channel", "RR Floodplain Width", "RR Floodplain Length", "RS Elev at Emergency Spillway",
    "RS Surface Area at Emergency Spillway", "RS Volume at Emergency Spillway Elev", "RS Elev at Principal Spillway",
    "RS Surface Area at Principal Spillway", "RS Volume at Principal Spillway Elev", "RS Initial Volume",
    "RS Principal Spillway Release Rate", "RS Initial Sediment Concentration", "RS Normal Sediment Concentration",
    "RS Bottom Hydraulic Conductivity"};

const char* const management_columns[management_reals] = {
    "Irrigation Trigger", "Irrigation Runoff Ratio", "Maximum Annual Irrigation Volume",
    "Minimum Single Irrigation Volume", "Maximum Single Irrigation Volume", "Auto Fertilizer Trigger",
    "Fertilizer Auto N Rate", "Maximum Annual N", "Drainage End Stress", "Furrow Dike Safety Factor",
    "Conservation Practice Factor", "Lagoon Control Fraction", "Lagoon Volume Ratio", "Lagoon Input from Wash",
    "Lagoon Time from Max", "Liquid to Total Manure Ratio", "Auto Manure Application Rate", "Lagoon Safety Factor",
    "Feeding Stock Pile Rate", "Adjust Auto Irrigation"};

// Which number a schedule list line gives, and the schedule file it names.
bool find_listed_file(const std::string& list_path, int wanted, std::string& file, bool& opened, std::string& log)
{
    line_reader list;
    std::string scratch;
    opened = list.open(list_path, scratch) == line_reader::open_result::opened;
    if (!opened)
        return false;
    std::string line;
    while (list.next_line(line)) {
        int number = 0;
        std::string name;
        if (scan_number_and_name(line, number, name) && number == wanted) {
            file = listed_file_path(list_path, name, log);
            return true;
        }
    }
    return false;
}

} // namespace

bool vorn_subarea::comes_before(const list_member& candidate) const
{
    return subarea_number <= static_cast<const vorn_subarea&>(candidate).subarea_number;
}

binding_list vorn_subarea::subarea_bindings()
{
    binding_list list = {
        {"ID", &record_id},
        {"Subarea Id", &subarea_number},
        {"Soil Id", &soil_id},
        {"Op Schedule Number", &op_schedule_number},
        {"Owner Id", &owner_id},
        {"Feeding Area", &feeding_area},
        {"Manure App Area", &manure_app_area},
        {"Filter Strip Flag", &filter_strip_flag},
        {"Curve Number Type", &curve_number_type},
        {"Daily Weather Station Number", &daily_weather_station_number},
        {"Point Source Number", &point_source_number},
        {"Pipe Outflow Subarea Id", &pipe_outflow_subarea_id},
        {"Luns", &luns},
        {"Auto Mow Min Interval", &auto_mow_min_interval},
        {"Water Content of Snow Cover", &water_content_of_snow_cover},
        {"Standing Dead Crop Residue", &standing_dead_crop_residue},
        {"Subarea X Centroid", &subarea_x_centroid},
        {"Subarea Y Centroid", &subarea_y_centroid},
    };
    for (int i = 0; i < subarea_channel_reals; ++i)
        list.push_back({channel_columns[i], &channel[static_cast<size_t>(i)]});
    list.insert(list.end(), {
                                {"RS Time Required to Return to Normal Sed Conc", &rs_time_required_to_return_to_normal_sed_conc},
                                {"RS Bulk Density", &rs_bulk_density},
                                {"Fraction Subarea Controlled by Ponds", &fraction_subarea_controlled_by_ponds},
                                {"Fraction Subarea Controlled by Buffers", &fraction_subarea_controlled_by_buffers},
                                {"Buffer Flow Length", &buffer_flow_length},
                                {"Land Use Number", &land_use_number},
                                {"Autoirrigation Number", &autoirrigation_number},
                                {"Hydrologic Condition", &hydrologic_condition},
                                {"Orientation of Slope", &orientation_of_slope},
                                {"Field Length", &field_length},
                                {"Field Width", &field_width},
                                {"Angle Field", &angle_field},
                            });
    return list;
}

binding_list vorn_subarea::management_bindings()
{
    binding_list list = {
        {"ID", &management_id},
        {"Subarea Id", &subarea_number},
        {"Irrigation Rigidity", &irrigation_rigidity},
        {"Irrigation", &irrigation},
        {"Minimum Auto Irrigation Interval", &minimum_auto_irrigation_interval},
        {"Minimum Auto Fertilizer Interval", &minimum_auto_fertilizer_interval},
        {"Liming Code", &liming_code},
        {"Furrow Dike Code", &furrow_dike_code},
        {"Drainage Code", &drainage_code},
        {"Lagoon Fertigation Code", &lagoon_fertigation_code},
        {"Feeding Area Manure Code", &feeding_area_manure_code},
        {"Auto P Code", &auto_p_code},
        {"Auto Commercial N Code", &auto_commercial_n_code},
        {"Auto Solid Manure Code", &auto_solid_manure_code},
    };
    for (int i = 0; i < management_reals; ++i)
        list.push_back({management_columns[i], &management[static_cast<size_t>(i)]});
    for (int i = 0; i < subarea_herds; ++i)
        list.push_back({format_printf("Herd %d Id", i + 1), &herd_id[static_cast<size_t>(i)]});
    for (int i = 0; i < subarea_herds; ++i)
        list.push_back({format_printf("Grazing Limit for Herd %d", i + 1), &grazing_limit[static_cast<size_t>(i)]});
    return list;
}

void vorn_subarea::load_from_rows(const recordset& subareas, const recordset& management_row)
{
    load_bindings(subareas, subarea_bindings());
    // Both rows carry [Subarea Id]; the subarea's own row has the last word.
    const std::int32_t number = subarea_number;
    load_bindings(management_row, management_bindings());
    subarea_number = number;
}

void vorn_subarea::save_to_rows(recordset& subareas, recordset& management_row)
{
    save_bindings(subareas, subarea_bindings());
    save_bindings(management_row, management_bindings());
}

// A soil file that cannot be read whole fails the subarea: an import would otherwise store an
// empty or partial soil and report success.
bool vorn_subarea::find_soil_file(const std::string& soil_list, std::string& log)
{
    bool read = false;
    if (!ivorn::find_soil_file(soil_list, soil_id, soil, log, &read))
        return false;
    soil_changed = true;
    return read;
}

bool vorn_subarea::find_schedule_file(const std::string& operations_list, std::string& log)
{
    std::string schedule_file;
    bool opened = false;
    if (!find_listed_file(operations_list, op_schedule_number, schedule_file, opened, log)) {
        log += opened ? "Cannot find operations file in operationsfilelist" : "Cannot open operations list file";
        return false;
    }
    schedule_header header{land_use_number, autoirrigation_number};
    if (!read_schedule_file(schedule_file, owner(), header, operations, log))
        return false;
    land_use_number = header.land_use_number;
    autoirrigation_number = header.autoirrigation_number;
    return true;
}

bool vorn_subarea::write_operation_schedule(const std::string& path, const operation_list_class* tillage,
                                            int model_version, line_end_style line_ends, std::string& log) const
{
    return ivorn::write_operation_schedule(path, {land_use_number, autoirrigation_number}, operations, tillage,
                                           model_version, line_ends, log);
}

bool vorn_subarea::load_field_operations(database& db, std::string& log)
{
    return ivorn::load_field_operations(db, owner(), operations, log);
}

bool vorn_subarea::save_field_operations(database& db, std::string& log) const
{
    return ivorn::save_field_operations(db, owner(), operations, log);
}

vorn_subarea* subarea_list::find_by_subarea(std::int32_t number) const
{
    for (vorn_subarea* subarea : *this) {
        if (subarea->subarea_number == number)
            return subarea;
    }
    return nullptr;
}

void vorn_subarea::copy_from(const vorn_subarea& other)
{
    static_cast<subarea_values&>(*this) = other;
    operations.delete_all();
    for (const vorn_field_operation* operation : other.operations) {
        auto copy = std::make_unique<vorn_field_operation>();
        copy->copy_from(*operation);
        copy->sequence = operation->sequence;
        operations.add(std::move(copy));
    }
    soil.copy_from(other.soil);
    soil.number = other.soil.number;
    soil_changed = other.soil_changed;
    modified = other.modified;
}

} // namespace ivorn
