// The report files beside the main report, each in the layout the program's loader reads for the
// version: annual ones (.SUS, .ACY, .ACN, .APS, .AWP), monthly and daily ones (.MSA, .MSW, .SWT),
// and the final soil tables (one soil file per subarea, the soil as the run left it).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "simulated_run.h"

namespace ivorn::stand_in {

std::string subarea_summary_report(const simulated_run& run);     // .SUS
std::string crop_yield_report(const simulated_run& run);          // .ACY
std::string organic_carbon_report(const simulated_run& run);      // .ACN
std::string pesticide_report(const simulated_run& run);           // .APS
std::string annual_watershed_report(const simulated_run& run);    // .AWP
std::string monthly_subarea_report(const simulated_run& run);     // .MSA
std::string monthly_swat_report(const simulated_run& run);        // .MSW
std::string daily_swat_report(const simulated_run& run);          // .SWT

// Heading lines of a report file: a title, filler lines and the given last line.
std::string report_heading(const simulated_run& run, const char* title, int lines, const std::string& last_line);

// File name and contents of each subarea's final soil table.
std::vector<std::pair<std::string, std::string>> final_soil_tables(const simulated_run& run);

} // namespace ivorn::stand_in
