// Reading factors files and writing the scenario records they describe.
#include "shell/scenario_set.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <utility>

#include "core/text_utils.h"
#include "site/control_record_table.h"
#include "site/record_copy.h"
#include "site/scenario_factors_table.h"
#include "store/bulk_inserter.h"
#include "store/column_values.h"
#include "store/recordset.h"
#include "store/csv_reader.h"
#include "store/table_queries.h"

namespace ivorn {
namespace {

constexpr std::streamoff max_factors_file = 64 * 1024 * 1024;

bool read_header(const csv_row& header, bool grid, const std::string& description_column, factor_table& table,
                 int& description_field, std::string& log)
{
    description_field = -1;
    for (size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = trim_copy(header.fields[i]);
        if (!grid && !description_column.empty() && equals_ignoring_case(name, description_column)) {
            description_field = static_cast<int>(i);
            continue;
        }
        if (name.empty()) {
            log += format_printf("Column %zu of the factors file's header has no name.\r\n", i + 1);
            return false;
        }
        column_assignment factor;
        if (!resolve_column(name, factor, log)) {
            log += format_printf("Line %d, column %zu of the factors file.\r\n", header.line, i + 1);
            return false;
        }
        for (const auto& other : table.factors) {
            if (other.table == factor.table && other.column == factor.column) {
                log += format_printf("Factor %s is named twice in the header.\r\n", factor.name.c_str());
                return false;
            }
        }
        table.factors.push_back(std::move(factor));
    }
    if (!description_column.empty() && !grid && description_field < 0) {
        log += format_printf("The factors file has no column \"%s\" for the descriptions.\r\n", description_column.c_str());
        return false;
    }
    if (table.factors.empty()) {
        log += "The factors file names no factor.\r\n";
        return false;
    }
    return true;
}

// One cell as the level of a factor; the level is also kept as "Scenario Factors" keeps it.
bool read_level(const column_assignment& factor, const std::string& cell, int line, column_assignment& level,
                std::string& log)
{
    level = factor;
    std::string value_log;
    const std::string kept = trim_copy(cell);
    if (resolve_value(factor.table->columns[factor.column].type == column_type::text ? cell : kept, level, value_log) &&
        check_column_value(scenario_factors_table(), *scenario_factors_table().column("Value"), field_value(kept),
                           value_log)) {
        level.text = kept;
        return true;
    }
    log += format_printf("Line %d, factor %s: %s", line, factor.name.c_str(), value_log.c_str());
    return false;
}

bool read_rows(const std::vector<csv_row>& rows, int description_field, factor_table& table, std::string& log)
{
    const auto& description_column = *control_records_table().column("Description");
    const size_t width = table.factors.size() + (description_field >= 0 ? 1 : 0);
    for (size_t r = 1; r < rows.size(); ++r) {
        const csv_row& row = rows[r];
        if (row.fields.size() != width) {
            log += format_printf("Line %d has %zu fields; the header has %zu.\r\n", row.line, row.fields.size(), width);
            return false;
        }
        std::vector<column_assignment> levels;
        size_t factor = 0;
        for (size_t i = 0; i < row.fields.size(); ++i) {
            if (static_cast<int>(i) == description_field) {
                std::string description_log;
                if (!check_column_value(control_records_table(), description_column, field_value(row.fields[i]),
                                        description_log)) {
                    log += format_printf("Line %d, description: %s", row.line, description_log.c_str());
                    return false;
                }
                table.descriptions.push_back(row.fields[i]);
                continue;
            }
            levels.emplace_back();
            if (!read_level(table.factors[factor++], row.fields[i], row.line, levels.back(), log))
                return false;
        }
        table.levels.push_back(std::move(levels));
    }
    return true;
}

// Grid columns may differ in length: a factor's levels are its cells that are not blank.
bool read_grid(const std::vector<csv_row>& rows, factor_table& table, std::string& log)
{
    table.levels.assign(table.factors.size(), {});
    for (size_t r = 1; r < rows.size(); ++r) {
        const csv_row& row = rows[r];
        if (row.fields.size() > table.factors.size()) {
            log += format_printf("Line %d has %zu fields; the header has %zu.\r\n", row.line, row.fields.size(),
                                 table.factors.size());
            return false;
        }
        for (size_t f = 0; f < row.fields.size(); ++f) {
            if (trim_copy(row.fields[f]).empty())
                continue;
            table.levels[f].emplace_back();
            if (!read_level(table.factors[f], row.fields[f], row.line, table.levels[f].back(), log))
                return false;
        }
    }
    for (size_t f = 0; f < table.factors.size(); ++f) {
        if (table.levels[f].empty()) {
            log += format_printf("Factor %s has no levels.\r\n", table.factors[f].name.c_str());
            return false;
        }
    }
    return true;
}

// "Name=level, Name=level", as long as a description may be.
std::string generated_description(const std::vector<const column_assignment*>& values)
{
    std::string text;
    for (const column_assignment* value : values)
        text += (text.empty() ? "" : ", ") + value->name + "=" + value->text;
    const auto size = static_cast<size_t>(control_records_table().column("Description")->text_size);
    return text.size() > size ? text.substr(0, size) : text;
}

// Each distinct level that names a station or a soil is looked up once.
bool check_references(database& db, const factor_table& table, std::string& log)
{
    std::set<std::pair<std::string, std::string>> checked;
    for (const auto& levels : table.levels) {
        for (const auto& level : levels) {
            if (!checked.insert({level.name, value_as_text(level.value)}).second)
                continue;
            if (!check_reference(db, level, log))
                return false;
        }
    }
    return true;
}

} // namespace

long long factor_table::scenario_count() const
{
    if (!grid)
        return static_cast<long long>(levels.size());
    long long count = levels.empty() ? 0 : 1;
    for (const auto& factor_levels : levels) {
        if (factor_levels.empty())
            return 0;
        // Past the most records one command makes, the exact product no longer matters.
        count = std::min(count * static_cast<long long>(factor_levels.size()), max_new_records + 1);
    }
    return count;
}

void factor_table::scenario(long long index, std::vector<const column_assignment*>& values) const
{
    values.clear();
    if (!grid) {
        for (const auto& level : levels[static_cast<size_t>(index)])
            values.push_back(&level);
        return;
    }
    // The first factor changes slowest, as nested loops written in header order would.
    values.resize(levels.size());
    for (size_t f = levels.size(); f-- > 0;) {
        const auto size = static_cast<long long>(levels[f].size());
        values[f] = &levels[f][static_cast<size_t>(index % size)];
        index /= size;
    }
}

bool read_factor_table(std::string_view text, bool grid, const std::string& description_column, factor_table& table,
                       std::string& log)
{
    table = factor_table{};
    table.grid = grid;
    std::vector<csv_row> rows;
    if (!parse_csv(text, rows, log))
        return false;
    if (rows.empty()) {
        log += "The factors file is empty.\r\n";
        return false;
    }
    int description_field = -1;
    if (!read_header(rows.front(), grid, description_column, table, description_field, log))
        return false;
    if (!(grid ? read_grid(rows, table, log) : read_rows(rows, description_field, table, log)))
        return false;
    if (table.scenario_count() == 0) {
        log += "The factors file lists no scenario.\r\n";
        return false;
    }
    if (table.scenario_count() > max_new_records) {
        log += format_printf("The factors file makes more than %lld scenarios.\r\n", max_new_records);
        return false;
    }
    return true;
}

bool read_factors_file(const std::string& path, std::string& text, std::string& log)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        log += "Unable to open factors file " + path + "\r\n";
        return false;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size > max_factors_file) {
        log += format_printf("Factors file %s is larger than %lld bytes.\r\n", path.c_str(),
                             static_cast<long long>(max_factors_file));
        return false;
    }
    file.seekg(0);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) {
        log += "Unable to read factors file " + path + "\r\n";
        return false;
    }
    return true;
}

