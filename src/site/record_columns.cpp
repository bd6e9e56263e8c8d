// Column names of a record's tables, their values, and the rows they change.
#include "site/record_columns.h"

#include "core/text_utils.h"
#include "reference/parameters_table.h"
#include "site/control_record_table.h"
#include "site/soil_tables.h"
#include "site/subarea_tables.h"
#include "site/weather_tables.h"
#include "store/column_values.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

constexpr const char* subarea_id_column = "Subarea Id";

bool identifies_row(const table_description& table, int column)
{
    return column == 0 || (is_subarea_table(table) && equals_ignoring_case(table.columns[column].name, subarea_id_column));
}

std::string joined_names(const std::vector<std::string>& names)
{
    std::string text;
    for (const auto& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::string settable_column_names(const table_description& table)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        if (!identifies_row(table, static_cast<int>(i)))
            names.push_back(table.columns[i].name);
    }
    return joined_names(names);
}

const table_description* settable_table(std::string_view name)
{
    // The trimmed copy must outlive the view taken of it.
    const std::string trimmed = trim_copy(name);
    const std::string_view bare = strip_brackets(trimmed);
    for (const table_description* table : settable_tables()) {
        if (equals_ignoring_case(table->name, bare))
            return table;
    }
    return nullptr;
}

std::string missing_row(const table_description& table, std::int32_t id, std::optional<std::int32_t> subarea)
{
    if (!is_subarea_table(table))
        return format_printf("Record %ld has no %s row.\r\n", static_cast<long>(id), table.name.c_str());
    if (!subarea)
        return format_printf("Record %ld has no subareas.\r\n", static_cast<long>(id));
    if (&table == &subareas_table())
        return format_printf("Record %ld has no subarea %ld.\r\n", static_cast<long>(id), static_cast<long>(*subarea));
    return format_printf("Record %ld has no %s row for subarea %ld.\r\n", static_cast<long>(id), table.name.c_str(),
                         static_cast<long>(*subarea));
}

struct reference_column {
    const table_description& (*table)();
    const char* column;
    const table_description& (*referenced)();
    const char* what;
};

const reference_column reference_columns[] = {
    {control_records_table, "Weather Station ID", weather_table, "weather station"},
    {subareas_table, "Soil Id", soils_table, "soil"},
};

} // namespace

const std::vector<const table_description*>& settable_tables()
{
    static const std::vector<const table_description*> tables = {&control_records_table(), &parameters_table(),
                                                                 &subareas_table(), &management_table()};
    return tables;
}

bool is_subarea_table(const table_description& table)
{
    return &table == &subareas_table() || &table == &management_table();
}

bool resolve_column(std::string_view name, column_assignment& target, std::string& log)
{
    const std::string whole = trim_copy(name);
    const table_description* table = &control_records_table();
    std::string column = whole;
    const size_t dot = whole.find('.');
    if (control_records_table().column_index(whole) < 0 && dot != std::string::npos) {
        table = settable_table(std::string_view(whole).substr(0, dot));
        if (!table) {
            std::vector<std::string> names;
            for (const table_description* settable : settable_tables())
                names.push_back(settable->name);
            log += format_printf("Unknown table \"%s\" in \"%s\"; the tables whose columns can be set are: %s.\r\n",
                                 whole.substr(0, dot).c_str(), whole.c_str(), joined_names(names).c_str());
            return false;
        }
        column = trim_copy(std::string_view(whole).substr(dot + 1));
    }
    const int index = table->column_index(column);
    if (index < 0) {
        log += format_printf("Table %s has no column \"%s\"; its columns are: %s.\r\n", table->name.c_str(),
                             column.c_str(), settable_column_names(*table).c_str());
        return false;
    }
    if (identifies_row(*table, index)) {
        log += format_printf("Column [%s] of table %s identifies the row and cannot be set.\r\n",
                             table->columns[index].name.c_str(), table->name.c_str());
        return false;
    }
    target.table = table;
    target.column = index;
    target.name = table == &control_records_table() ? table->columns[index].name
                                                    : table->name + "." + table->columns[index].name;
    return true;
}

bool resolve_value(std::string_view text, column_assignment& target, std::string& log)
{
    target.text = std::string(text);
    return parse_column_value(*target.table, target.table->columns[target.column], text, target.value, log);
}

