// The model parameter set of one control record: 30 S-curves of two points, 97 general
// coefficients and 5 costs. The model's parameter file carries them in 40 lines (coefficients 1
// to 95) or, for model versions 806 and 1307, 41 lines (all 97 and the costs).
#pragma once

#include <cstdint>
#include <string>

#include "core/model_file_writer.h"
#include "store/database.h"
#include "store/field_binding.h"

namespace ivorn {

struct parameter_set {
    std::int32_t id = 0; // the owning control record's ID
    float s_curve[30][2] = {};
    float parm[97] = {};
    float cost[5] = {};

    // Reads as many lines of the version's layout as the file has: values of lines that are
    // missing keep their values. A file that does not open is read as nothing, silently (true);
    // one that is not text is refused (false). `lines_read` (when given) tells how many lines
    // gave values, so a caller can tell an empty or missing file from a read one.
    bool read_parameter_file(const std::string& file_name, int model_version, std::string& log,
                             int* lines_read = nullptr);
    // False, with "Cannot open parm file NAME for write", when the file cannot be written.
    bool write_parameter_file(const std::string& file_name, int model_version, line_end_style line_ends,
                              std::string& log) const;

    // The control record's row of "Parameters"; without one the set stays as it is (logged).
    // `found` (when given) tells whether there was a row.
    bool load_parameters(database& db, std::int32_t control_record_id, std::string& log, bool* found = nullptr);
    // Leaves exactly one row for the control record, holding this set, in one transaction.
    bool save_parameters(database& db, std::int32_t control_record_id, std::string& log);
    bool delete_parameters(database& db, std::int32_t control_record_id, std::string& log);

    binding_list bindings();
};

} // namespace ivorn
