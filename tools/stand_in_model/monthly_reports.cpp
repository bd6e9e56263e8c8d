// The monthly and daily report files: monthly subarea values (.MSA), and the monthly and daily
// SWAT files (.MSW, .SWT) with a pair of columns per pesticide of the run.
#include "core/text_utils.h"
#include "report_files.h"
#include "report_layouts.h"
#include "report_text.h"

namespace ivorn::stand_in {
namespace {

bool leap_year(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// The last heading line of a SWAT file names the pesticides above their columns.
std::string pesticide_heading(const pesticide_columns& columns, const std::vector<pesticide_in_run>& pesticides,
                              const char* labels)
{
    fixed_line line(labels);
    for (size_t k = 0; k < pesticides.size() && k < static_cast<size_t>(columns.max_pesticides); ++k)
        line.put(columns.names.at(static_cast<int>(k)), pesticides[k].name);
    return line.str();
}

column_field shifted(column_field field, int offset)
{
    field.first += offset;
    field.last += offset;
    return field;
}

void put_pesticides(const pesticide_columns& columns, const std::vector<double>& runoff,
                    const std::vector<double>& sediment, fixed_line& line)
{
    for (size_t k = 0; k < runoff.size(); ++k) {
        const int offset = columns.group_width * static_cast<int>(k);
        line.put(shifted(columns.runoff, offset), runoff[k]);
        line.put(shifted(columns.sediment, offset), sediment[k]);
    }
}

size_t pesticides_shown(const simulated_run& run, const pesticide_columns& columns)
{
    return std::min(run.run_pesticides().size(), static_cast<size_t>(columns.max_pesticides));
}

} // namespace

std::string monthly_subarea_report(const simulated_run& run)
{
    const msa_columns& columns = msa_layout(run.version());
    std::string text = report_heading(run, "MONTHLY SUBAREA", columns.heading_lines,
                                      "   SA   ID   YR  YR# VAR      JAN      FEB      MAR      APR      MAY      JUN");
    report_text out;
    for (int s = 0; s < run.subarea_count(); ++s) {
        for (int y = 0; y < run.duration(); ++y) {
            for (int n = 0; n < columns.name_count; ++n) {
                const std::string name = columns.names[n];
                fixed_line line;
                line.put(columns.subarea, run.subarea(s).position).put(columns.number, run.subarea(s).number);
                line.put(columns.calendar_year, run.calendar_year(y)).put(columns.year, y + 1).put(columns.name, name);
                for (int m = 0; m < 12; ++m)
                    line.put(columns.months.at(m), run.monthly(s, y, m, name));
                line.put(columns.annual, run.annual(s, y, name));
                out.line(line);
            }
        }
    }
    return text + out.str();
}

std::string monthly_swat_report(const simulated_run& run)
{
    const msw_columns& columns = msw_layout(run.version());
    const size_t shown = pesticides_shown(run, columns.pesticides);
    report_text out;
    std::string text = report_heading(run, "MONTHLY OUTPUT TO SWAT", columns.heading_lines,
                                      pesticide_heading(columns.pesticides, run.run_pesticides(),
                                                        "   YR   MO           Q          Y         YN         YP         QN         QP"));
    out.line("                    (mm)     (t/ha)    (kg/ha)    (kg/ha)    (kg/ha)    (kg/ha)");
    out.line("");
    for (int y = 0; y < run.duration(); ++y) {
        for (int m = 0; m < 12; ++m) {
            fixed_line line;
            line.put(columns.year, run.calendar_year(y)).put(columns.month, m + 1);
            line.put(columns.runoff, run.watershed_monthly(y, m, "QTW"));
            line.put(columns.sediment, run.watershed_monthly(y, m, "YW") / 10.0);
            line.put(columns.nitrogen_sediment, run.watershed_monthly(y, m, "YNW") / 10.0);
            line.put(columns.phosphorus_sediment, run.watershed_monthly(y, m, "YPW") / 50.0);
            line.put(columns.nitrogen_runoff, run.watershed_monthly(y, m, "QNW") / 10.0);
            line.put(columns.phosphorus_runoff, run.watershed_monthly(y, m, "QPW") / 50.0);
            std::vector<double> runoff;
            std::vector<double> sediment;
            for (size_t k = 0; k < shown; ++k) {
                runoff.push_back(run.run_value("MSWQ", y, m, static_cast<long>(k), 0.0, 20.0));
                sediment.push_back(run.run_value("MSWY", y, m, static_cast<long>(k), 0.0, 5.0));
            }
            put_pesticides(columns.pesticides, runoff, sediment, line);
            out.line(line);
        }
    }
    return text + out.str();
}

std::string daily_swat_report(const simulated_run& run)
{
    const swt_columns& columns = swt_layout(run.version());
    const size_t shown = pesticides_shown(run, columns.pesticides);
    report_text out;
    std::string text = report_heading(run, "DAILY OUTPUT TO SWAT", columns.heading_lines,
                                      pesticide_heading(columns.pesticides, run.run_pesticides(),
                                                        "  DAY   YR                Q                Y               YN               YP               QN               QP"));
    out.line("                     (mm)           (t/ha)          (kg/ha)          (kg/ha)          (kg/ha)          (kg/ha)");
    out.line("");
    for (int y = 0; y < run.duration(); ++y) {
        const int days = leap_year(run.calendar_year(y)) ? 366 : 365;
        for (int day = 1; day <= days; ++day) {
            // Runoff on some days only, sediment on most of those: dry days carry zeros.
            const bool runoff_day = run.run_value("SWTQ?", y, day, 0, 0.0, 1.0) < 0.15;
            const bool sediment_day = runoff_day && run.run_value("SWTY?", y, day, 0, 0.0, 1.0) < 0.8;
            const double q = runoff_day ? run.run_value("SWTQ", y, day, 0, 0.1, 40.0) : 0.0;
            const double sed = sediment_day ? run.run_value("SWTY", y, day, 0, 0.001, 2.0) : 0.0;
            fixed_line line;
            line.put(columns.day, day).put(columns.year, run.calendar_year(y));
            line.put(columns.runoff, q).put(columns.sediment, sed);
            line.put(columns.nitrogen_sediment, sed * 3.0).put(columns.phosphorus_sediment, sed * 0.6);
            line.put(columns.nitrogen_runoff, q * 0.05).put(columns.phosphorus_runoff, q * 0.01);
            std::vector<double> runoff;
            std::vector<double> sediment;
            for (size_t k = 0; k < shown; ++k) {
                runoff.push_back(q > 0.0 ? run.run_value("SWTPQ", y, day, static_cast<long>(k), 0.0, 10.0) : 0.0);
                sediment.push_back(sed > 0.0 ? run.run_value("SWTPY", y, day, static_cast<long>(k), 0.0, 2.0) : 0.0);
            }
            put_pesticides(columns.pesticides, runoff, sediment, line);
            out.line(line);
        }
    }
    return text + out.str();
}

} // namespace ivorn::stand_in
