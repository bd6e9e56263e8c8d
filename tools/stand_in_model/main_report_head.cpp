// The first pages of the main report: general information, the schedule listings (which the
// program scans for the subareas and their crops) and the subarea table with the areas.
#include "core/text_utils.h"
#include "main_report.h"
#include "report_layouts.h"

namespace ivorn::stand_in {

std::string page_eject(const simulated_run& run)
{
    return format_printf("1   VORN%5d   STAND-IN MODEL (TEST DOUBLE)   RUN %s", version_number(run.version()),
                         run.inputs().run_name.c_str());
}

void write_general_information(const simulated_run& run, report_text& out)
{
    const input_set& inputs = run.inputs();
    out.line(page_eject(run));
    out.line("                     GENERAL INFORMATION");
    out.line(" RUN NAME = " + inputs.run_name);
    out.line("");
    out.line(page_eject(run));
    out.line("                     GENERAL INFORMATION");
    out.line(format_printf(" MODEL VERSION = %d", version_number(run.version())));
    out.line(format_printf(" SIMULATION DURATION = %d Y", inputs.duration));
    out.line(format_printf(" BEGINNING DATE =%d %d %d", inputs.start_year, inputs.start_month, inputs.start_day));
    out.line(format_printf(" NUMBER OF SUBAREAS = %d", run.subarea_count()));
    out.line("");
}

namespace {

void write_operation(const simulated_run& run, int s, const field_operation& op, report_text& out)
{
    const schedule_listing_columns& columns = schedule_listing_layout();
    fixed_line line;
    line.put(columns.year, op.year).put(columns.month, op.month).put(columns.day, op.day);
    line.put(columns.operation, op.operation).put(columns.code, run.listed_code(op));
    line.put(columns.crop, op.crop).put(columns.tractor, op.tractor).put(columns.int_variable, op.int_variable);
    for (int k = 0; k < 7; ++k)
        line.put(columns.parameters.at(k), static_cast<double>(op.parameters[static_cast<size_t>(k)]));
    const crop_in_run* crop = run.planted_crop(s, op);
    if (crop)
        line.put(columns.curve_number, static_cast<double>(crop->curve_number));
    out.line(line);
    // The line after a planting names its crop as its second word.
    if (crop)
        out.line("       CROP " + crop->name);
}

} // namespace

void write_schedule_listings(const simulated_run& run, report_text& out)
{
    for (int s = 0; s < run.subarea_count(); ++s) {
        const subarea_input& subarea = run.subarea(s);
        out.line(page_eject(run));
        out.line(format_printf(" SUBAREA %d  ID %ld  OPERATION SCHEDULE %s  LAND USE %d", subarea.position,
                               subarea.number, subarea.schedule_file.c_str(), subarea.land_use));
        out.line(schedule_listing_layout().header);
        for (const field_operation& op : subarea.operations)
            write_operation(run, s, op, out);
    }
}

void write_subarea_table(const simulated_run& run, report_text& out)
{
    const area_table_columns& columns = area_table_layout(run.version());
    out.line(page_eject(run));
    out.line("                 SUBAREA HYDROLOGY");
    out.line(columns.header);
    out.line(columns.units);
    for (int s = 0; s < run.subarea_count(); ++s) {
        const subarea_input& subarea = run.subarea(s);
        out.line(fixed_line()
                     .put(columns.index, subarea.position)
                     .put(columns.number, subarea.number)
                     .put(columns.area, static_cast<double>(subarea.area)));
    }
    out.line("");
}

} // namespace ivorn::stand_in
