// A pesticide as the model's pesticide file and the "Pesticide" table hold it, and the pesticide
// list's file and table operations. The file read (the model's own, name first, narrow columns)
// and the file written for a run (numbered, exponent notation) have different layouts.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/vorn_production_supply.h"
#include "reference/fixed_line_layout.h"
#include "store/database.h"

namespace ivorn {

class vorn_pesticide : public vorn_production_supply {
public:
    float solubility = 0, half_life_soil = 0, half_life_foliage = 0, wash_off_fraction = 0;
    float organic_carbon_absorption = 0, cost = 0;

    enum class line_result { accepted, end, error };
    // One line of the model's pesticide file, with its line end when it had one.
    line_result read_line(std::string_view line, field_overflow* overflow = nullptr);
    void write_record(model_file_writer& out, int model_version) const override;
    binding_list bindings();

    static std::span<const fixed_field<vorn_pesticide>> read_fields_layout();
    static std::span<const fixed_field<vorn_pesticide>> write_fields_layout();
};

// Pesticides numbered 1, 2, 3 by position until a line shorter than 3 characters; a line of 3 to
// 64 characters is an error that ends the read, keeping the pesticides before it.
bool read_pesticide_file(vorn_production_supply_list& pesticides, const std::string& file_name, std::string& log);

bool load_pesticides(database& db, vorn_production_supply_list& pesticides, std::string& log);
bool save_pesticides(database& db, const vorn_production_supply_list& pesticides, std::string& log);
bool save_pesticide(database& db, vorn_pesticide& pesticide, std::string& log);

} // namespace ivorn
