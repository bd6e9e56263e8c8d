// Record / Duplicate over the copy that `ivorn copy` makes.
#include "shell/record_duplicate.h"

#include <optional>
#include <vector>

#include "site/record_copy.h"

namespace ivorn {

bool duplicate_current_record(doc_i_vorn& doc, std::int32_t& new_id)
{
    new_id = 0;
    if (!doc.db() || !doc.current_entry())
        return false;
    doc.ui().store_form_values();
    std::string log;
    std::vector<std::int32_t> ids;
    // Stored first: the copy is read from the tables, and it must hold what the form shows.
    const bool made = doc.store_current_record(log) &&
                      copy_record(*doc.db(), doc.current_record()->id, std::nullopt, 1, std::nullopt, ids, log);
    const bool current = made && doc.reload_record_list(log) && doc.make_current(ids.front(), log);
    if (!log.empty())
        doc.ui().show_error_list("i_VORN Database", "", log);
    if (!made)
        return false;
    new_id = ids.front();
    doc.ui().show_record_values();
    doc.ui().refresh_all_views(1);
    return current;
}

} // namespace ivorn
