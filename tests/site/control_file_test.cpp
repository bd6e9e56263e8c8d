// The control file byte for byte in its four layouts, the companion files it owns, and reading
// lines 1 to 6 back on import.
#include "site/control_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/line_reader.h"
#include "shell/app_settings.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class ControlFile : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir.file(name); }
    static std::string contents(const std::string& file) { return testing::read_file(file); }
    std::vector<std::string> lines(const std::string& file) const
    {
        std::vector<std::string> result;
        std::istringstream in(contents(file));
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }
    void write_file(const std::string& name, const std::string& text) const { testing::write_file(path(name), text); }

    // Distinct values in line 2 and line 6, so each layout's field order shows.
    static void number_version_fields(control_record& r)
    {
        int* line_2[] = {&r.manure_application_code, &r.lagoon_pump_trigger, &r.manure_scrapping_interval,
                         &r.steepness_factor_code, &r.air_quality_analysis, &r.flood_routing,
                         &r.atmospheric_co2_code, &r.field_capacity_method, &r.denitrification_method, &r.auto_p,
                         &r.subarea_print_code, &r.times_seeds_initialized, &r.select_directory,
                         &r.auto_mow_interval, &r.mosk_kemanian_function, &r.use_lat_for_subareas, &r.grazing_mode,
                         &r.duration_of_rain, &r.real_time_day_of_year, &r.hperc, &r.hay_feeding};
        for (int i = 0; i < 21; ++i)
            *line_2[i] = i + 1;
        r.erosion_equation = 2.7f;
        r.fraction_controlled_by_ponds = 0.1234f;
        r.reach_channel_usle_c_factor = 0.5f;
        r.irrigation_salt_concentration = 1.5f;
        r.vertical_crack = 0.25f;
        r.horizontal_crack = 0.75f;
        r.p2_bulk_density[0] = 1.1f;
        r.p2_bulk_density[1] = 1.2f;
        r.p2_bulk_density[2] = 1.3f;
    }

    testing::temp_dir dir;
    control_file_paths paths{path("vorncont.dat"), path("ivsite.dat"), path("ivweath.dat"), path("ivwind.dat"),
                             path("ivherd.dat"),   path("ivpso.dat"),  path("ivrfdt.dat")};
    app_settings settings;
};

TEST_F(ControlFile, DefaultRecordIn2110LayoutByteForByte)
{
    control_record record(settings);
    std::string log;
    ASSERT_TRUE(write_control_file(record, 2110, line_end_style::lf, paths, log));
    EXPECT_EQ(contents(paths.control),
              "  30   1   1   1  11   0   0   0   0   1   0   0   0   0   0   0   0   0   0   0\n"
              "   0   0   0   0   0   0   0   0   0   0   0\n"
              "   0.800 350.000   0.000   0.000     0.0   0.000   0.000   0.000   0.000   0.000\n"
              "   0.000   0.000   0.000   0.000   0.000   0.000   0.000   2.000   2.000  90.000\n"
              "    0.00   0.000    0.00   0.000   0.000   0.000   0.000       0   0.000   0.000\n"
              "     3.0     0.0   1.588  0.5600  0.5600  0.1200\n"
              "\n");
    EXPECT_EQ(log, "");
    EXPECT_FALSE(std::filesystem::exists(paths.point_source));
    EXPECT_FALSE(std::filesystem::exists(paths.hourly_precipitation));
}

