// The two SWAT files share their shape: heading lines whose last one names the pesticides in
// fixed-width columns, then one line per month or day with fixed values and one column pair per
// pesticide.
#pragma once

#include <string>
#include <vector>

#include "output/output_loaders_common.h"

namespace ivorn {

struct swat_file_layout {
    int pesticide_name_first;  // column of the first name on the last heading line
    int pesticide_name_width;
    int pesticide_name_spacing; // from one name to the next
    int max_pesticides;        // names kept; further pesticide columns are ignored
    int fixed_columns;         // the line's fixed part ends here
    int pesticide_width;       // one pair of amounts per pesticide
};

// Drops the heading lines, keeps the pesticide names of the last one and drops two more lines;
// false (recorded) when the file ends first.
bool read_swat_heading(loader_file& file, int heading_lines, const swat_file_layout& layout,
                       std::vector<std::string>& names);
// Pesticide columns the line holds, bounded by the names read.
int swat_pesticides_on_line(const std::string& line, const swat_file_layout& layout, size_t names);

struct swat_columns {
    int first, last;
};
// Pesticide k's runoff (Qpst) and sediment (Ypst) amounts, given pesticide 0's columns.
void swat_pesticide_amounts(loader_file& file, const swat_file_layout& layout, int k, swat_columns qpst,
                            swat_columns ypst, float& q, float& y);

extern const swat_file_layout monthly_swat_layout;
extern const swat_file_layout daily_swat_layout;

} // namespace ivorn
