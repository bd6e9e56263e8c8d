// Everything read from one run's reports, held until the output tables are written: the main
// report's yearly values, crops, soils and watershed table, and the crop lists that the annual
// crop files add. Every array has a fixed limit; a report beyond one stops with an error.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_lookup.h"
#include "core/line_reader.h"

namespace ivorn {

class output_sink;

constexpr int max_report_subareas = 100;
constexpr int report_year_slots = 136; // the slot at the duration's index holds the averages
constexpr int max_report_years = report_year_slots - 1;
constexpr int max_report_variables = 200;
constexpr int max_subarea_crops = 10;
constexpr int max_report_selected = 10;
constexpr int months_per_year = 12;
constexpr int watershed_variable_count = 17;

enum class unit_factor { none, tonnage, depth, mass, small_mass, area, length, temperature };

using year_values = std::array<float, report_year_slots>;

struct schedule_crop {
    std::string name;
    float curve_number = 0.0f;
};

struct crop_yield_slot {
    std::string name;
    int harvest_count = 0;
    year_values yield{}, water_stress{}, nitrogen_stress{}, phosphorus_stress{}, yln{}, ylp{},
        temperature_stress{}, biomass{};
};

// A crop of the annual crop yield file with the nutrients applied in each year.
struct rotation_crop {
    std::string name;
    year_values nitrogen_applied{}, phosphorus_applied{};
};

// A crop of the subarea summary file with its average nutrient pair.
struct summary_crop {
    std::string name;
    float nitrogen = 0.0f;
    float phosphorus = 0.0f;
};

struct subarea_output {
    float area = 0.0f;
    float soil_depth = 0.0f, soil_water_1 = 0.0f, soil_water_2 = 0.0f, soil_bulk_density = 0.0f,
          soil_sand = 0.0f, soil_clay = 0.0f, soil_ph = 0.0f;
    // Fc, Wp and bulk density of each year, from the line after each monthly table.
    year_values yearly_soil_1{}, yearly_soil_2{}, yearly_soil_3{};
    std::array<std::array<float, months_per_year>, report_year_slots> monthly_residue{};
    std::array<schedule_crop, max_subarea_crops> schedule_crops{};
    int crop_count = 0;
    std::array<crop_yield_slot, max_subarea_crops> crop_yields{};
    std::array<rotation_crop, max_subarea_crops> rotation_crops{};
    std::array<summary_crop, max_subarea_crops> summary_crops{};
};

struct selected_output_variable {
    std::string name; // right-justified to 4 characters, as the report prints it
    std::string english_unit_label;
};

class vorn_output_class {
public:
    vorn_output_class();

    // --- read by the report reader -------------------------------------------------------------
    int start_year = 1999;
    int start_month = 0;
    int start_day = 0;
    int duration = 0;
    int subarea_count = 0;
    std::vector<subarea_output> subareas;
    std::vector<std::string> variable_names;
    std::array<std::array<std::array<float, months_per_year>, report_year_slots>, watershed_variable_count>
        watershed{};

    // --- set before any file is read -----------------------------------------------------------
    int vorn_version = 2110;
    std::int32_t run_id = 0;
    long select_id = 0;
    std::string first_printed_variable;
    std::string last_printed_variable;
    std::array<selected_output_variable, max_report_selected> selected{};
    // Every variable the list has the model print, without blanks: a line that starts with one
    // of them is a table line, never a page heading.
    std::vector<std::string> printed_variables;
    bool english = false;
    float tonnage = 1.0f, depth = 1.0f, mass = 1.0f, small_mass = 1.0f, area_factor = 1.0f, length = 1.0f;
    // Stored-year window in years counted from 1 for the run's first year.
    int window_first = 1;
    int window_last = 100;
    // The report files: directory (with separator, or empty) and base name.
    std::string directory;
    std::string base_name;
    // The Selected Variables rows are written when this is set; `selected_variables_written` says
    // whether they were.
    bool selection_changed = false;
    bool selected_variables_written = false;

    // --- what the log is told besides errors ---------------------------------------------------
    // Lines for the run log that do not stop the load (crops left out), and the fields of the
    // main report printed as stars.
    std::string notes;
    int report_stars = 0;

