// Writing the control file with its companion files, in the layout of the configured model version.
#include "site/control_file.h"

#include "site/control_file_companions.h"
#include "site/control_file_layout.h"

namespace ivorn {
namespace {

void write_line(model_file_writer& out, const control_line& line)
{
    for (const control_field& field : line) {
        if (field.integer)
            out.printf(field.format, *field.integer);
        else
            out.printf(field.format, static_cast<double>(*field.real));
    }
    out.write("\n");
}

// Lines 1 to 6 of a record; the layout functions take a mutable record because the reader fills
// the same fields, but the writer only reads them.
std::vector<control_line> lines_of(const control_record& record, station_control_values& station, control_layout layout)
{
    return control_lines(const_cast<control_record&>(record), station, layout);
}

bool close_or_log(model_file_writer& out, std::string& log)
{
    if (out.close())
        return true;
    log += "Unable to write " + out.path() + "\r\n";
    return false;
}

bool write_point_source_file(const control_record& record, const std::string& path, line_end_style line_ends,
                             std::string& log)
{
    model_file_writer out;
    if (!out.open(path, line_ends)) {
        log += "Unable to open point source file for writing";
        return false;
    }
    for (const std::string& name : record.pointsource_files)
        out.write(name + "\n");
    return close_or_log(out, log);
}

// Created in every case; it names the rainfall-intensity file only for runoff method 4.
bool write_hourly_precipitation_file(const control_record& record, const std::string& path, line_end_style line_ends,
                                     std::string& log)
{
    model_file_writer out;
    if (!out.open(path, line_ends)) {
        log += "Unable to open hourly precip file for writing";
        return false;
    }
    if (record.runoff_estimation_methodology == 4)
        out.write("    1 " + record.rfdt_filename + "\n");
    return close_or_log(out, log);
}

} // namespace

void write_control_lines(model_file_writer& out, const control_record& record, const station_control_values& station,
                         control_layout layout)
{
    station_control_values values = station;
    const auto lines = lines_of(record, values, layout);
    for (size_t n = 0; n < 3; ++n)
        write_line(out, lines[n]);
}

bool write_control_file(const control_record& record, int model_version, line_end_style line_ends,
                        const control_file_paths& paths, std::string& log)
{
    const control_layout layout = control_layout_for(model_version);
    model_file_writer out;
    if (!out.open(paths.control, line_ends)) {
        log += (layout == control_layout::v2110 ? "Unable to open VORN input file " : "Unable to open header file ")
               + paths.control + "\r\n";
        return false;
    }
    station_control_values station = control_station_values(record);
    write_control_lines(out, record, station, layout);
    const auto lines = lines_of(record, station, layout);
    for (size_t n = 3; n < lines.size(); ++n)
        write_line(out, lines[n]);
    out.write("\n");
    if (!close_or_log(out, log))
        return false;

    // A companion that cannot be written does not stop the sequence, but fails it at the end: the
    // model would otherwise read the file an earlier run left.
    bool companions = write_companion_site_file(record, layout, paths.site, line_ends, log);
    if (layout != control_layout::v2110) {
        companions = write_companion_herd_file(record, layout, paths.herd, line_ends, log) && companions;
        if (!write_point_source_file(record, paths.point_source, line_ends, log))
            return false;
    }
    if (layout == control_layout::v806 || layout == control_layout::v1307) {
        if (!write_hourly_precipitation_file(record, paths.hourly_precipitation, line_ends, log))
            return false;
    }
    companions = write_companion_weather_files(record, layout, paths.weather, paths.wind, line_ends, log) && companions;
    return companions;
}

} // namespace ivorn
