// Writing the site file in its three layouts and reading the model's own site file. The lines that
// are runs of fixed-width values are described once below and walked by both ways.
#include "site/site_file.h"

#include <variant>

#include "core/field_readers.h"
#include "core/filename_struct.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "site/control_record.h"
#include "site/list_file_lines.h"
#include "site/vorn_weather_station.h"

namespace ivorn {
namespace {

constexpr int site_weather_count = 9;
constexpr size_t weather_file_name_width = 255;

// A value of a site line: a control record member or a member of its weather station.
struct site_value {
    const char* format;
    float control_record::*record_member;
    float vorn_weather_station::*station_member;

    double of(const control_record& record, const vorn_weather_station& station) const
    {
        return record_member ? record.*record_member : station.*station_member;
    }
    float& in(control_record& record, vorn_weather_station& station) const
    {
        return record_member ? record.*record_member : station.*station_member;
    }
};

site_value r(const char* format, float control_record::*member) { return {format, member, nullptr}; }
site_value s(const char* format, float vorn_weather_station::*member) { return {format, nullptr, member}; }

using site_line = std::vector<site_value>;

// Line 4 of the 2110 layout, which is also the line 4 that an import reads, field k in columns
// 8k-7 to 8k.
const site_line& line_4_2110()
{
    static const site_line line = {
        r("%8.3f", &control_record::peak_runoff),          s("%8.1f", &vorn_weather_station::latitude),
        s("%8.1f", &vorn_weather_station::longitude),      s("%8.1f", &vorn_weather_station::elevation),
        r("%8.1f", &control_record::basin_channel_length), r("%8.3f", &control_record::basin_channel_slope),
        r("%8.1f", &control_record::atmospheric_co2),      r("%8.1f", &control_record::irrigation_water_no3),
        r("%8.1f", &control_record::n_in_rainfall),        r("%8.3f", &control_record::fraction_field_capacity),
    };
    return line;
}

const site_line& line_5_2110()
{
    static const site_line line = {r("%8.3f", &control_record::manure_rate_for_p_uptake),
                                   r("%8.3f", &control_record::manure_rate_for_n_uptake)};
    return line;
}

// Line 4 of the 604 layout; the 806 layout adds [Adjust Auto Irrigation].
site_line line_4_604(bool with_auto_irrigation)
{
    site_line line = {
        s("%8.1f", &vorn_weather_station::latitude),      s("%8.1f", &vorn_weather_station::longitude),
        s("%8.1f", &vorn_weather_station::elevation),     r("%8.3f", &control_record::peak_runoff),
        r("%8.1f", &control_record::atmospheric_co2),     r("%8.1f", &control_record::irrigation_water_no3),
        r("%8.1f", &control_record::n_in_rainfall),       r("%8.3f", &control_record::manure_rate_for_p_uptake),
        r("%8.3f", &control_record::manure_rate_for_n_uptake),
    };
    if (with_auto_irrigation)
        line.push_back(r("%8.3f", &control_record::adjust_auto_irrigation));
    return line;
}

const site_line& line_5_604()
{
    static const site_line line = {r("%8.1f", &control_record::basin_channel_length),
                                   r("%8.3f", &control_record::basin_channel_slope)};
    return line;
}

// One herd line: one member of each of the ten slots, slot k in columns 8k-7 to 8k.
struct herd_line {
    const char* format;
    std::variant<int herd_slot::*, float herd_slot::*> member;
};

const herd_line herd_lines[] = {
    {"%8d", &herd_slot::number_of_animals}, {"%8.3f", &herd_slot::fraction_herd_in_feeding_area},
    {"%8.3f", &herd_slot::grazing_rate},    {"%8.3f", &herd_slot::daily_manure_dump},
    {"%8d", &herd_slot::manure_id},         {"%8.3f", &herd_slot::urine_volume},
};

std::string format_line(const site_line& line, const control_record& record, const vorn_weather_station& station)
{
    std::string text;
    for (const site_value& value : line)
        text += format_printf(value.format, value.of(record, station));
    return text + "\n";
}

std::string format_herd_line(const herd_line& line, const herd_slots& herds)
{
    std::string text;
    for (const herd_slot& slot : herds.slots) {
        if (const auto* integer = std::get_if<int herd_slot::*>(&line.member))
            text += format_printf(line.format, slot.**integer);
        else
            text += format_printf(line.format, static_cast<double>(slot.*std::get<float herd_slot::*>(line.member)));
    }
    return text + "\n";
}

std::string weather_lines(const control_record& record)
{
    std::string text;
    for (int k = 0; k < site_weather_count; ++k)
        text += format_printf("%4ld", static_cast<long>(record.weather[k]));
    text += "\n";
    for (int k = 0; k < site_weather_count; ++k)
        text += format_printf("%8.1f", static_cast<double>(record.fraction_of_area_by_weather[k]));
    return text + "\n";
}

std::string daily_weather_file_line(const control_record& record)
{
    filename_struct file;
    file.set_full_path(record.weather_input_filename);
    return cut_to_width(file.full_path(), weather_file_name_width) + "\n";
}

std::string site_text_2110(const control_record& record, const vorn_weather_station& station)
{
    std::string text = "\n\n\n" + format_line(line_4_2110(), record, station) + format_line(line_5_2110(), record, station);
    text += format_printf("%4d\n", record.herds.owner_number);
    if (record.herds.owner_number != 0) {
        for (const herd_line& line : herd_lines)
            text += format_herd_line(line, record.herds);
        text += "\n";
    }
    text += weather_lines(record);
    if (record.weather_input_code != 0)
        text += daily_weather_file_line(record);
    text += "\n";
    for (const std::string& name : record.pointsource_files)
        text += name + "\n";
    return text + "\n\n";
}

std::string site_text_604(const control_record& record, const vorn_weather_station& station, bool with_auto_irrigation)
{
    std::string text = "\n\n\n" + format_line(line_4_604(with_auto_irrigation), record, station);
    text += "       0       0       0       0       0       0       0       0";
    text += format_line(line_5_604(), record, station);
    text += "\n" + weather_lines(record);
    return text + "   1   1   1   1   1   1   1   1   1   1\n\n\n";
}

// Reading ------------------------------------------------------------------------------------------

// The data lines of the model's own site file, read in order; each missing line has its number in
// the message.
class site_reader {
public:
    site_reader(line_reader& file, std::string& log) : file_(file), log_(log) {}