    // --- errors --------------------------------------------------------------------------------
    bool error_flag = false;
    std::string error_text;
    void record_error(std::string_view text);
    void record_error(std::string_view text, std::string_view detail);

    // Every array, name, count and status cleared; start year and duration kept.
    void reset();
    void set_english_units(bool on);
    float factor(unit_factor kind) const;
    float convert(float value, unit_factor kind) const;
    bool wide_layout() const { return vorn_version == 604 || vorn_version == 806 || vorn_version == 1307; }
    bool in_relative_window(long long year) const { return year >= window_first && year <= window_last; }
    bool in_calendar_window(long long year) const;
    // A 0-based year index inside the window.
    bool year_index_in_window(int y) const { return y + 1 >= window_first && y + 1 <= window_last; }
    // The path of a report file of this run: base name + extension, found whatever its case.
    std::string report_path(std::string_view extension) const;

    // --- the yearly value table -----------------------------------------------------------------
    // Index of a variable name, appended when absent; -1 (with an error) past the limit.
    int variable_index(std::string_view name);
    bool set_yearly_value(int subarea, int variable, int year, std::string_view value_text);
    // Always true; a value the report did not give records "value not set" and leaves `result`.
    bool get_yearly_value(int subarea, std::string_view name, int year, float& result);

    // --- the main report ------------------------------------------------------------------------
    bool read_report(output_sink& sink, bool want_yearly, bool want_watershed, bool want_residue, std::string& log);

    // Whether the model finished: a main report that exists must end with "TOTAL RUN TIME" at
    // column 11. False (with "VORN did not finish" in the log) when it does not; true when the
    // model wrote no main report, which only a load that asks for it refuses.
    bool check_finished(std::string& log);

    // Scanning primitives over the open report.
    bool find_line(int column, std::string_view target);
    bool skip_lines(int count);
    bool next_line();
    const std::string& current_line() const { return line_; }

private:
    void read_general_information();
    int scan_blocks(int start_column, std::string_view start_target, std::string_view other_target, int end_column,
                    std::string_view end_target, int subarea, bool outer);
    bool read_schedule_crop(int subarea, int& crop_count);
    bool read_subarea_areas();
    bool read_monthly_table(int subarea, int year);
    enum class line_step { next, end, failed };
    line_step variable_step(int subarea, int year_index, bool wide);
    bool end_of_monthly_table(bool wide) const;
    void skip_page_heading();
    bool starts_table_line() const;
    bool read_report_field(int first, int last, float& value);
    void read_yearly_soil_values(int subarea, int year_index);
    bool read_crop_yields(int subarea, int year);
    bool read_stresses(float stresses[4]);
    bool place_crop(int subarea, int year_index, const std::string& name, const float values[8]);
    bool read_watershed_table(int year_index);
    bool read_soil_properties(int subarea);
    bool report_not_finished(std::string& log);
    void count_crops();

    // Place of a year and subarea within one variable's block.
    static size_t value_slot(int year, int subarea);
    // The variable's block of values and their states, made when its first value arrives: the
    // table holds only the variables the report printed, not room for 200 of them at every load.
    struct variable_values {
        std::vector<float> values;
        std::vector<std::uint8_t> status;
    };
    variable_values& values_of(int variable);

    std::vector<variable_values> yearly_;
    // The model directory's names, read at most once per load for the reports it lacks.
    mutable std::unique_ptr<directory_lookup> files_;
    mutable std::string files_directory_;
    line_reader report_;
    std::string line_;
};

// Lines of a file read with a search like the report's own, into the caller's reader and buffer.
bool find_line_in(line_reader& file, std::string& line, int column, std::string_view target);

// Names compared over their first 10 characters, as the report reader compares them.
bool names_equal(std::string_view a, std::string_view b);

// The characters of 1-based columns first..last that the line (without its line end) holds.
std::string_view field_of(std::string_view line, int first, int last);
// The first blank-separated word of a text, at most `max_length` characters.
std::string first_word(std::string_view text, size_t max_length);

} // namespace ivorn
