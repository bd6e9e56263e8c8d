// Every column of every report the stand-in model writes, in one place: the main report's tables
// and marker lines, and the report files in each of their variants. The program's report reader
// and loaders pick fields out of exactly these columns, so this file is the contract between them.
#pragma once

#include "fixed_line.h"
#include "input_set.h"

namespace ivorn::stand_in {

// A run of equal fields: field k covers first + k*width to first + k*width + width - 1.
struct repeated_field {
    int first = 0;
    int width = 0;
    const char* format = "";
    column_field at(int k) const { return {first + k * width, first + k * width + width - 1, format}; }
};

// ---- main report (.OUT) ----

// A monthly table line: name, twelve months, the annual column and the name again at the right,
// where the reader finds the first printed variable.
struct monthly_table_columns {
    column_field name;
    repeated_field months;
    column_field annual;
    column_field trailing_name;
    int minimum_length;   // lines are padded to this length
};
const monthly_table_columns& monthly_table_layout(model_version version);
// The crop block (HUI and the other crop lines) is printed narrow in every version.
const monthly_table_columns& narrow_table_layout();

struct area_table_columns {
    const char* header;      // the reader finds this text at column 1
    const char* units;
    column_field index;
    column_field number;
    column_field area;
};
const area_table_columns& area_table_layout(model_version version);

struct schedule_listing_columns {
    const char* header;      // "Y M D" at column 7
    column_field year, month, day, operation, code, crop, tractor, int_variable;
    repeated_field parameters;
    column_field curve_number;
};
const schedule_listing_columns& schedule_listing_layout();

// The line of yearly soil values that follows each monthly table.
struct soil_year_columns {
    column_field layer, depth, porosity, field_capacity, wilting_point, soil_water, saturation, conductivity,
        bulk_density;
};
const soil_year_columns& soil_year_layout();

// The crop's yield line is read with a scan format, so it is printed with one.
const char* yield_line_format(model_version version);
// 2110 and 604: a word-scanned stress line; 806 and 1307: stresses at fixed columns.
const char* scanned_stress_line_format();
struct stress_columns {
    column_field water, nitrogen, phosphorus, temperature;
};
const stress_columns& fixed_stress_layout();

struct soil_table_columns {
    column_field layer, depth, porosity, field_capacity, wilting_point, soil_water, saturation, conductivity,
        bulk_density, dry_bulk_density, sand, silt, clay;
};
const soil_table_columns& soil_physical_layout();
struct soil_chemistry_columns {
    column_field layer, depth, ph, sum_of_bases, organic_carbon, calcium_carbonate, cation_exchange;
};
const soil_chemistry_columns& soil_chemistry_layout();
const char* soil_physical_header(model_version version);   // " NO     (M)" or " NO     (m)" at column 3
const char* soil_chemistry_header();                       // " NO" at column 3

// ---- report files ----

struct sus_columns {
    int heading_lines;
    int block_width;             // one block per crop
    column_field number, subarea, crop;   // relative to the block's start
    repeated_field values;
    int value_count;
    column_field last_value;     // fills the block to its width
};
const sus_columns& sus_layout();

struct acy_columns {
    int heading_lines;
    column_field number, subarea, calendar_year, year, crop, grain, forage, biomass, nitrogen_applied,
        phosphorus_applied, water_stress, nitrogen_stress, phosphorus_stress, temperature_stress, aeration_stress,
        salt_stress;
    repeated_field extras;       // columns the loader does not read
    int extra_count;
};
const acy_columns& acy_layout(model_version version);

struct acn_columns {
    int heading_lines;
    column_field year;           // on the block's third line
    column_field subarea;        // on the block's fourth line
    int label_width;             // value rows: a label, then one value per layer and the total
    repeated_field values;
};
const acn_columns& acn_layout(model_version version);

struct aps_columns {
    int heading_lines;
    column_field subarea, number, calendar_year, year, runoff, subsurface_flow, percolation, drainage, sediment,
        organic_carbon;
    column_field pesticide;
    repeated_field amounts;      // ten pesticide amounts
};
const aps_columns& aps_layout(model_version version);

// The pesticide columns of the SWAT files: names on the last heading line, and per pesticide its
// runoff and sediment amounts.
struct pesticide_columns {
    repeated_field names;
    int max_pesticides;
    int group_width;
    column_field runoff, sediment;   // of pesticide 0; pesticide k is group_width*k further right
};

struct msw_columns {
    int heading_lines;
    int lines_after_heading;
    column_field year, month, runoff, sediment, nitrogen_sediment, phosphorus_sediment, nitrogen_runoff,
        phosphorus_runoff;
    pesticide_columns pesticides;
};
const msw_columns& msw_layout(model_version version);

struct swt_columns {
    int heading_lines;
    int lines_after_heading;
    column_field day, year, runoff, sediment, nitrogen_sediment, phosphorus_sediment, nitrogen_runoff,
        phosphorus_runoff;
    pesticide_columns pesticides;
};
const swt_columns& swt_layout(model_version version);

struct awp_columns {
    int heading_lines;
    column_field year;
    repeated_field values;
    int value_count;
};
const awp_columns& awp_layout(model_version version);

struct msa_columns {
    int heading_lines;
    column_field subarea, number, calendar_year, year, name;
    repeated_field months;
    column_field annual;
    const char* const* names;    // in the order the loader looks for them
    int name_count;
};
const msa_columns& msa_layout(model_version version);

} // namespace ivorn::stand_in