bool generate_scenarios(database& db, const scenario_request& request, const factor_table& table,
                        std::vector<made_scenario>& made, std::string& log)
{
    made.clear();
    const long long count = table.scenario_count();
    transaction work(db);
    record_rows rows;
    std::vector<std::int32_t> ids;
    record_copier copier;
    bulk_inserter factor_rows;
    if (!work.begun() || !check_references(db, table, log) || !read_record_rows(db, request.base_id, rows, log) ||
        (request.subarea && !check_subarea(rows, *request.subarea, log)) ||
        !new_record_ids(db, request.first_id, count, ids, log) ||
        !create_table_if_missing(db, scenario_factors_table(), log) || !copier.prepare(db, ids, log) ||
        !factor_rows.prepare(db, scenario_factors_table(), log))
        return false;
    std::vector<made_scenario> scenarios;
    scenarios.reserve(ids.size());
    std::vector<const column_assignment*> values;
    for (long long i = 0; i < count; ++i) {
        const std::int32_t id = ids[static_cast<size_t>(i)];
        table.scenario(i, values);
        // Every scenario sets the same columns, so the base's rows can be changed in place.
        for (const column_assignment* value : values) {
            if (!apply_assignment(rows, *value, request.subarea, log))
                return false;
        }
        std::string description =
            table.descriptions.empty() ? generated_description(values) : table.descriptions[static_cast<size_t>(i)];
        if (!copier.write(rows, id, description, log))
            return false;
        for (const column_assignment* value : values) {
            factor_rows.set(0, field_value(std::int64_t{id}));
            factor_rows.set(1, field_value(value->name));
            factor_rows.set(2, field_value(value->text));
            if (!factor_rows.insert_row(log))
                return false;
        }
        scenarios.push_back({id, std::move(description)});
    }
    if (!work.commit(log))
        return false;
    made = std::move(scenarios);
    return true;
}

} // namespace ivorn
