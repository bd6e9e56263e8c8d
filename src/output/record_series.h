// What Chart Output draws for one control record: the chosen columns of one output table over
// time, per subarea or combined over the subareas, with labels, units and legend texts ready.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "output/output_series.h"
#include "store/database.h"

namespace ivorn {

struct record_series_request {
    std::int32_t record_id = 0;
    std::string table;
    std::vector<std::string> columns;
    std::optional<int> subarea; // only this subarea
    bool each_subarea = false;  // one series per subarea
};

struct series_point {
    double x = 0; // the year, with months and days as fractions of it
    double y = 0;
};

struct chart_series {
    std::string name; // the legend text
    std::string column;
    std::vector<series_point> points;
};

struct record_chart {
    std::string title;
    std::string x_title;
    std::string y_title; // the values' units
    series_step step = series_step::yearly;
    std::vector<chart_series> series;
};

// On failure the log says why: an unknown table or column (with the valid names), a subarea
// asked of a table without subareas, or a record without rows in the table.
bool load_record_chart(database& db, const record_series_request& request, record_chart& chart, std::string& log);

// The label of a column: for "Selected Variable K" the model variable name that "Selected
// Variables" records for the Select Id of the record's rows; the column's own name otherwise.
std::string column_label(database& db, const series_layout& layout, std::int32_t record_id, const std::string& column);

} // namespace ivorn
