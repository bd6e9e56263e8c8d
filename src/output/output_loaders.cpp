// The output dispatcher: sets the object up from the request (window, units, selected variables),
// then calls the loaders the switches ask for, in the order of the model version.
#include "output/output_loaders.h"

#include <memory>

#include "core/text_utils.h"
#include "output/output_loaders_common.h"
#include "output/output_sink.h"
#include "output/vorn_output_class.h"

namespace ivorn {
namespace {

// Output-file switches of the loaded files.
enum output_switch { out_switch = 0, swt_switch = 4, msa_switch = 6, awp_switch = 7, acn_switch = 20,
                     acy_switch = 23, aps_switch = 26, msw_switch = 27 };

// The configured years to store, made relative to the run's first year when they are calendar
// years, then held to at most 100 years.
void set_window(vorn_output_class& out, const run_output_request& request)
{
    long long first = request.save_year_first;
    long long last = request.save_year_last;
    if (first >= request.beginning_year) {
        first = first - request.beginning_year + 1;
        last = last - request.beginning_year + 1;
    }
    if (last - first > 99)
        last = first + 99;
    if (last < first)
        first = last;
    out.window_first = static_cast<int>(std::max<long long>(first, -1000000));
    out.window_last = static_cast<int>(std::min<long long>(last, 1000000));
}

void set_selected_variables(vorn_output_class& out, const list_output_variable_descriptions* list)
{
    if (!list)
        return;
    out.select_id = list->selection_counter;
    size_t slot = 0;
    for (const output_variable_description* variable : *list) {
        if (variable->state == 0)
            continue;
        out.printed_variables.push_back(trim_copy(variable->name));
        const std::string name = format_printf("%4s", trim_copy(variable->name).c_str());
        if (out.first_printed_variable.empty())
            out.first_printed_variable = name;
        out.last_printed_variable = name;
        // More than ten selections come only from an edited file: the first ten are taken.
        if (variable->state == 2 && slot < out.selected.size())
            out.selected[slot++] = {name, variable->english_unit_label};
    }
}

// 806 and 1307 write one more heading line and sometimes wider columns.
int newer_layout(int vorn_version) { return vorn_version == 806 || vorn_version == 1307 ? 2 : 1; }
int newest_layout(int vorn_version) { return vorn_version == 1307 ? 3 : newer_layout(vorn_version); }

// The first error stops the load: nothing of it is stored, so reading further files is wasted.
void call_loaders(vorn_output_class& out, output_sink& sink, const run_output_request& request, std::string& log)
{
    const auto* list = request.variables;
    auto on = [list, &out](output_switch k) { return list && list->switch_on(k) && !out.error_flag; };
    auto read_report = [&] {
        out.read_report(sink, request.want_yearly, request.want_watershed, request.want_residue, log);
    };
    const int version = request.vorn_version;
    if (version == 604) {
        if (on(out_switch))
            read_report();
        return;
    }
    if (on(aps_switch))
        load_subarea_summary(out, log);
    if (on(acy_switch))
        load_annual_crop_yields(out, sink, newer_layout(version), log);
    if (on(out_switch))
        read_report();
    if (on(acn_switch))
        load_organic_carbon_nitrogen(out, sink, newer_layout(version), log);
    if (on(aps_switch))
        load_annual_pesticides(out, sink, newer_layout(version), log);
    if (on(msw_switch))
        load_monthly_swat(out, sink, newer_layout(version), log);
    if (on(swt_switch))
        load_daily_swat(out, sink, newer_layout(version), log);
    if (on(awp_switch))
        load_annual_watershed(out, sink, newest_layout(version), log);
    if (on(msa_switch))
        load_monthly_subarea(out, sink, newest_layout(version), log);
}

} // namespace

bool read_run_outputs(database& db, const run_output_request& request, std::string& log)
{
    auto out = std::make_unique<vorn_output_class>();
    // Calendar-year files compare with the start year; until the report gives it, the run's own
    // first year is the right one.
    out->start_year = request.beginning_year;
    out->vorn_version = request.vorn_version;
    out->run_id = request.record_id;
    out->directory = request.working_directory;
    out->base_name = request.base_name;
    out->selection_changed = request.selection_changed && *request.selection_changed != 0;
    set_window(*out, request);
    out->set_english_units(request.english_convert);
    set_selected_variables(*out, request.variables);

    transaction load(db);
    if (!load.begun()) {
        log += load.failure();
        log += "Unable to begin storing the outputs of run " + std::to_string(request.record_id) + "\r\n";
        return false;
    }
    output_sink sink(db, request.record_id);
    if (!sink.remove_run_rows(log))
        return false;
    // A model that stopped half way must never pass for finished, whichever reports are loaded.
    if (out->check_finished(log))
        call_loaders(*out, sink, request, log);
    if (out->error_flag) {
        log += out->error_text;
        return false;
    }
    if (!load.commit(log))
        return false;
    if (out->selected_variables_written && request.selection_changed)
        *request.selection_changed = 0;
    return true;
}

} // namespace ivorn