    bool next(int data_line, std::string& line)
    {
        std::string raw;
        if (!file_.next_line(raw)) {
            log_ += format_printf("Unable to read line %d of site file.\r\n", data_line);
            file_.log_missing_line(log_);
            return false;
        }
        line.assign(without_line_end(raw));
        return true;
    }

    // False (with the message naming the field) once a field of the current line held a number
    // beyond its type: such a site is not read at all.
    bool fields_ok()
    {
        if (!overflow.found())
            return true;
        log_ += overflow.message(file_.path(), file_.line_number());
        return false;
    }

    field_overflow overflow;

private:
    line_reader& file_;
    std::string& log_;
};

void read_values(std::string_view line, const site_line& fields, control_record& record, vorn_weather_station& station,
                 int first_field, field_overflow& overflow)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        const int last = (first_field + static_cast<int>(i)) * 8;
        read_float_field(line, last - 7, last, fields[i].in(record, station));
        overflow.check_float(line, last - 7, last);
    }
}

void read_herd_line(std::string_view line, const herd_line& description, herd_slots& herds, field_overflow& overflow)
{
    for (int k = 1; k <= herd_slot_count; ++k) {
        herd_slot& slot = herds.slots[static_cast<size_t>(k - 1)];
        if (const auto* integer = std::get_if<int herd_slot::*>(&description.member)) {
            read_int_field(line, 8 * k - 7, 8 * k, slot.**integer);
            overflow.check_long(line, 8 * k - 7, 8 * k);
        } else {
            read_float_field(line, 8 * k - 7, 8 * k, slot.*std::get<float herd_slot::*>(description.member));
            overflow.check_float(line, 8 * k - 7, 8 * k);
        }
    }
}

