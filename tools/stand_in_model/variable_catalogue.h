// The model output variables the stand-in knows: a number for each (used when the working
// directory holds no "output variables.csv" to say which number is which name), the range its
// made-up values fall in, and whether its annual column is a total or a mean.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ivorn::stand_in {

struct variable_entry {
    int number;
    const char* name;      // as printed: right-justified in four columns
    double low;
    double high;
    bool summed;           // annual column: the total of the months, otherwise their mean
};

// By printed or bare name ("PRCP", "  ET" and "ET" are all found).
const variable_entry* find_variable(std::string_view name);
const variable_entry* variable_by_number(int number);
// A name as the report prints it: right-justified in four columns, cut to four characters.
std::string printed_name(std::string_view name);
// The variables the program's summary tables take from every monthly table; the stand-in prints
// them whatever the print file asks, after the requested ones.
const std::vector<std::string>& always_printed_variables();
// The crop block printed after each monthly table, headed by HUI.
const std::vector<std::string>& crop_block_variables();

} // namespace ivorn::stand_in
