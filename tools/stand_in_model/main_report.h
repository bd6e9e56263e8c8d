// The main report (<run name>.OUT): general information, each subarea's schedule listing, the
// subarea table, a monthly table with its crop lines for every year and subarea, the annual
// watershed table of every year, the soil tables and the closing "TOTAL RUN TIME" line.
#pragma once

#include <string>

#include "report_text.h"
#include "simulated_run.h"

namespace ivorn::stand_in {

// Without the closing line the report is that of a run that did not finish.
std::string main_report(const simulated_run& run, bool with_total_line);

// The parts, in report order.
void write_general_information(const simulated_run& run, report_text& out);
void write_schedule_listings(const simulated_run& run, report_text& out);
void write_subarea_table(const simulated_run& run, report_text& out);
void write_year_tables(const simulated_run& run, int y, report_text& out);
void write_soil_tables(const simulated_run& run, report_text& out);
// The page-eject line ("1" in column 1) that starts every page.
std::string page_eject(const simulated_run& run);

} // namespace ivorn::stand_in
