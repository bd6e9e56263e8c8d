// The parameter set's row in "Parameters": one per control record, selected by its ID.
#include <vector>

#include "core/text_utils.h"
#include "reference/parameter_set.h"
#include "reference/parameters_table.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

// Column names in the order bindings() walks the set's values: S-curves point by point,
// coefficients, costs.
const std::vector<std::string>& value_columns()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (int curve = 1; curve <= 30; ++curve) {
            for (int point = 1; point <= 2; ++point)
                list.push_back("S Curve " + std::to_string(curve) + " " + std::to_string(point));
        }
        for (int n = 1; n <= 97; ++n)
            list.push_back("Parm" + std::to_string(n));
        for (int n = 1; n <= 5; ++n)
            list.push_back("Cost" + std::to_string(n));
        return list;
    }();
    return names;
}

record_filter filter_for(std::int32_t control_record_id)
{
    return filter_by("ID", field_value(std::int64_t{control_record_id}));
}

} // namespace

binding_list parameter_set::bindings()
{
    const auto& names = value_columns();
    binding_list list{{"ID", &id}};
    size_t column = 0;
    for (auto& curve : s_curve) {
        for (float& point : curve)
            list.push_back({names[column++], &point});
    }
    for (float& value : parm)
        list.push_back({names[column++], &value});
    for (float& value : cost)
        list.push_back({names[column++], &value});
    return list;
}

bool parameter_set::load_parameters(database& db, std::int32_t control_record_id, std::string& log, bool* found)
{
    if (found)
        *found = false;
    recordset set;
    if (!set.open(db, parameters_table(), filter_for(control_record_id), log, recordset::mode::read_only))
        return false;
    if (found)
        *found = !set.is_empty();
    if (set.is_empty()) {
        log += format_printf("No parameter table record for id=%ld.\r\n", static_cast<long>(control_record_id));
        return true;
    }
    load_bindings(set, bindings());
    return true;
}

bool parameter_set::save_parameters(database& db, std::int32_t control_record_id, std::string& log)
{
    transaction work(db);
    if (!work.begun()) {
        log += work.failure();
        log += "Unable to open table " + parameters_table().name + "\r\n";
        return false;
    }
    recordset set;
    if (!set.open(db, parameters_table(), filter_for(control_record_id), log))
        return false;
    id = control_record_id;
    if (set.is_empty())
        set.add_new();
    else
        set.edit();
    save_bindings(set, bindings());
    if (!set.update(log))
        return false;
    // Only the first row stays: a record has one parameter set.
    for (set.move_to(1); !set.is_eof(); set.move_next()) {
        if (!set.delete_current(log))
            return false;
    }
    return work.commit(log);
}

bool parameter_set::delete_parameters(database& db, std::int32_t control_record_id, std::string& log)
{
    if (delete_rows(db, parameters_table(), filter_for(control_record_id), log) < 0)
        return false;
    log += format_printf("Deleted parameters, ID = %ld\r\n", static_cast<long>(control_record_id));
    return true;
}

} // namespace ivorn
