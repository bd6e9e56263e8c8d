// The one untyped piece of the reference record store.
#include "reference/reference_store.h"

namespace ivorn {

bool delete_row_by_id(database& db, const table_description& table, std::int32_t number, std::string& log)
{
    recordset set;
    if (!set.open(db, table, filter_by("ID", field_value(std::int64_t{number})), log))
        return false;
    if (set.is_empty()) {
        log += "Unable to find record to delete [" + table.name + "]\r\n";
        return false;
    }
    return set.delete_current(log);
}

} // namespace ivorn
