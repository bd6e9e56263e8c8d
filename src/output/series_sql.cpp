// Builds the per-step SQL: grouping, the area weights (a table's own area column, else each
// subarea's area from the run's averages, else equal weights) and the combining expressions.
#include "output/series_sql.h"

#include "core/text_utils.h"
#include "store/database.h"

namespace ivorn {

namespace {

std::string q(const std::string& name) { return quote_identifier(name); }
std::string col(const std::string& name) { return "t." + q(name); }

std::string weight_expression(const series_layout& layout)
{
    const std::string own = area_column(layout);
    return own.empty() ? "COALESCE(areas.a, 1.0)" : "COALESCE(" + col(own) + ", 1.0)";
}

// Each subarea's area as the run's averages give it, for tables that do not carry one.
std::string area_join(const series_layout& layout)
{
    if (layout.subarea.empty() || !area_column(layout).empty())
        return {};
    return " LEFT JOIN (SELECT \"Farm Id\" AS ar, \"Subarea\" AS asub, AVG(\"Area by Field\") AS a"
           " FROM \"Average Output\" WHERE \"Farm Id\" BETWEEN ?1 AND ?2 GROUP BY 1, 2) AS areas"
           " ON areas.ar = " + col(layout.id) + " AND areas.asub = " + col(layout.subarea);
}

std::string combined_value(const series_layout& layout, const std::string& column)
{
    const std::string c = col(column);
    const unit_factor unit = column_unit(layout, column);
    if (unit == unit_factor::area) {
        // A total over the subareas; a record loaded twice still counts each subarea once.
        return "SUM(" + c + ") * COUNT(DISTINCT " + col(layout.subarea) + ") / COUNT(*)";
    }
    if (!is_depth_or_rate(unit))
        return "AVG(" + c + ")";
    const std::string w = weight_expression(layout);
    const std::string weights = "SUM(CASE WHEN " + c + " IS NOT NULL THEN " + w + " END)";
    // Areas that are all zero (or nonsense) leave a plain mean rather than a division by zero.
    return "CASE WHEN " + weights + " > 0 THEN SUM(" + c + " * " + w + ") / " + weights + " ELSE AVG(" + c + ") END";
}

} // namespace

std::string step_values_sql(const series_layout& layout, const step_values_options& options)
{
    const bool has_subarea = !layout.subarea.empty();
    const bool combine = has_subarea && !options.each_subarea && !options.one_subarea;
    const std::string part = !layout.month.empty() ? col(layout.month) : !layout.day.empty() ? col(layout.day) : "0";
    const std::string sub = has_subarea && !combine ? col(layout.subarea) : "0";
    const std::string cat = layout.category.empty() ? "''" : "TRIM(" + col(layout.category) + ")";

    std::string sql = "SELECT " + col(layout.id) + " AS rid, " + sub + " AS sub, " + col(layout.year) + " AS yr, " +
                      part + " AS part, " + cat + " AS cat";
    for (size_t i = 0; i < options.columns.size(); ++i) {
        const std::string value = combine ? combined_value(layout, options.columns[i]) : "AVG(" + col(options.columns[i]) + ")";
        sql += ", " + value + " AS v" + std::to_string(i);
    }
    sql += " FROM " + q(layout.table->name) + " AS t" + (combine ? area_join(layout) : "");
    sql += " WHERE " + col(layout.id) + " BETWEEN ?1 AND ?2";
    if (options.one_subarea && has_subarea)
        sql += " AND " + col(layout.subarea) + " = ?3";
    sql += " GROUP BY rid, sub, yr, part, cat ORDER BY rid, sub, cat, yr, part";
    return sql;
}

std::string combination_text(const series_layout& layout, const std::string& column, bool areas_known,
                             int subarea_count)
{
    if (layout.subarea.empty())
        return {};
    const std::string of = format_printf(" of %d subarea%s", subarea_count, subarea_count == 1 ? "" : "s");
    const unit_factor unit = column_unit(layout, column);
    if (unit == unit_factor::area)
        return "sum" + of;
    if (is_depth_or_rate(unit) && areas_known)
        return "area-weighted mean" + of;
    return "mean" + of;
}

} // namespace ivorn
