// List files of a run.
#include "run/list_files.h"

#include "core/default_file_names.h"
#include "core/text_utils.h"
#include "site/weather_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

struct list_line {
    const char* key; // the key field, exactly 10 characters
    const char* file;
    int first_line_of_versions; // 0: every version; 604: 604, 806, 1307; 806: 806 and 1307
};

const list_line model_file_list_lines[] = {
    {" FSITE    ", file_names::site_list, 0},      {" FSUB     ", file_names::subarea_list, 0},
    {" FWPM1    ", file_names::weather_list, 0},   {" FWIND    ", file_names::wind_list, 0},
    {" FCROP    ", file_names::crops, 0},          {" FTILL    ", file_names::tillage, 0},
    {" FPEST    ", file_names::pesticides, 0},     {" FFERT    ", file_names::fertilizers, 0},
    {" FSOIL    ", file_names::soil_list, 0},      {" FOPSC    ", file_names::operation_list, 0},
    {" FTR55    ", "tr552110.dat", 0},             {" FPARM    ", file_names::parameters, 0},
    {" FMLRN    ", "mlrn2110.dat", 0},             {" FPRNT    ", file_names::print, 0},
    {" FHERD    ", file_names::herd, 604},         {" FWLST    ", file_names::daily_weather_list, 604},
    {" FPSOD    ", file_names::point_source, 604}, {" FRFDT    ", file_names::hourly_precipitation, 806},
};

bool line_belongs(const list_line& line, int vorn_version)
{
    if (line.first_line_of_versions == 604)
        return has_farm_files(vorn_version);
    if (line.first_line_of_versions == 806)
        return is_wide_version(vorn_version);
    return true;
}

} // namespace

bool has_farm_files(int vorn_version) { return vorn_version == 604 || is_wide_version(vorn_version); }

bool is_wide_version(int vorn_version) { return vorn_version == 806 || vorn_version == 1307; }

bool write_model_file_list(const std::string& working_directory, int vorn_version, line_end_style line_ends,
                           std::string& log)
{
    const std::string path = working_directory + file_names::model_file_list;
    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += "ERROR, unable to open VORN name file " + path + "\r\n";
        return false;
    }
    for (const auto& line : model_file_list_lines) {
        if (line_belongs(line, vorn_version))
            file.printf("%s%s\n", line.key, line.file);
    }
    file.write("\n\n\n\n\n");
    if (!file.close()) {
        log += "ERROR, unable to open VORN name file " + path + "\r\n";
        return false;
    }
    return true;
}

void write_run_file(const std::string& working_directory, int vorn_version, line_end_style line_ends, std::string& log)
{
    const std::string path = working_directory + file_names::run_file;
    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += "ERROR, unable to open VORN run file " + path + "\r\n";
        return;
    }
    const char* tail = "   1   1   1   1";
    if (vorn_version == 604)
        tail = "   1   1   1   1   0\n";
    else if (is_wide_version(vorn_version))
        tail = "   1   1   1   1   0   0\n";
    file.printf("vorn%s\n", tail);
    if (!file.close())
        log += "ERROR, unable to open VORN run file " + path + "\r\n";
}

void write_one_line_lists(const std::string& working_directory, line_end_style line_ends, std::string& log)
{
    const std::pair<const char*, const char*> lists[] = {{file_names::subarea_list, file_names::subareas},
                                                         {file_names::site_list, file_names::site},
                                                         {file_names::weather_list, file_names::weather},
                                                         {file_names::wind_list, file_names::wind}};
    for (const auto& [list, named] : lists) {
        const std::string path = working_directory + list;
        model_file_writer file;
        if (!file.open(path, line_ends)) {
            log += "ERROR, unable to open VORN run file " + path + "\r\n";
            continue;
        }
        file.printf(" 1    %s\n", named);
        if (!file.close())
            log += "ERROR, unable to open VORN run file " + path + "\r\n";
    }
}

bool write_daily_weather_list(database& db, const std::string& working_directory, line_end_style line_ends,
                              const std::function<void(const std::string&)>& message_box, std::string& log)
{
    recordset set;
    std::string ignored;
    if (!set.open(db, daily_weather_filenames_table(), {}, ignored, recordset::mode::read_only)) {
        if (message_box)
            message_box("Cannot open table Daily Weather Filename\r\n");
        return false;
    }
    const std::string path = working_directory + file_names::daily_weather_list;
    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += "ERROR, unable to open VORN file:" + path + "\r\n";
        return false;
    }
    // The model takes at most 99 characters of a name; a longer one is cut, and said so.
    constexpr size_t longest_daily_weather_name = 99;
    for (set.move_first(); !set.is_eof(); set.move_next()) {
        const int number = static_cast<int>(set.get_integer("Daily Weather Number"));
        const std::string name = set.get_text("Daily Weather Filename");
        if (name.size() > longest_daily_weather_name)
            log += format_printf("Daily weather file name %d is longer than %zu characters and was cut: %s\r\n",
                                 number, longest_daily_weather_name, name.c_str());
        file.printf("%4d %s %8.2lf %8.2lf\n", number, cut_to_width(name, longest_daily_weather_name).c_str(),
                    static_cast<double>(static_cast<float>(set.get_real("Longitude"))),
                    static_cast<double>(static_cast<float>(set.get_real("Latitude"))));
    }
    if (!file.close()) {
        log += "ERROR, unable to open VORN file:" + path + "\r\n";
        return false;
    }
    return true;
}

} // namespace ivorn