// The site file's name from the list: the first line whose number is the site's.
bool site_file_name(const std::string& list_path, int site_number, std::string& name, std::string& log)
{
    line_reader list;
    if (list.open(list_path, log) != line_reader::open_result::opened) {
        log += format_printf("Cannot open sitelist file %s.\r\n", list_path.c_str());
        return false;
    }
    std::string raw;
    while (list.next_line(raw)) {
        int number = 0;
        if (scan_number_and_name(without_line_end(raw), number, name) && number == site_number)
            return true;
    }
    log += "Cannot read site file name from sitelist.\r\n";
    return false;
}

bool read_site_lines(site_reader& file, control_record& record, vorn_weather_station& station, std::string& log)
{
    std::string line;
    for (int i = 0; i < 4; ++i) {
        if (!file.next(1, line))
            return false;
    }
    read_values(line, line_4_2110(), record, station, 1, file.overflow);
    if (!file.fields_ok() || !file.next(2, line))
        return false;
    read_values(line, line_5_2110(), record, station, 9, file.overflow);
    if (!file.fields_ok() || !file.next(3, line))
        return false;
    std::int32_t owner = 0;
    read_long_field(line, 1, 4, owner);
    file.overflow.check_long(line, 1, 4);
    record.herds.owner_number = owner;
    for (int n = 0; n < 6; ++n) {
        if (!file.fields_ok() || !file.next(4 + n, line))
            return false;
        read_herd_line(line, herd_lines[n], record.herds, file.overflow);
    }
    if (!file.fields_ok() || !file.next(10, line) || !file.next(10, line))
        return false;
    for (int k = 1; k <= site_weather_count; ++k) {
        read_int_field(line, 4 * k - 3, 4 * k, record.weather[k - 1]);
        file.overflow.check_long(line, 4 * k - 3, 4 * k);
    }
    if (!file.fields_ok() || !file.next(11, line))
        return false;
    for (int k = 1; k <= site_weather_count; ++k) {
        read_float_field(line, 8 * k - 7, 8 * k, record.fraction_of_area_by_weather[k - 1]);
        file.overflow.check_float(line, 8 * k - 7, 8 * k);
    }
    if (!file.fields_ok())
        return false;
    if (record.weather_input_code != 0) {
        if (!file.next(11, line))
            return false;
        std::string name = first_word(line);
        if (name.size() > weather_file_name_width) {
            log += format_printf("Daily weather file name cut to %zu characters: %s\r\n", weather_file_name_width,
                                 name.c_str());
            name.resize(weather_file_name_width);
        }
        filename_struct file_name;
        file_name.set_full_path(name);
        record.weather_input_filename = file_name.full_path();
    }
    return true;
}

} // namespace

site_layout site_layout_for(int model_version)
{
    if (model_version == 604)
        return site_layout::v604;
    if (model_version == 806 || model_version == 1307)
        return site_layout::v806;
    return site_layout::v2110;
}

bool write_site_file(const control_record& record, const vorn_weather_station& station, site_layout layout,
                     const std::string& path, line_end_style line_ends, std::string& log)
{
    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += "Unable to open sitefile for writing\r\n";
        return false;
    }
    file.write(layout == site_layout::v2110 ? site_text_2110(record, station)
                                            : site_text_604(record, station, layout == site_layout::v806));
    if (!file.close()) {
        log += "Unable to write " + path + "\r\n";
        return false;
    }
    return true;
}

bool import_site_file(control_record& record, vorn_weather_station& station, int site_number,
                      const std::string& site_list_path, std::string& log)
{
    std::string name;
    if (!site_file_name(site_list_path, site_number, name, log))
        return false;
    const std::string path = listed_file_path(site_list_path, name, log);
    line_reader file;
    if (file.open(path, log) != line_reader::open_result::opened) {
        log += format_printf("Cannot open site file %s.\r\n", path.c_str());
        return false;
    }
    site_reader reader(file, log);
    if (!read_site_lines(reader, record, station, log))
        return false;
    for (int k = 0; k < herd_slot_count; ++k)
        record.herds.slots[static_cast<size_t>(k)].herd_id = k + 1;
    return true;
}

} // namespace ivorn
