// Every model data file reader refuses a number that its field's type cannot hold, naming file,
// line and columns, and reads on when a field merely holds no number.
#include <gtest/gtest.h>

#include <functional>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "reference/vorn_operation.h"
#include "reference/parameter_set.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_field_operation.h"
#include "reference/vorn_pesticide.h"
#include "shell/app_settings.h"
#include "site/control_file.h"
#include "site/site_file.h"
#include "site/vorn_soil.h"
#include "site/vorn_subarea.h"
#include "site/vorn_weather_station.h"
#include "support/stand_in_inputs.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::repeat;
using testing::temp_dir;
using testing::write_file;

struct input_case {
    const char* name;
    std::string text;          // the file "f.dat"
    std::string list_text;     // "list.dat" when the reader goes through a list file
    std::function<bool(const temp_dir&, std::string&)> read;
    std::string message;       // after "Number beyond a single float: PATH "; empty when it reads
};

const std::string eight_ones = repeat("     1.0", 60);
const std::string big = " 9.9e+99";

bool read_crops(const temp_dir& dir, std::string& log)
{
    vorn_production_supply_list crops;
    return read_crop_file(crops, dir.file("f.dat"), log);
}

bool read_fertilizers(const temp_dir& dir, std::string& log)
{
    vorn_production_supply_list fertilizers;
    return read_fertilizer_file(fertilizers, dir.file("f.dat"), log);
}

bool read_pesticides(const temp_dir& dir, std::string& log)
{
    vorn_production_supply_list pesticides;
    return read_pesticide_file(pesticides, dir.file("f.dat"), log);
}

bool read_tillage(const temp_dir& dir, std::string& log)
{
    operation_list_class operations;
    return operations.read_tillage_file(dir.file("f.dat"), 2110, log);
}

bool read_parameters(const temp_dir& dir, std::string& log)
{
    parameter_set parameters;
    return parameters.read_parameter_file(dir.file("f.dat"), 2110, log);
}

bool read_schedule(const temp_dir& dir, std::string& log)
{
    schedule_header header;
    field_operation_list operations;
    return read_schedule_file(dir.file("f.dat"), {1, 1}, header, operations, log);
}

bool read_soil(const temp_dir& dir, std::string& log) { return vorn_soil().read_soil_file(dir.file("f.dat"), log); }

bool read_station(const temp_dir& dir, std::string& log, bool weather)
{
    line_reader file;
    EXPECT_EQ(file.open(dir.file("f.dat"), log), line_reader::open_result::opened);
    vorn_weather_station station;
    return weather ? station.import_weather(file, log) : station.import_wind(file, log);
}

bool read_site(const temp_dir& dir, std::string& log)
{
    app_settings settings;
    control_record record(settings);
    vorn_weather_station station;
    return import_site_file(record, station, 1, dir.file("list.dat"), log);
}

bool read_subarea(const temp_dir& dir, std::string& log)
{
    line_reader in;
    EXPECT_EQ(in.open(dir.file("f.dat"), log), line_reader::open_result::opened);
    vorn_subarea subarea;
    bool end = false;
    return subarea.read_subarea(in, dir.file("soils.dat"), dir.file("ops.dat"), end, log);
}

bool read_control(const temp_dir& dir, std::string& log)
{
    app_settings settings;
    control_record record(settings);
    control_import_paths paths;
    paths.control = dir.file("f.dat");
    return import_control_file(record, paths, log);
}

std::string monthly_lines(int count, const std::string& first_line)
{
    return "\n\n" + first_line + repeat(repeat("   1.0", 12) + "\n", count - 1);
}

const std::vector<input_case>& input_cases()
{
    static const std::vector<input_case> cases = {
        {"crop", "h\nh\n    1 CORN" + big + eight_ones + "\n", "", read_crops, "line 3 columns 11-18"},
        {"crop, a field without a number", "h\nh\n    1 CORN   n/a  " + eight_ones + "\n", "", read_crops, ""},
        {"fertilizer", "    1 UREA    " + big + eight_ones + "\n", "", read_fertilizers, "line 1 columns 15-22"},
        {"pesticide", "ATRAZINE        " + big + eight_ones + "\n", "", read_pesticides, "line 1 columns 17-24"},
        {"tillage", "h\nh\n    1 PLOW     PLNT" + big + eight_ones + "\n", "", read_tillage, "line 3 columns 20-27"},
        {"parameter", "     1.0" + big + "\n", "", read_parameters, "line 1 columns 9-16"},
        {"schedule", "1\n   1   0\n 1 1 1   30    0    0    0" + big + "\n", "", read_schedule, "line 3 columns 27-35"},
        {"soil", "Silt loam\n    0.13    1.00" + big + "\n    1.00\n" + repeat("     1.0\n", 27), "", read_soil,
         "line 2 columns 17-24"},
        {"weather", monthly_lines(13, "   1.09.9e99" + repeat("   1.0", 10) + "\n"), "",
         [](const temp_dir& d, std::string& l) { return read_station(d, l, true); }, "line 3 columns 7-12"},
        {"wind", monthly_lines(17, repeat("   1.0", 11) + "9.9e99\n"), "",
         [](const temp_dir& d, std::string& l) { return read_station(d, l, false); }, "line 3 columns 67-72"},
        {"site", "\n\n\n" + big + eight_ones + "\n", "    1 f.dat\n", read_site, "line 4 columns 1-8"},
        {"subarea", "   1 subarea #1\n" + repeat("   1", 9) + "\n     1.0" + big + "\n", "", read_subarea,
         "line 3 columns 9-16"},
        {"control file", "\n\n" + big + eight_ones + "\n", "", read_control, "line 3 columns 1-8"},
    };
    return cases;
}

TEST(NumberBeyondFloat, EveryInputReaderRefusesItAndNamesTheField)
{
    for (const input_case& c : input_cases()) {
        SCOPED_TRACE(c.name);
        temp_dir dir;
        write_file(dir.file("f.dat"), c.text);
        if (!c.list_text.empty())
            write_file(dir.file("list.dat"), c.list_text);
        std::string log;
        const bool read = c.read(dir, log);
        if (c.message.empty()) {
            EXPECT_TRUE(read) << log;
            EXPECT_EQ(log.find("Number beyond"), std::string::npos) << log;
            continue;
        }
        EXPECT_FALSE(read);
        EXPECT_NE(log.find("Number beyond a single float: " + dir.file("f.dat") + " " + c.message + "\r\n"),
                  std::string::npos)
            << log;
    }
}

TEST(NumberBeyondFloat, IntegerFieldsBeyond32Bits)
{
    field_overflow overflow;
    overflow.check_long("   12 99999999999", 6, 17);
    ASSERT_TRUE(overflow.found());
    EXPECT_EQ(overflow.message("f.dat", 4), "Number beyond a 32-bit integer: f.dat line 4 columns 6-17\r\n");
    field_overflow blank;
    blank.check_long("   12     ", 6, 10);
    blank.check_float("  n/a ", 1, 6);
    EXPECT_FALSE(blank.found());
}

} // namespace
} // namespace ivorn
