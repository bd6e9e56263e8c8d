// How each output table reads as series over time: which columns name the record, the subarea,
// the year, month or day and a category (a crop, a pesticide), and the unit of each value column.
// Chart Output, Chart All Samples and `ivorn compare` all read these descriptions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/vorn_output_class.h"
#include "store/table_description.h"

namespace ivorn {

enum class series_step { yearly, monthly, daily };

struct series_layout {
    const table_description* table = nullptr;
    std::string id;       // the control record's ID
    std::string subarea;  // empty for tables of the whole watershed
    std::string year;
    std::string month;    // monthly tables only
    std::string day;      // daily tables only
    std::string category; // rows of one year told apart by a name (crop, pesticide); may be empty
    series_step step = series_step::yearly;

    // The columns a series can show: every number that is not one of the keys above.
    std::vector<std::string> value_columns() const;
    // The column's own spelling, or empty when it is not a value column.
    std::string value_column(std::string_view name) const;
};

// Every output table that holds rows over time, in the order the windows list them.
const std::vector<series_layout>& series_layouts();
// By table name, letter case and brackets ignored; null when the table holds no series.
const series_layout* find_series_layout(std::string_view table);

// Resolves a table and its columns as a user typed them. On failure the log names what is
// unknown and lists the valid names.
bool resolve_series_columns(std::string_view table, const std::vector<std::string>& columns,
                            const series_layout*& layout, std::vector<std::string>& resolved, std::string& log);

// The unit a column is stored in (metric, as the loaders store it without EnglishConvert).
unit_factor column_unit(const series_layout& layout, std::string_view column);
// "mm", "t/ha", ... ; empty for unitless values.
std::string unit_text(unit_factor unit);
// A water depth or an amount per hectare: over several subareas it is averaged weighted by area.
bool is_depth_or_rate(unit_factor unit);
// The column holding a subarea's area in this table, or empty.
std::string area_column(const series_layout& layout);

} // namespace ivorn
