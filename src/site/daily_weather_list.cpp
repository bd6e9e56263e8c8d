// Writing the daily weather list from its table.
#include "site/daily_weather_list.h"

#include "core/text_utils.h"
#include "site/weather_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

// The model reads a listed name into a buffer of this many characters.
constexpr size_t daily_weather_name_width = 99;

} // namespace

bool write_daily_weather_list(database& db, const std::string& path, line_end_style line_ends, std::string& log)
{
    recordset rows;
    std::string ignored;
    if (!rows.open(db, daily_weather_filenames_table(), {}, ignored, recordset::mode::read_only)) {
        log += "Cannot open table Daily Weather Filename\r\n";
        return false;
    }
    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += "Unable to open daily weather list " + path + " for writing\r\n";
        return false;
    }
    for (; !rows.is_eof(); rows.move_next()) {
        const std::string name = rows.get_text("Daily Weather Filename");
        if (name.size() > daily_weather_name_width)
            log += format_printf("Daily weather file name cut to %zu characters: %s\r\n", daily_weather_name_width,
                                 name.c_str());
        file.printf("%4d %s %8.2lf %8.2lf\n", static_cast<int>(rows.get_integer("Daily Weather Number")),
                    cut_to_width(name, daily_weather_name_width).c_str(), rows.get_real("Longitude"),
                    rows.get_real("Latitude"));
    }
    if (!file.close()) {
        log += "Unable to write daily weather list " + path + "\r\n";
        return false;
    }
    return true;
}

} // namespace ivorn
