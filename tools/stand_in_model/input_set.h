// What the stand-in model takes from the file set of one run: the version the set was written
// for, the simulation period, the subareas with their schedules and soils, the print file's
// choices and the names it can look up. Everything the reports are derived from lives here.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/model_file_writer.h"

namespace ivorn::stand_in {

enum class model_version { v2110, v604, v806, v1307 };

int version_number(model_version version);
// 604, 806 and 1307 print the main report's tables with 12-character columns.
bool wide_main_report(model_version version);
// 806 and 1307 write the report files with one more heading line and wider columns.
bool newer_report_files(model_version version);

struct field_operation {
    int year = 0;
    int month = 0;
    int day = 0;
    int operation = 0;
    int tractor = 0;
    int crop = 0;
    int int_variable = 0;
    std::array<float, 7> parameters{};
};

inline constexpr int soil_layer_columns = 42;
inline constexpr int max_soil_layers = 10;

struct soil_profile {
    std::string name;
    std::string line_2;   // soil-wide values, kept as written
    std::string line_3;
    int layer_count = 0;  // layers from the top that have a depth
    // [layer column][layer]; the columns in the soil file's order (depth, bulk density, ...)
    std::array<std::array<float, max_soil_layers>, soil_layer_columns> layers{};
};

struct subarea_input {
    int position = 0;      // 1-based order in the subarea file
    long number = 0;       // the subarea ID
    float area = 0.0f;     // drainage area as written (may be negative)
    float channel_length = 0.0f;
    float slope = 0.0f;
    std::string block_text; // the subarea's lines, part of what makes its outputs its own
    std::string schedule_file;
    std::string soil_file;
    int land_use = 0;
    std::vector<field_operation> operations;
    soil_profile soil;
};

inline constexpr int output_switch_count = 30;

struct print_settings {
    std::vector<int> variable_numbers;                 // in print-file order
    std::array<int, output_switch_count> switches{};   // 0 off, otherwise on
    bool switch_on(int index) const { return switches[static_cast<size_t>(index)] != 0; }
};

struct reference_names {
    std::map<long, std::string> crops;        // crop number -> name
    std::map<long, int> operation_codes;      // operation number -> code
    std::map<long, std::string> pesticides;   // pesticide number -> name
    std::map<int, std::string> variables;     // output variable number -> name
};

struct input_set {
    model_version version = model_version::v2110;
    line_end_style line_ends = line_end_style::lf;
    std::string run_name;       // the base name of every report
    int duration = 0;           // years
    int start_year = 0;
    int start_month = 0;
    int start_day = 0;
    std::string control_text;   // the control file, part of what makes a run's outputs its own
    std::vector<subarea_input> subareas;
    print_settings print;
    reference_names names;
};

} // namespace ivorn::stand_in

namespace ivorn::stand_in {

// Layer columns of a soil file, in file order (the ones the stand-in uses by name).
enum soil_column : int {
    layer_depth = 0,
    bulk_density = 1,
    wilting_point = 2,
    field_capacity = 3,
    sand_content = 4,
    silt_content = 5,
    organic_n = 6,
    soil_ph = 7,
    sum_of_bases = 8,
    organic_carbon = 9,
    calcium_carbonate = 10,
    cation_exchange = 11,
    nitrate = 13,
    labile_p = 14,
    bulk_density_dry = 16,
    saturated_conductivity = 18,
    soil_water_storage = 24,
};

} // namespace ivorn::stand_in
