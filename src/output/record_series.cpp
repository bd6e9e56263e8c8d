// Reads a record's series with the one per-step query and names them for the legend.
#include "output/record_series.h"

#include <sqlite3.h>

#include <map>

#include "core/text_utils.h"
#include "output/series_sql.h"

namespace ivorn {

namespace {

double step_x(series_step step, int year, int part)
{
    switch (step) {
    case series_step::monthly: return year + (part - 1) / 12.0;
    case series_step::daily: return year + (part - 1) / 366.0;
    case series_step::yearly: break;
    }
    return year;
}

// How many subareas the record has in this table and whether any of them has a known area.
void subarea_facts(database& db, const series_layout& layout, std::int32_t id, int& count, bool& areas_known)
{
    count = 0;
    areas_known = false;
    if (layout.subarea.empty())
        return;
    const std::string own = area_column(layout);
    const std::string sql =
        "SELECT COUNT(DISTINCT " + quote_identifier(layout.subarea) + "), " +
        (own.empty() ? "(SELECT COUNT(*) FROM \"Average Output\" WHERE \"Farm Id\" = ?1 AND \"Area by Field\" > 0)"
                     : "SUM(" + quote_identifier(own) + " > 0)") +
        " FROM " + quote_identifier(layout.table->name) + " WHERE " + quote_identifier(layout.id) + " = ?1";
    cached_statement statement = db.statement(sql);
    if (!statement)
        return;
    sqlite3_bind_int64(statement.get(), 1, id);
    if (sqlite3_step(statement.get()) == SQLITE_ROW) {
        count = sqlite3_column_int(statement.get(), 0);
        areas_known = sqlite3_column_int64(statement.get(), 1) > 0;
    }
}

std::string series_name(const std::string& label, const std::string& category, int subarea, bool per_subarea,
                        const std::string& combined)
{
    std::string name = label;
    if (!category.empty())
        name += " " + category;
    if (per_subarea)
        name += format_printf(", subarea %d", subarea);
    else if (!combined.empty())
        name += " (" + combined + ")";
    return name;
}

std::string y_title_of(const series_layout& layout, const std::vector<std::string>& columns)
{
    std::string units;
    for (const std::string& column : columns) {
        const std::string unit = unit_text(column_unit(layout, column));
        if (!unit.empty() && units.find(unit) == std::string::npos)
            units += (units.empty() ? "" : ", ") + unit;
    }
    return units;
}

} // namespace

std::string column_label(database& db, const series_layout& layout, std::int32_t record_id, const std::string& column)
{
    const std::string prefix = "Selected Variable ";
    if (column.size() <= prefix.size() || !equals_ignoring_case(column.substr(0, prefix.size()), prefix) ||
        layout.table->column_index("Select Id") < 0)
        return column;
    const std::string slot = "Selected " + column.substr(prefix.size());
    const std::string sql = "SELECT TRIM(\"Variable Definition\") FROM \"Selected Variables\" WHERE \"Select Id\" = "
                            "(SELECT MAX(\"Select Id\") FROM " + quote_identifier(layout.table->name) + " WHERE " +
                            quote_identifier(layout.id) + " = ?1) AND TRIM(\"Selected Variable\") = ?2 LIMIT 1";
    cached_statement statement = db.statement(sql);
    if (!statement)
        return column;
    sqlite3_bind_int64(statement.get(), 1, record_id);
    sqlite3_bind_text(statement.get(), 2, slot.c_str(), static_cast<int>(slot.size()), SQLITE_TRANSIENT);
    std::string name;
    if (sqlite3_step(statement.get()) == SQLITE_ROW && sqlite3_column_text(statement.get(), 0))
        name = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
    return name.empty() ? column : name;
}

bool load_record_chart(database& db, const record_series_request& request, record_chart& chart, std::string& log)
{
    const series_layout* layout = nullptr;
    step_values_options options;
    if (!resolve_series_columns(request.table, request.columns, layout, options.columns, log))
        return false;
    if ((request.subarea || request.each_subarea) && layout->subarea.empty()) {
        log += "Table " + layout->table->name + " has no subareas; leave out --subarea and --all-subareas.\r\n";
        return false;
    }
    options.one_subarea = request.subarea.has_value();
    options.each_subarea = request.each_subarea;
    cached_statement statement = db.statement(step_values_sql(*layout, options));
    if (!statement) {
        log += "Unable to open table " + layout->table->name + "\r\n";
        return false;
    }
    sqlite3_bind_int64(statement.get(), 1, request.record_id);
    sqlite3_bind_int64(statement.get(), 2, request.record_id);
    if (request.subarea)
        sqlite3_bind_int64(statement.get(), 3, *request.subarea);

    int subarea_count = 0;
    bool areas_known = false;
    subarea_facts(db, *layout, request.record_id, subarea_count, areas_known);
    std::vector<std::string> labels, combined;
    for (const std::string& column : options.columns) {
        labels.push_back(column_label(db, *layout, request.record_id, column));
        combined.push_back(combination_text(*layout, column, areas_known, subarea_count));
    }

    chart = record_chart{};
    chart.step = layout->step;
    // Series in the order the rows come: per column, then per subarea and category.
    std::map<std::pair<int, std::string>, std::vector<size_t>> series_of;
    std::vector<std::pair<int, std::string>> order;
    std::vector<std::vector<series_point>> points;
    size_t rows = 0;
    int step = SQLITE_ROW;
    sqlite3_stmt* s = statement.get();
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
        ++rows;
        const int sub = sqlite3_column_int(s, 1);
        const char* cat_text = reinterpret_cast<const char*>(sqlite3_column_text(s, 4));
        const std::pair<int, std::string> key{sub, cat_text ? cat_text : ""};
        auto found = series_of.find(key);
        if (found == series_of.end()) {
            order.push_back(key);
            found = series_of.emplace(key, std::vector<size_t>()).first;
            for (size_t c = 0; c < options.columns.size(); ++c) {
                found->second.push_back(points.size());
                points.emplace_back();
            }
        }
        const double x = step_x(layout->step, sqlite3_column_int(s, 2), sqlite3_column_int(s, 3));
        for (size_t c = 0; c < options.columns.size(); ++c) {
            if (sqlite3_column_type(s, static_cast<int>(5 + c)) != SQLITE_NULL)
                points[found->second[c]].push_back({x, sqlite3_column_double(s, static_cast<int>(5 + c))});
        }
    }
    if (step != SQLITE_DONE) {
        log += format_printf("Unable to read table %s: %s\r\n", layout->table->name.c_str(), sqlite3_errmsg(db.handle()));
        return false;
    }
    if (rows == 0) {
        log += format_printf("Record %d has no rows in %s", request.record_id, layout->table->name.c_str());
        log += request.subarea ? format_printf(" for subarea %d.\r\n", *request.subarea) : std::string(".\r\n");
        return false;
    }
    for (size_t c = 0; c < options.columns.size(); ++c) {
        for (const auto& key : order) {
            chart_series series;
            series.column = options.columns[c];
            series.name = series_name(labels[c], key.second, key.first, options.each_subarea || options.one_subarea,
                                      combined[c]);
            series.points = std::move(points[series_of[key][c]]);
            chart.series.push_back(std::move(series));
        }
    }
    chart.title = format_printf("%s, record %d", layout->table->name.c_str(), request.record_id);
    chart.x_title = layout->step == series_step::yearly ? "Year"
                    : layout->step == series_step::monthly ? "Year (monthly values)"
                                                           : "Year (daily values)";
    chart.y_title = y_title_of(*layout, options.columns);
    return true;
}

} // namespace ivorn