bool parse_assignment(std::string_view argument, column_assignment& target, std::string& log)
{
    const size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        log += format_printf("\"%s\" is not COLUMN=VALUE.\r\n", std::string(argument).c_str());
        return false;
    }
    return resolve_column(argument.substr(0, equals), target, log) &&
           resolve_value(argument.substr(equals + 1), target, log);
}

bool check_reference(database& db, const column_assignment& assignment, std::string& log)
{
    for (const auto& reference : reference_columns) {
        if (assignment.table != &reference.table() ||
            !equals_ignoring_case(assignment.table->columns[assignment.column].name, reference.column))
            continue;
        const table_description& referenced = reference.referenced();
        recordset set;
        if (!set.open(db, referenced, filter_by(referenced.columns[0].name, assignment.value), log,
                      recordset::mode::read_only))
            return false;
        if (set.is_empty()) {
            log += format_printf("%s=%s: no %s %s is stored.\r\n", assignment.name.c_str(), assignment.text.c_str(),
                                 reference.what, value_as_text(assignment.value).c_str());
            return false;
        }
    }
    return true;
}

bool apply_assignment(record_rows& rows, const column_assignment& assignment, std::optional<std::int32_t> subarea,
                      std::string& log)
{
    const auto column = static_cast<size_t>(assignment.column);
    if (assignment.table == &control_records_table()) {
        if (column < rows.own.size())
            rows.own[column] = assignment.value;
        return true;
    }
    owned_table_rows* owned = rows.rows_of(*assignment.table);
    const int subarea_column = assignment.table->column_index(subarea_id_column);
    const bool by_subarea = subarea && is_subarea_table(*assignment.table) && subarea_column >= 0;
    int changed = 0;
    for (size_t r = 0; owned && r < owned->rows.size(); ++r) {
        auto& row = owned->rows[r];
        if (column >= row.size())
            continue;
        if (by_subarea && value_as_integer(row[static_cast<size_t>(subarea_column)]) != *subarea)
            continue;
        row[column] = assignment.value;
        ++changed;
    }
    if (changed > 0)
        return true;
    log += missing_row(*assignment.table, rows.id, subarea);
    return false;
}

bool check_subarea(record_rows& rows, std::int32_t subarea, std::string& log)
{
    const owned_table_rows* subareas = rows.rows_of(subareas_table());
    const int column = subareas_table().column_index(subarea_id_column);
    for (size_t r = 0; subareas && r < subareas->rows.size(); ++r) {
        const auto& row = subareas->rows[r];
        if (static_cast<size_t>(column) < row.size() && value_as_integer(row[static_cast<size_t>(column)]) == subarea)
            return true;
    }
    log += missing_row(subareas_table(), rows.id, subarea);
    return false;
}

bool set_record_columns(database& db, const std::vector<std::int32_t>& ids, std::optional<std::int32_t> subarea,
                        const std::vector<column_assignment>& assignments, std::string& log)
{
    for (const auto& assignment : assignments) {
        if (!check_reference(db, assignment, log))
            return false;
    }
    transaction work(db);
    for (const std::int32_t id : ids) {
        if (subarea) {
            const record_filter filter = {{"ID", field_value(std::int64_t{id})},
                                          {subarea_id_column, field_value(std::int64_t{*subarea})}};
            recordset set;
            if (!set.open(db, subareas_table(), filter, log, recordset::mode::read_only))
                return false;
            if (set.is_empty()) {
                log += missing_row(subareas_table(), id, subarea);
                return false;
            }
        }
        for (const auto& assignment : assignments) {
            const table_description& table = *assignment.table;
            record_filter filter = filter_by(table.columns[0].name, field_value(std::int64_t{id}));
            if (subarea && is_subarea_table(table))
                filter.push_back({subarea_id_column, field_value(std::int64_t{*subarea})});
            const long long changed =
                update_rows(db, table, filter, table.columns[assignment.column].name, assignment.value, log);
            if (changed < 0)
                return false;
            if (changed == 0) {
                log += missing_row(table, id, subarea);
                return false;
            }
        }
    }
    return work.commit(log);
}

} // namespace ivorn
