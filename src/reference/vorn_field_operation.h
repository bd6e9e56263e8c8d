// One field operation of a subarea's schedule (tillage, planting, harvest, an application...),
// the date-ordered list a subarea keeps, the schedule file read on import and written for each
// run, and the "Field Operations" rows of one subarea.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/field_readers.h"
#include "core/list_class.h"
#include "core/model_file_writer.h"
#include "store/database.h"
#include "store/field_binding.h"
#include "store/recordset.h"

namespace ivorn {

class operation_list_class;

class vorn_field_operation : public list_member {
public:
    static constexpr int parameter_count = 7;

    std::int32_t year = 1;
    int month = 1;
    int day = 1;
    // The tillage or equipment operation performed.
    std::int32_t operation_number = -1;
    // The operation that supplies the power unit; 0 for none.
    std::int32_t tractor = 0;
    std::int32_t crop_number = 0;
    std::int32_t int_variable = 0;
    std::int32_t subarea_number = 0;
    std::int32_t record_id = 0;
    float parameters[parameter_count] = {};
    // Place in which it was read from a file or a table, from 0; never stored.
    std::int32_t sequence = 0;

    // Earlier dates first; on one date the higher operation number first; equal ones keep their
    // order of arrival.
    bool comes_before(const list_member& candidate) const override;

    // One line of the two-digit layout, as the line reader hands it (line end included or not).
    void read_line(std::string_view line, field_overflow* overflow = nullptr);
    // One schedule line and its line end. The operation's code in `tillage` picks the parameter
    // formats; an operation that is not there is logged and written with the fallback formats.
    virtual void write_two_digit(model_file_writer& out, const operation_list_class* tillage, std::string& log) const;
    virtual void write_three_digit(model_file_writer& out, const operation_list_class* tillage,
                                   std::string& log) const;

    // Every field but `sequence`.
    void copy_from(const vorn_field_operation& other);
    binding_list bindings();
    void save_to_row(recordset& set);

protected:
    bool is_ordered() const override { return true; }
};

using field_operation_list = typed_list<vorn_field_operation>;

// Line 2 of a schedule file: two numbers that belong to the subarea, not to an operation.
struct schedule_header {
    int land_use_number = 0;
    int autoirrigation_number = 0;
};

// The subarea a schedule belongs to, as the schedule readers and stores need it.
struct schedule_owner {
    std::int32_t record_id = 0;
    std::int32_t subarea_number = 0;
};

// One schedule file into `operations` (replaced) and `header`. A file that does not open or lacks
// line 2 leaves both as they were. The list file that names the schedule is the subarea's business.
bool read_schedule_file(const std::string& path, const schedule_owner& owner, schedule_header& header,
                        field_operation_list& operations, std::string& log);

// The schedule file of one subarea for a run: title, line 2 (unless the model version is 0), one
// line per operation in list order (three-digit layout for 806 and 1307), and an empty line.
bool write_operation_schedule(const std::string& path, const schedule_header& header,
                              const field_operation_list& operations, const operation_list_class* tillage,
                              int model_version, line_end_style line_ends, std::string& log);

// The subarea's rows of "Field Operations" in date order.
bool load_field_operations(database& db, const schedule_owner& owner, field_operation_list& operations,
                           std::string& log);
// Leaves exactly the list's operations as the subarea's rows, in list order, reusing the rows
// that are there; in one transaction.
bool save_field_operations(database& db, const schedule_owner& owner, const field_operation_list& operations,
                           std::string& log);

} // namespace ivorn
