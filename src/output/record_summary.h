// The per-record summary of one output column that Chart All Samples draws and `ivorn compare`
// prints: over the record's time steps (its subareas combined as a chart combines them) the
// count, mean, minimum, maximum and standard deviation. All records come from one query.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/database.h"

namespace ivorn {

struct value_summary {
    long long n = 0;
    double mean = 0, min = 0, max = 0;
    double std = 0; // sample standard deviation; 0 for a single value
};

struct record_summary {
    std::int32_t id = 0;
    std::string description;
    value_summary values;
};

struct summary_request {
    std::string table;
    std::string column;
    std::int64_t first_id = INT32_MIN;
    std::int64_t last_id = INT32_MAX;
};

// One entry per record with rows in the range, in ID order. False (with the reason) for an
// unknown table or column, or when no record in the range has rows.
bool summarize_records(database& db, const summary_request& request, std::vector<record_summary>& summaries,
                       std::string& log);

struct level_summary {
    std::string level;
    long long records = 0;
    value_summary values;
};

// The same values grouped by the level each scenario record has of `factor` in "Scenario
// Factors"; levels in numeric order when every level is a number, else in text order.
bool summarize_by_factor(database& db, const summary_request& request, const std::string& factor,
                         std::vector<level_summary>& summaries, std::string& log);

} // namespace ivorn
