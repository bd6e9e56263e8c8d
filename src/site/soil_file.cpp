// The model's soil file: three header lines and one line per layer property, ten layers across.
// Written for every run; read by the soil import and the subarea import.
#include <cstdio>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "site/list_file_lines.h"
#include "site/real_columns.h"
#include "site/vorn_soil.h"

namespace ivorn {
namespace {

constexpr size_t soil_name_width = 60;
constexpr int soil_lines_read = 3 + soil_layer_columns_read;

// A header field: a real member, or a code member that the file holds as a real.
struct header_field {
    float vorn_soil::*real;
    int vorn_soil::*code;
};

// Line 2, fields 1 to 10, each "%8.2f" in columns 8k-7 to 8k; written and read alike.
const header_field line_2_fields[] = {
    {&vorn_soil::albedo, nullptr},
    {nullptr, &vorn_soil::hydrologic_group},
    {&vorn_soil::initial_water_content, nullptr},
    {&vorn_soil::minimum_water_table_depth, nullptr},
    {&vorn_soil::maximum_water_table_depth, nullptr},
    {&vorn_soil::initial_water_table_depth, nullptr},
    {&vorn_soil::initial_groundwater_storage, nullptr},
    {&vorn_soil::maximum_groundwater_storage, nullptr},
    {&vorn_soil::subsurface_flow_travel_time, nullptr},
    {&vorn_soil::return_flow_root_zone, nullptr},
};

// Line 3, fields 2 to 9. Field 1 differs between the ways: [Maximum Layers] is written there,
// the layer count is read from it.
const header_field line_3_fields[] = {
    {nullptr, &vorn_soil::weathering_code},
    {&vorn_soil::previous_years_cultivation, nullptr},
    {&vorn_soil::soil_group_type, nullptr},
    {&vorn_soil::minimum_thickness_of_maximum_layer, nullptr},
    {&vorn_soil::minimum_profile_thickness, nullptr},
    {&vorn_soil::minimum_beginning_layer_thickness, nullptr},
    {&vorn_soil::fraction_of_org_c_in_biomass, nullptr},
    {&vorn_soil::fraction_of_humus_in_passive, nullptr},
};

// Decimals of each layer line, in "Soil Layers" order; each value is "%8.<decimals>f".
const int layer_decimals[soil_layer_columns] = {
    3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 2, 2, 2, 2, 2,
    2, 2, 2, 2, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
};

std::string header_values(const vorn_soil& soil, const header_field* fields, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        const double value = fields[i].real ? soil.*fields[i].real : soil.*fields[i].code;
        text += format_printf("%8.2f", value);
    }
    return text;
}

// Reads fields starting at field `first_field` (1-based) of a header line.
void read_header_values(vorn_soil& soil, std::string_view line, const header_field* fields, size_t count, int first_field,
                        field_overflow& overflow)
{
    for (size_t i = 0; i < count; ++i) {
        const int last = (first_field + static_cast<int>(i)) * 8;
        if (fields[i].real) {
            overflow.read_float(line, last - 7, last, soil.*fields[i].real);
        } else {
            overflow.read_long(line, last - 7, last, soil.*fields[i].code);
        }
    }
}

// A text member on the one line it must keep to.
std::string on_one_line(std::string text)
{
    for (char& c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

std::string name_line(const vorn_soil& soil)
{
    std::string line = on_one_line(utf8_to_latin1(soil.name)) + " ";
    if (!soil.map_unit_symbol.empty())
        line += on_one_line(soil.map_unit_symbol);
    if (!soil.soils5_id.empty())
        line += " " + on_one_line(soil.soils5_id);
    return line + "\n";
}

std::string layer_line(const vorn_soil::layer_array& values, int decimals)
{
    std::string line;
    for (const float value : values)
        line += format_printf("%8.*f", decimals, static_cast<double>(value));
    return line + "\n";
}

void read_layer_line(vorn_soil::layer_array& values, std::string_view line, field_overflow& overflow)
{
    for (int k = 1; k <= soil_max_layers; ++k) {
        bool out_of_range = false;
        values[static_cast<size_t>(k - 1)] = real_from_columns(line, 8 * k - 7, 8 * k, out_of_range);
        if (out_of_range && !overflow.found()) {
            overflow.first = 8 * k - 7;
            overflow.last = 8 * k;
        }
    }
}

// The layer count of line 3: 0 means a full profile. A count no soil can hold is taken as a full
// profile too, with a message, rather than trusted as an array bound.
int layer_count_from(std::string_view line, const std::string& path, std::string& log)
{
    int count = 0;
    read_int_field(line, 1, 8, count);
    if (count == 0)
        return soil_max_layers;
    if (count < 0 || count > soil_max_layers) {
        log += format_printf("Soil file %s gives %d layers; %d layers were read.\r\n", path.c_str(), count, soil_max_layers);
        return soil_max_layers;
    }
    return count;
}

bool rename_final_soil_table(const std::string& existing, const std::string& path, std::string& log)
{
    std::remove(path.c_str());
    if (std::rename(existing.c_str(), path.c_str()) == 0)
        return true;
    log += format_printf("Cannot rename %s to %s\r\n", existing.c_str(), path.c_str());
    return false;
}

} // namespace

bool find_soil_file(const std::string& soil_list_path, std::int32_t soil_number, vorn_soil& soil, std::string& log,
                    bool* soil_file_read)
{
    line_reader list;
    const auto opened = list.open(soil_list_path, log);
    if (opened != line_reader::open_result::opened) {
        log += "Cannot open soillist file\n";
        return false;
    }
    std::string raw;
    while (list.next_line(raw)) {
        const std::string_view line = without_line_end(raw);
        std::int32_t listed = 0;
        if (line.size() < 5 || !read_long_field(line, 1, 5, listed) || listed != soil_number)
            continue;
        const std::string name = first_word(line.substr(5, 13));
        const bool read = soil.read_soil_file(listed_file_path(soil_list_path, name, log), log);
        if (soil_file_read)
            *soil_file_read = read;
        return true;
    }
    log += "Cannot find soil file in soilfile list\n";
    return false;
}

bool vorn_soil::read_soil_file(const std::string& path, std::string& log)
{
    line_reader reader;
    const auto opened = reader.open(path, log);
    if (opened == line_reader::open_result::missing)
        log += "ERROR, unable to open soil file " + path + "\r\n";
    if (opened != line_reader::open_result::opened)
        return false;

    // A number no single float holds stops the read: taken as 0, it would pass for a measured value.
    field_overflow overflow;
    std::string raw;
    int line_number = 0;
    for (; line_number < soil_lines_read && reader.next_line(raw); ++line_number) {
        const std::string_view line = without_line_end(raw);
        if (line_number == 0) {
            name = latin1_to_utf8(trim_copy(cut_to_width(line, soil_name_width)));
        } else if (line_number == 1) {
            read_header_values(*this, line, line_2_fields, std::size(line_2_fields), 1, overflow);
        } else if (line_number == 2) {
            layer_count = layer_count_from(line, path, log);
            read_header_values(*this, line, line_3_fields, std::size(line_3_fields), 2, overflow);
        } else {
            read_layer_line(layers[static_cast<size_t>(line_number - 3)], line, overflow);
        }
        if (overflow.found()) {
            log += overflow.message(path, reader.line_number());
            return false;
        }
    }
    if (line_number < soil_lines_read) {
        log += format_printf("Soil file %s ends before line %d.\r\n", path.c_str(), line_number + 1);
        return false;
    }
    return true;
}

bool vorn_soil::write_soil_file(const std::string& path, const std::string& existing_soil_file, bool read_soil,
                                line_end_style line_ends, std::string& log) const
{
    if (read_soil)
        return rename_final_soil_table(existing_soil_file, path, log);

    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += "Unable to open soil file " + path + " for writing\r\n";
        return false;
    }
    file.write(name_line(*this));
    file.write(header_values(*this, line_2_fields, std::size(line_2_fields)) + "\n");
    file.write(format_printf("%8.2f", static_cast<double>(maximum_layers))
               + header_values(*this, line_3_fields, std::size(line_3_fields)) + "\n");
    for (int column = 0; column < soil_layer_columns; ++column)
        file.write(layer_line(layers[static_cast<size_t>(column)], layer_decimals[column]));
    if (!file.close()) {
        log += "Unable to write soil file " + path + "\r\n";
        return false;
    }
    return true;
}

} // namespace ivorn
