// Scenario sets: many copies of one control record, each with its own values of a few columns
// (the factors), read from a factors file. A file lists one scenario per row, or with the grid
// layout each factor's levels in its column, the scenarios being every combination. What each
// scenario changed is kept in "Scenario Factors" so outputs can be grouped by a factor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "site/record_columns.h"
#include "store/database.h"

namespace ivorn {

// The factors and their levels, every value already read and checked against its column.
struct factor_table {
    bool grid = false;
    std::vector<column_assignment> factors; // the columns, as the header names them
    // Row layout: one entry per scenario, a level of every factor. Grid: one entry per factor,
    // its levels.
    std::vector<std::vector<column_assignment>> levels;
    std::vector<std::string> descriptions; // row layout with a description column
    long long scenario_count() const;
    // The levels of scenario `index` (0-based), one per factor.
    void scenario(long long index, std::vector<const column_assignment*>& values) const;
};

// The factors file's text: a header naming the factors as `ivorn set` names columns (and, in the
// row layout, the description column when one is named), then the rows. A value that does not
// fit its column is refused with its line and factor; nothing is read in part.
bool read_factor_table(std::string_view text, bool grid, const std::string& description_column, factor_table& table,
                       std::string& log);

struct scenario_request {
    std::int32_t base_id = 0;
    std::optional<std::int32_t> first_id;  // the first new ID; the smallest free IDs otherwise
    std::optional<std::int32_t> subarea;   // subarea factors change this subarea, or every one
};

struct made_scenario {
    std::int32_t id = 0;
    std::string description;
};

// One copy of the base record per scenario with its levels set, and its "Scenario Factors" rows,
// all in one transaction: any refusal leaves the database as it was.
bool generate_scenarios(database& db, const scenario_request& request, const factor_table& table,
                        std::vector<made_scenario>& made, std::string& log);

// The file read whole: NUL bytes and files past a size no factors table reaches are refused.
bool read_factors_file(const std::string& path, std::string& text, std::string& log);

} // namespace ivorn