TEST_F(ControlFile, CrlfLineEndsEndEveryLineIncludingTheEmptySeventh)
{
    control_record record(settings);
    std::string log;
    ASSERT_TRUE(write_control_file(record, 2110, line_end_style::crlf, paths, log));
    const std::string text = contents(paths.control);
    EXPECT_EQ(text.substr(0, 82), "  30   1   1   1  11   0   0   0   0   1   0   0   0   0   0   0   0   0   0   0\r\n");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST_F(ControlFile, PrintCodeSevenWithIntervalOneFillsColumns17To20)
{
    control_record record(settings);
    record.print_code = 7;
    std::string log;
    ASSERT_TRUE(write_control_file(record, 2110, line_end_style::lf, paths, log));
    EXPECT_EQ(lines(paths.control)[0].substr(16, 4), "  17");
}

TEST_F(ControlFile, TwoDigitPrintCodeWidensLineOne)
{
    control_record record(settings);
    record.print_code = 12;
    std::string log;
    ASSERT_TRUE(write_control_file(record, 2110, line_end_style::lf, paths, log));
    EXPECT_EQ(lines(paths.control)[0],
              "  30   1   1   1  112   0   0   0   0   1   0   0   0   0   0   0   0   0   0   0");
}

TEST_F(ControlFile, LinesTwoAndSixFollowTheModelVersion)
{
    struct layout_case {
        int version;
        const char* line_2;
        const char* line_6;
    };
    const layout_case cases[] = {
        {2110, "   1   2   3   4   5   6   7   8   9  10  11", "     2.7     1.5   1.588  0.5600  0.5600  0.1200"},
        {9999, "   1   2   3   4   5   6   7   8   9  10  11", "     2.7     1.5   1.588  0.5600  0.5600  0.1200"},
        {604, "   1   2   3   4   5   6   7   8  12  13  14  15   9  11",
         "     2.7  0.1234   0.500   1.588  0.5600  0.5600  0.1200"},
        {806, "   1   2   3   4   5   6   7   8  12  13  14  15   9  16  10  17  18  19  11",
         "     2.7  0.1234   0.500   1.588  0.5600  0.5600  0.1200"},
        {1307, "   1   2   3   4   5   6   7   8  12  13  14  15   9  16  10  17  18  19  20  21",
         "     2.7  0.1234   0.500   1.500  0.2500  0.7500  1.1000  1.2000  1.3000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        control_record record(settings);
        number_version_fields(record);
        std::string log;
        ASSERT_TRUE(write_control_file(record, c.version, line_end_style::lf, paths, log));
        const auto written = lines(paths.control);
        ASSERT_EQ(written.size(), 7u);
        EXPECT_EQ(written[1], c.line_2);
        EXPECT_EQ(written[5], c.line_6);
        EXPECT_EQ(written[6], "");
    }
}

TEST_F(ControlFile, LineThreeCarriesTheStationValues)
{
    control_record record(settings);
    record.weather_station.years_max_month_records = 10.0f;
    record.weather_station.wet_dry_probability_coefficient = 0.25f;
    record.weather_station.rain_distribution = 0.5f;
    record.weather_station.two_year_24_hour_rainfall = 1.75f;
    record.held_station_values = {99.0f, 99.0f, 99.0f, 99.0f};
    record.exponent_in_flow_rate_eq = 1.5f;
    record.ave_upland_slope = 0.05f;
    std::string log;
    ASSERT_TRUE(write_control_file(record, 2110, line_end_style::lf, paths, log));
    EXPECT_EQ(lines(paths.control)[2],
              "   0.800 350.000   0.000   0.000    10.0   0.250   0.500   1.750   1.500   0.050");
}

TEST_F(ControlFile, PointSourceFileListsTheNamesForLaterVersions)
{
    control_record record(settings);
    record.pointsource_files = {"ps1.dat", "farm two.dat"};
    std::string log;
    ASSERT_TRUE(write_control_file(record, 604, line_end_style::lf, paths, log));
    EXPECT_EQ(contents(paths.point_source), "ps1.dat\nfarm two.dat\n");
    EXPECT_FALSE(std::filesystem::exists(paths.hourly_precipitation));
}

TEST_F(ControlFile, HourlyPrecipitationFileIsCreatedEmptyUnlessRunoffMethodFour)
{
    control_record record(settings);
    record.rfdt_filename = "rain.dat";
    record.runoff_estimation_methodology = 3;
    std::string log;
    ASSERT_TRUE(write_control_file(record, 806, line_end_style::lf, paths, log));
    EXPECT_TRUE(std::filesystem::exists(paths.hourly_precipitation));
    EXPECT_EQ(contents(paths.hourly_precipitation), "");
    record.runoff_estimation_methodology = 4;
    ASSERT_TRUE(write_control_file(record, 1307, line_end_style::lf, paths, log));
    EXPECT_EQ(contents(paths.hourly_precipitation), "    1 rain.dat\n");
}

TEST_F(ControlFile, UnwritableFilesFailWithTheirMessages)
{
    control_record record(settings);
    const std::string missing = path("no such dir/vorncont.dat");
    control_file_paths bad = paths;
    bad.control = missing;
    std::string log;
    EXPECT_FALSE(write_control_file(record, 2110, line_end_style::lf, bad, log));
    EXPECT_EQ(log, "Unable to open VORN input file " + missing + "\r\n");
    log.clear();
    EXPECT_FALSE(write_control_file(record, 1307, line_end_style::lf, bad, log));
    EXPECT_EQ(log, "Unable to open header file " + missing + "\r\n");

    bad = paths;
    bad.point_source = path("no such dir/ivpso.dat");
    log.clear();
    EXPECT_FALSE(write_control_file(record, 806, line_end_style::lf, bad, log));
    EXPECT_EQ(log, "Unable to open point source file for writing");

    bad = paths;
    bad.hourly_precipitation = path("no such dir/ivrfdt.dat");
    log.clear();
    EXPECT_FALSE(write_control_file(record, 806, line_end_style::lf, bad, log));
    EXPECT_EQ(log, "Unable to open hourly precip file for writing");

    // A site file that cannot be written fails the control file at the end; the rest is written.
    bad = paths;
    bad.site = path("no such dir/ivsite.dat");
    std::filesystem::remove(paths.wind);
    log.clear();
    EXPECT_FALSE(write_control_file(record, 2110, line_end_style::lf, bad, log));
    EXPECT_NE(log, "");
    EXPECT_TRUE(std::filesystem::exists(paths.wind));
}

// Lines 1 to 6 with no subareas: without a run file the subarea set is 0, which a subarea list
// beside the control file names as a file whose list ends at once.
control_import_paths import_paths(const control_file_paths& written, const std::string& run)
{
    control_import_paths paths;
    paths.control = written.control;
    paths.run = run;
    paths.subarea_list = written.control + ".subarea_list";
    std::ofstream(paths.subarea_list, std::ios::binary) << "   0 " << written.control << ".subareas\n";
    std::ofstream(written.control + ".subareas", std::ios::binary) << "\n";
    return paths;
}

TEST_F(ControlFile, WrittenImportedAndWrittenAgainGivesTheSameLinesOneToSix)
{
    control_record original(settings);
    number_version_fields(original);
    original.times_seeds_initialized = 0; // not read back
    original.simulation_length = 25;
    original.beginning_year = 1990;
    original.print_code = 7;
    original.potential_et = 4;
    original.np_uptake_code = 1;
    original.rainfall_nitrogen_concentration = 0.75f;
    original.weather_station.years_max_month_records = 12.5f;
    original.weather_station.wet_dry_probability_coefficient = 0.625f;
    original.weather_station.rain_distribution = 0.125f;
    original.weather_station.two_year_24_hour_rainfall = 2.25f;
    original.channel_bottom_width = 3.25f;
    original.field_angle = 45.5f;
    original.power_parameter = 0.25f;
    original.flood_routing_time = 13.0f; // written with no decimals
    original.routing_when_reach_storage = 0.875f;
    original.musi_parameter[3] = 0.1234f;
    std::string log;
    ASSERT_TRUE(write_control_file(original, 2110, line_end_style::crlf, paths, log));
    const std::string first = contents(paths.control);

    control_record imported(settings);
    imported.modified = false;
    // Without its site list the import stops at the site step, after lines 1 to 6.
    EXPECT_FALSE(import_control_file(imported, import_paths(paths, path("missing run file")), log));
    EXPECT_TRUE(imported.modified);
    // Line 3's station values are held apart from the station the record uses.
    EXPECT_FLOAT_EQ(imported.held_station_values.years_max_month_records, 12.5f);
    EXPECT_FLOAT_EQ(imported.held_station_values.wet_dry_probability_coefficient, 0.625f);
    EXPECT_FLOAT_EQ(imported.held_station_values.rain_distribution, 0.125f);
    EXPECT_FLOAT_EQ(imported.held_station_values.two_year_24_hour_rainfall, 2.25f);
    EXPECT_NE(log.find("Cannot open sitelist file"), std::string::npos) << log;
    imported.weather_station = original.weather_station;
    ASSERT_TRUE(write_control_file(imported, 2110, line_end_style::crlf, paths, log));
    EXPECT_EQ(contents(paths.control), first);
}

TEST_F(ControlFile, AutoPOneAndSubareaPrintCodeZeroReadBack)
{
    write_file("vorncont.dat", "\n   0   0   0   0   0   0   0   0   0   1   0\n\n\n\n\n\n");
    control_record record(settings);
    record.subarea_print_code = 5;
    std::string log;
    import_control_file(record, import_paths(paths, ""), log);
    EXPECT_EQ(record.auto_p, 1);
    EXPECT_EQ(record.subarea_print_code, 0);
}

TEST_F(ControlFile, FiveLineFileStopsAtLineSixKeepingEarlierFields)
{
    write_file("vorncont.dat",
               "  25   1   1   1  17\n"
               "   2\n"
               "   1.000\n"
               "   4.000\n"
               "    5.00\n");
    control_record record(settings);
    std::string log;
    EXPECT_FALSE(import_control_file(record, import_paths(paths, ""), log));
    EXPECT_EQ(log, "Unable to read line 6 of control record.\r\nFile " + path("vorncont.dat") + ", line 6.\r\n");
    EXPECT_EQ(record.simulation_length, 25);
    EXPECT_EQ(record.print_code, 7);
    EXPECT_EQ(record.manure_application_code, 2);
    EXPECT_FLOAT_EQ(record.power_parameter, 5.0f);
    // Line 6 was never read: the default stays.
    EXPECT_FLOAT_EQ(record.erosion_equation, 3.0f);
}

TEST_F(ControlFile, MissingOrBinaryControlFileCannotBeRead)
{
    control_record record(settings);
    record.modified = false;
    std::string log;
    EXPECT_FALSE(import_control_file(record, import_paths(paths, ""), log));
    EXPECT_EQ(log, "Unable to read control file.\r\n");
    EXPECT_FALSE(record.modified);

    write_file("vorncont.dat", std::string("  30\0  1\n", 9));
    log.clear();
    EXPECT_FALSE(import_control_file(record, import_paths(paths, ""), log));
    EXPECT_NE(log.find("Unable to read control file.\r\n"), std::string::npos);
    EXPECT_EQ(record.simulation_length, 30);
}

TEST_F(ControlFile, RunFileNumbersComeFromColumnsNineTo24)
{
    write_file("vornrun.dat", "run name   3  14 215   6\r\n");
    std::string log;
    const run_file_numbers numbers = read_run_file_numbers(path("vornrun.dat"), log);
    EXPECT_EQ(numbers.site, 3);
    EXPECT_EQ(numbers.weather, 14);
    EXPECT_EQ(numbers.wind, 215);
    EXPECT_EQ(numbers.subarea, 6);
    const run_file_numbers none = read_run_file_numbers(path("absent.dat"), log);
    EXPECT_EQ(none.site + none.weather + none.wind + none.subarea, 0);
}

} // namespace
} // namespace ivorn
