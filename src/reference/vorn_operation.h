// A tillage or equipment operation as the model's tillage file and the "Operations" table hold
// it, and the operation list with its file and table operations. The tillage file's last fields
// depend on the model version: TCEM and STIR for 806 and 1307, COTL (the cost) for the others.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/list_class.h"
#include "reference/fixed_line_layout.h"
#include "store/database.h"

namespace ivorn {

class vorn_operation : public list_member {
public:
    std::int32_t number = -1;
    std::string name;
    // Equipment code; one starting with "POWE" is a power unit (a tractor for field operations).
    std::string pcd;
    float pric = 0, plst = 0, hry = 0, hrl = 0, pwr = 0, wdt = 0, spd = 0, rc1 = 0, rc2 = 0, xlb = 0, fcm = 0;
    float vr1 = 0, vr2 = 0, efm = 0, rti = 0, emx = 0, rr = 0, tld = 0, rht = 0, rin = 0, dkh = 0, dki = 0;
    float he = 0, orhi = 0, frcp = 0, fpop = 0;
    float tcem = 0, stir = 0, cost = 0;
    std::int32_t code = 7; // what the operation does besides tillage (7: apply pesticide)

    // One line of the tillage file, without its line end.
    void read_line(std::string_view line, int model_version, field_overflow* overflow = nullptr);
    void write_record(model_file_writer& out, int model_version) const;
    binding_list bindings();

    // Fields 1 to 27 (23 is the code), then the version's last fields.
    static std::span<const fixed_field<vorn_operation>> common_fields();
    static std::span<const fixed_field<vorn_operation>> version_fields(int model_version);
};

class operation_list_class : public typed_list<vorn_operation> {
public:
    // Skips the two header lines; every further line, an empty one included, is an operation.
    bool read_tillage_file(const std::string& file_name, int model_version, std::string& log);
    // False when the file cannot be created or written.
    bool write_tillage_file(const std::string& file_name, int model_version, line_end_style line_ends) const;

    bool load_operations(database& db, std::string& log);
    // Upserts keyed on ID, all in one transaction.
    bool save_operations(database& db, std::string& log) const;
    static bool save_operation(database& db, vorn_operation& operation, std::string& log);
};

// The two header lines of the tillage file for a model version, with their line ends.
std::string tillage_file_header(int model_version);

} // namespace ivorn
