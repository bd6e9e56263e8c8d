// Reading the main report ".OUT" from start to end, in the order the model writes it, and writing
// the summary tables from it when nothing went wrong. "TOTAL RUN TIME" is how a finished run is
// told from one that stopped.
#include <climits>

#include "core/text_utils.h"
#include "output/output_loaders_common.h"
#include "output/summary_tables.h"
#include "output/vorn_output_class.h"

namespace ivorn {
namespace {

// "TOTAL RUN TIME" at column 11 of a line with something after it in the file, even if only the
// line's end; read line by line, since a report may run to many megabytes.
bool holds_total_run_time(line_reader& report)
{
    constexpr std::string_view target = "TOTAL RUN TIME";
    constexpr size_t column = 10;
    std::string line;
    while (report.next_line(line)) {
        if (line.size() > column + target.size() && line.compare(column, target.size(), target) == 0)
            return true;
    }
    return false;
}

} // namespace

bool vorn_output_class::report_not_finished(std::string& log)
{
    error_flag = true;
    log += format_printf("VORN did not finish for run %ld\n", static_cast<long>(run_id));
    return false;
}

void vorn_output_class::count_crops()
{
    for (int s = 0; s < subarea_count; ++s) {
        subarea_output& sa = subareas[static_cast<size_t>(s)];
        sa.crop_count = 0;
        while (sa.crop_count < max_subarea_crops && !sa.crop_yields[static_cast<size_t>(sa.crop_count)].name.empty())
            ++sa.crop_count;
    }
}

bool vorn_output_class::check_finished(std::string& log)
{
    const std::string path = report_path(".OUT");
    const line_reader::open_result opened = report_.open(path, log);
    if (opened == line_reader::open_result::missing)
        return true;
    if (opened != line_reader::open_result::opened) {
        record_error("Unable to open output file", path);
        return false;
    }
    return holds_total_run_time(report_) || report_not_finished(log);
}

bool vorn_output_class::read_report(output_sink& sink, bool want_yearly, bool want_watershed, bool want_residue,
                                    std::string& log)
{
    const std::string path = report_path(".OUT");
    if (report_.open(path, log) != line_reader::open_result::opened) {
        record_error("Unable to open output file", path);
        return false;
    }
    read_general_information();
    if (start_year > INT_MAX - report_year_slots)
        record_error("Unable to read start date");
    subarea_count = scan_blocks(7, "Y M D", "", 18, "SUBAREA HYDRO", 0, true);
    read_subarea_areas();
    for (int y = 0; y < duration && !error_flag; ++y) {
        for (int s = 0; s < subarea_count; ++s) {
            if (!read_monthly_table(s, start_year + y) && !find_line(11, "TOTAL RUN TIME"))
                return report_not_finished(log);
        }
        if (!read_watershed_table(y))
            return false;
    }
    for (int s = 0; s < subarea_count; ++s) {
        if (!read_soil_properties(s))
            return false;
    }
    if (!find_line(11, "TOTAL RUN TIME"))
        return report_not_finished(log);
    if (error_flag) {
        log += "I_VORN read error\n";
        return false;
    }
    count_crops();
    write_summary_tables(*this, sink, want_watershed, want_residue);
    if (want_yearly)
        write_yearly_output(*this, sink);
    log += notes;
    note_stars(log, report_stars, path);
    return !error_flag;
}

} // namespace ivorn
