// Per-record and per-level summaries over the per-step query. The sums of squares come back from
// SQL and the deviation is finished here, SQLite not having a square root everywhere.
#include "output/record_summary.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/text_utils.h"
#include "output/series_sql.h"
#include "site/scenario_factors_table.h"
#include "store/table_queries.h"

namespace ivorn {

namespace {

const char* const summary_columns = "COUNT(s.v0), AVG(s.v0), MIN(s.v0), MAX(s.v0), SUM(s.v0 * s.v0)";

// Reads the five summary columns from `first` on.
value_summary read_summary(sqlite3_stmt* s, int first)
{
    value_summary v;
    v.n = sqlite3_column_int64(s, first);
    v.mean = sqlite3_column_double(s, first + 1);
    v.min = sqlite3_column_double(s, first + 2);
    v.max = sqlite3_column_double(s, first + 3);
    if (v.n > 1) {
        const double squares = sqlite3_column_double(s, first + 4);
        const double variance = (squares - v.n * v.mean * v.mean) / static_cast<double>(v.n - 1);
        v.std = variance > 0 ? std::sqrt(variance) : 0.0;
    }
    return v;
}

std::string text_at(sqlite3_stmt* s, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(s, column))) : std::string();
}

bool prepare(database& db, const summary_request& request, const std::string& outer_head,
             const std::string& outer_tail, cached_statement& statement, std::string& log)
{
    const series_layout* layout = nullptr;
    step_values_options options;
    if (!resolve_series_columns(request.table, {request.column}, layout, options.columns, log))
        return false;
    statement = db.statement(outer_head + " FROM (" + step_values_sql(*layout, options) + ") AS s" + outer_tail);
    if (!statement) {
        log += "Unable to open table " + layout->table->name + "\r\n";
        return false;
    }
    sqlite3_bind_int64(statement.get(), 1, request.first_id);
    sqlite3_bind_int64(statement.get(), 2, request.last_id);
    return true;
}

bool finish(database& db, int step, bool empty, const summary_request& request, std::string& log)
{
    if (step != SQLITE_DONE) {
        log += format_printf("Unable to read table %s: %s\r\n", request.table.c_str(), sqlite3_errmsg(db.handle()));
        return false;
    }
    if (empty) {
        log += "No records with rows in " + request.table;
        log += request.first_id == INT32_MIN ? std::string(".\r\n")
                                             : format_printf(" among IDs %lld to %lld.\r\n",
                                                             static_cast<long long>(request.first_id),
                                                             static_cast<long long>(request.last_id));
        return false;
    }
    return true;
}

bool as_number(const std::string& text, double& value)
{
    const std::string trimmed = trim_copy(text);
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    return !trimmed.empty() && error == std::errc() && end == trimmed.data() + trimmed.size();
}

void sort_levels(std::vector<level_summary>& levels)
{
    double a = 0, b = 0;
    const bool numeric = std::all_of(levels.begin(), levels.end(), [&](const level_summary& l) { return as_number(l.level, a); });
    std::stable_sort(levels.begin(), levels.end(), [&](const level_summary& x, const level_summary& y) {
        if (!numeric)
            return x.level < y.level;
        as_number(x.level, a);
        as_number(y.level, b);
        return a < b;
    });
}

// The factors "Scenario Factors" knows, for the message that refuses another name.
std::string known_factors(database& db)
{
    cached_statement statement = db.statement("SELECT DISTINCT TRIM(\"Column\") FROM \"Scenario Factors\" ORDER BY 1");
    std::string names;
    while (statement && sqlite3_step(statement.get()) == SQLITE_ROW)
        names += (names.empty() ? "" : ", ") + text_at(statement.get(), 0);
    return names;
}

} // namespace

bool summarize_records(database& db, const summary_request& request, std::vector<record_summary>& summaries,
                       std::string& log)
{
    summaries.clear();
    cached_statement statement;
    const std::string head = std::string("SELECT s.rid, ") + summary_columns +
                             ", (SELECT \"Description\" FROM \"Control Records\" WHERE \"ID\" = s.rid LIMIT 1)";
    if (!prepare(db, request, head, " GROUP BY s.rid ORDER BY s.rid", statement, log))
        return false;
    sqlite3_stmt* s = statement.get();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
        record_summary summary;
        summary.id = static_cast<std::int32_t>(sqlite3_column_int64(s, 0));
        summary.values = read_summary(s, 1);
        summary.description = trim_copy(text_at(s, 6));
        summaries.push_back(std::move(summary));
    }
    return finish(db, step, summaries.empty(), request, log);
}

bool summarize_by_factor(database& db, const summary_request& request, const std::string& factor,
                         std::vector<level_summary>& summaries, std::string& log)
{
    summaries.clear();
    if (!table_exists(db, scenario_factors_table().name)) {
        log += "This database has no scenario factors; `ivorn scenarios` records them.\r\n";
        return false;
    }
    cached_statement statement;
    const std::string head = std::string("SELECT f.level, COUNT(DISTINCT s.rid), ") + summary_columns;
    const std::string tail = " JOIN (SELECT DISTINCT \"ID\" AS fid, TRIM(\"Value\") AS level FROM \"Scenario Factors\""
                             " WHERE LOWER(TRIM(\"Column\")) = LOWER(TRIM(?3))) AS f ON f.fid = s.rid"
                             " GROUP BY f.level";
    if (!prepare(db, request, head, tail, statement, log))
        return false;
    sqlite3_bind_text(statement.get(), 3, factor.c_str(), static_cast<int>(factor.size()), SQLITE_TRANSIENT);
    sqlite3_stmt* s = statement.get();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
        level_summary summary;
        summary.level = text_at(s, 0);
        summary.records = sqlite3_column_int64(s, 1);
        summary.values = read_summary(s, 2);
        summaries.push_back(std::move(summary));
    }
    if (step == SQLITE_DONE && summaries.empty()) {
        const std::string known = known_factors(db);
        log += "No scenario records with the factor \"" + factor + "\" have rows in " + request.table + ". " +
               (known.empty() ? std::string("No factors are recorded.") : "Recorded factors: " + known + ".") + "\r\n";
        return false;
    }
    sort_levels(summaries);
    return finish(db, step, false, request, log);
}

} // namespace ivorn
