// Writes large, valid report files of one run, as the model would after a long simulation: the
// main report ".OUT" (2110 layout) and the monthly subarea file ".MSA" for many subareas and
// years, and the daily SWAT file ".SWT" with pesticides, plus the output variables list that
// asks for them.
#pragma once

#include <string>

namespace ivorn::bench {

struct report_size {
    int subareas = 100;
    int years = 100;
    int pesticides = 5;
    int first_year = 1990;
};

// Writes <directory>/vorn.OUT, vorn.MSA, vorn.SWT and "output variables.csv"; false when a file
// cannot be written.
bool generate_reports(const std::string& directory, const report_size& size);

} // namespace ivorn::bench
