// File / Generate Scenarios over the code of `ivorn scenarios`.
#include "shell/scenario_generation.h"

#include "core/text_utils.h"

namespace ivorn {

bool preview_scenarios(const scenario_file_choice& choice, factor_table& table, std::string& log)
{
    table = {};
    std::string text;
    return read_factors_file(choice.path, text, log)
           && read_factor_table(text, choice.grid, choice.description_column, table, log);
}

bool generate_scenarios_from_current(doc_i_vorn& doc, const scenario_file_choice& choice,
                                     std::vector<made_scenario>& made)
{
    made.clear();
    if (!doc.db() || !doc.current_entry())
        return false;
    doc.ui().store_form_values();
    std::string log;
    factor_table table;
    // Read again rather than trusting the preview: the file may have changed since.
    // Stored first: the copies are read from the tables, and they must hold what the form shows.
    const bool ok = preview_scenarios(choice, table, log) && doc.store_current_record(log)
                    && generate_scenarios(*doc.db(), {doc.current_record()->id, std::nullopt, std::nullopt}, table,
                                          made, log);
    if (ok && !made.empty()) {
        const std::int32_t base = doc.current_record()->id;
        log += format_printf("%zu new records from record ID %ld: the first ID %ld, the last %ld.\r\n", made.size(),
                             static_cast<long>(base), static_cast<long>(made.front().id),
                             static_cast<long>(made.back().id));
        // The base stays current: the set is to be looked at from where it was made.
        if (doc.reload_record_list(log))
            doc.make_current(base, log);
    }
    doc.ui().show_error_list("Generate Scenarios", "", log);
    doc.ui().show_record_values();
    doc.ui().refresh_all_views(1);
    return ok;
}

} // namespace ivorn
