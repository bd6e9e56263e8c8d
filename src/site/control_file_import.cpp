// Reading a run definition from the model's own files: the control file's lines 1 to 6 (always in
// the 2110 layout), the run file's numbers, then the site, weather and subarea data they name.
#include "site/control_file.h"

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "site/control_file_companions.h"
#include "site/control_file_layout.h"

namespace ivorn {
namespace {

// A blank or unparsable field takes the reader's value (0); a number beyond its type is noted in
// `overflow` and stops the read.
void read_line(std::string_view line, const control_line& fields, field_overflow& overflow)
{
    int first = 1;
    for (const control_field& field : fields) {
        const int last = first + field_width(field.format) - 1;
        if (field.integer) {
            overflow.read_long(line, first, last, *field.integer);
        } else {
            overflow.read_float(line, first, last, *field.real);
        }
        first = last + 1;
    }
}

bool read_control_lines(control_record& record, const std::string& path, std::string& log)
{
    line_reader reader;
    if (reader.open(path, log) != line_reader::open_result::opened) {
        log += "Unable to read control file.\r\n";
        return false;
    }
    record.modified = true;
    const auto lines = control_lines(record, record.held_station_values, control_layout::v2110);
    std::string line;
    for (size_t n = 0; n < lines.size(); ++n) {
        if (!reader.next_line(line)) {
            log += format_printf("Unable to read line %zu of control record.\r\n", n + 1);
            log += format_printf("File %s, line %zu.\r\n", path.c_str(), n + 1);
            return false;
        }
        field_overflow overflow;
        read_line(without_line_end(line), lines[n], overflow);
        if (overflow.found()) {
            log += overflow.message(path, reader.line_number());
            return false;
        }
    }
    return true;
}

} // namespace

run_file_numbers read_run_file_numbers(const std::string& run_path, std::string& log)
{
    run_file_numbers numbers;
    line_reader reader;
    std::string line;
    if (reader.open(run_path, log) != line_reader::open_result::opened || !reader.next_line(line))
        return numbers;
    const std::string_view text = without_line_end(line);
    read_int_field(text, 9, 12, numbers.site);
    read_int_field(text, 13, 16, numbers.weather);
    read_int_field(text, 17, 20, numbers.wind);
    read_int_field(text, 21, 24, numbers.subarea);
    return numbers;
}

bool import_control_file(control_record& record, const control_import_paths& paths, std::string& log)
{
    if (!read_control_lines(record, paths.control, log))
        return false;
    const run_file_numbers numbers = read_run_file_numbers(paths.run, log);
    // A site file cut short would leave weather values in the herd slots, or none at all.
    if (!import_companion_site_file(record, paths.site_list, numbers.site, log))
        return false;
    if (!import_companion_weather(record, numbers, paths.weather_list, paths.wind_list, log))
        return false;
    return import_companion_subareas(record, numbers.subarea, paths.subarea_list, paths.soil_list,
                                     paths.operations_list, log);
}

} // namespace ivorn
