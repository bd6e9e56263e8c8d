// A fertilizer as the model's fertilizer file and the "Fertilizer" table hold it, and the
// fertilizer list's file and table operations.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/vorn_production_supply.h"
#include "reference/fixed_line_layout.h"
#include "store/database.h"

namespace ivorn {

class vorn_fertilizer : public vorn_production_supply {
public:
    float mineral_nitrogen = 0, mineral_phosphorus = 0, mineral_potassium = 0, organic_nitrogen = 0;
    float organic_phosphorus = 0, ammonia_nitrogen = 0, organic_carbon = 0, salt_fraction = 0;
    float fertilizer_cost = 0;

    // One line of the fertilizer file, with its line end when it had one. Short lines keep the
    // defaults of the fields they lack.
    void read_line(std::string_view line, field_overflow* overflow = nullptr);
    // An unnamed fertilizer is written as an empty line, so it keeps its place in the file.
    void write_record(model_file_writer& out, int model_version) const override;
    binding_list bindings();

    static std::span<const fixed_field<vorn_fertilizer>> file_fields();
};

// Every line of the file gives a fertilizer, numbered 1, 2, 3 by its position.
bool read_fertilizer_file(vorn_production_supply_list& fertilizers, const std::string& file_name, std::string& log);

bool load_fertilizers(database& db, vorn_production_supply_list& fertilizers, std::string& log);
bool save_fertilizers(database& db, const vorn_production_supply_list& fertilizers, std::string& log);
bool save_fertilizer(database& db, vorn_fertilizer& fertilizer, std::string& log);

} // namespace ivorn
