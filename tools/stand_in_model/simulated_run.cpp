// The made-up results of one run (see simulated_run.h).
#include "simulated_run.h"

#include <algorithm>

#include "core/text_utils.h"
#include "variable_catalogue.h"

namespace ivorn::stand_in {
namespace {

constexpr int plant_in_rows = 5;
constexpr int plant_with_drill = 6;
constexpr int apply_pesticide = 7;
constexpr int fertilize = 9;

// A name the report can print as one word of at most `width` characters.
std::string one_word(std::string_view name, size_t width)
{
    std::string word = trim_copy(name);
    std::replace(word.begin(), word.end(), ' ', '_');
    if (word.size() > width)
        word.resize(width);
    return word;
}

// -1 when the run has no tillage file to tell the operation's code.
int operation_code(const reference_names& names, int operation)
{
    if (names.operation_codes.empty())
        return -1;
    const auto found = names.operation_codes.find(operation);
    return found == names.operation_codes.end() ? 0 : found->second;
}

bool plants(const reference_names& names, const field_operation& op)
{
    const int code = operation_code(names, op.operation);
    if (code < 0)
        return op.crop > 0;
    return code == plant_in_rows || code == plant_with_drill;
}

int rotation_length(const subarea_input& subarea)
{
    int years = 1;
    for (const field_operation& op : subarea.operations)
        years = std::max(years, op.year);
    return years;
}

} // namespace

simulated_run::simulated_run(const input_set& inputs) : inputs_(inputs)
{
    run_values_.absorb(inputs.control_text);
    run_values_.absorb(static_cast<long>(inputs.subareas.size()));
    for (const subarea_input& subarea : inputs.subareas)
        run_values_.absorb(subarea.block_text);

    for (const subarea_input& subarea : inputs.subareas) {
        value_source values = run_values_;
        values.absorb(subarea.number);
        values.absorb(subarea.block_text);
        values.absorb(subarea.soil.name);
        for (const field_operation& op : subarea.operations) {
            values.absorb(static_cast<long>(op.operation) * 100000 + op.crop);
            values.absorb(static_cast<long>(op.year) * 10000 + op.month * 100 + op.day);
        }
        subarea_values_.push_back(values);

        std::vector<crop_in_run> crops;
        std::vector<pesticide_in_run> pesticides;
        for (const field_operation& op : subarea.operations) {
            if (plants(inputs.names, op) && op.crop > 0) {
                const bool known = std::any_of(crops.begin(), crops.end(), [&](const crop_in_run& c) { return c.number == op.crop; });
                if (known || crops.size() >= max_crops_per_subarea)
                    continue;
                const auto name = inputs.names.crops.find(op.crop);
                crop_in_run crop;
                crop.number = op.crop;
                crop.name = one_word(name == inputs.names.crops.end() ? "" : name->second, 4);
                if (crop.name.empty())
                    crop.name = cut_to_width(format_printf("C%d", op.crop), 4);
                crop.rotation_year = op.year;
                const float given = op.parameters[1];
                crop.curve_number = given >= 30.0f && given <= 100.0f
                    ? given
                    : static_cast<float>(static_cast<int>(values.between(55.0, 90.0, "CN", op.crop)));
                crops.push_back(crop);
            }
            if (operation_code(inputs.names, op.operation) == apply_pesticide && op.int_variable > 0) {
                const bool known = std::any_of(pesticides.begin(), pesticides.end(), [&](const pesticide_in_run& p) { return p.number == op.int_variable; });
                if (known)
                    continue;
                const auto name = inputs.names.pesticides.find(op.int_variable);
                pesticide_in_run pesticide;
                pesticide.number = op.int_variable;
                pesticide.name = cut_to_width(trim_copy(name == inputs.names.pesticides.end() ? "" : name->second), 16);
                if (pesticide.name.empty())
                    pesticide.name = format_printf("PEST%d", op.int_variable);
                pesticides.push_back(pesticide);
            }
        }
        if (crops.empty())
            crops.push_back({0, "FALW", 0, static_cast<float>(static_cast<int>(values.between(60.0, 85.0, "CN")))});
        for (const pesticide_in_run& pesticide : pesticides) {
            const bool known = std::any_of(run_pesticides_.begin(), run_pesticides_.end(), [&](const pesticide_in_run& p) { return p.number == pesticide.number; });
            if (!known)
                run_pesticides_.push_back(pesticide);
        }
        crops_.push_back(std::move(crops));
        pesticides_.push_back(std::move(pesticides));
    }
}

int simulated_run::listed_code(const field_operation& op) const
{
    const int code = operation_code(inputs_.names, op.operation);
    if (code >= 0)
        return code;
    return op.crop > 0 ? plant_in_rows : 0;
}

const crop_in_run* simulated_run::planted_crop(int s, const field_operation& op) const
{
    if (!plants(inputs_.names, op))
        return nullptr;
    for (const crop_in_run& crop : crops(s))
        if (crop.number == op.crop)
            return &crop;
    return nullptr;
}

std::vector<const crop_in_run*> simulated_run::harvested(int s, int y) const
{
    const int rotation_year = y % rotation_length(subarea(s)) + 1;
    std::vector<const crop_in_run*> result;
    for (const crop_in_run& crop : crops(s))
        if (crop.rotation_year == rotation_year)
            result.push_back(&crop);
    if (result.empty())
        for (const crop_in_run& crop : crops(s))
            result.push_back(&crop);
    return result;
}

harvest_values simulated_run::harvest(int s, int y, const crop_in_run& crop) const
{
    const value_source& values = subarea_values_[static_cast<size_t>(s)];
    const long c = crop.number;
    harvest_values h;
    if (crop.number == 0) {
        h.biomass = values.between(0.0, 0.5, "BIOM", y, c);
        return h;
    }
    h.grain = values.between(0.5, 9.5, "GRAIN", y, c);
    h.forage = values.between(0.0, 3.0, "FORAGE", y, c);
    h.biomass = h.grain * 2.1 + h.forage;
    h.water_use = values.between(5.0, 20.0, "WUEF", y, c);
    h.nitrogen_in_yield = h.grain * 14.0;
    h.phosphorus_in_yield = h.grain * 2.5;
    h.water_stress = values.between(0.0, 25.0, "WS", y, c);
    h.nitrogen_stress = values.between(0.0, 15.0, "NS", y, c);
    h.phosphorus_stress = values.between(0.0, 8.0, "PS", y, c);
    h.temperature_stress = values.between(0.0, 30.0, "TS", y, c);
    h.aeration_stress = values.between(0.0, 3.0, "AS", y, c);
    h.salt_stress = values.between(0.0, 2.0, "SS", y, c);

    const int rotation_year = y % rotation_length(subarea(s)) + 1;
    double fertilizer = 0.0;
    for (const field_operation& op : subarea(s).operations)
        if (op.year == rotation_year && operation_code(inputs_.names, op.operation) == fertilize)
            fertilizer += std::max(0.0f, op.parameters[0]);
    h.nitrogen_applied = fertilizer * 0.25 + values.between(0.0, 20.0, "FN", y, c);
    h.phosphorus_applied = fertilizer * 0.05 + values.between(0.0, 4.0, "FP", y, c);
    return h;
}

double simulated_run::pesticide_amount(int s, int y, const pesticide_in_run& pesticide, int amount) const
{
    const double scale = amount == 0 ? 1000.0 : 25.0;
    return subarea_values_[static_cast<size_t>(s)].between(0.0, scale, "PEST", y, pesticide.number, amount);
}

double simulated_run::monthly(int s, int y, int m, std::string_view name) const
{
    const variable_entry* entry = find_variable(name);
    const double low = entry ? entry->low : 0.0;
    const double high = entry ? entry->high : 10.0;
    return subarea_values_[static_cast<size_t>(s)].between(low, high, printed_name(name), y, m);
}

double simulated_run::annual(int s, int y, std::string_view name) const
{
    double total = 0.0;
    for (int m = 0; m < 12; ++m)
        total += monthly(s, y, m, name);
    const variable_entry* entry = find_variable(name);
    return entry && !entry->summed ? total / 12.0 : total;
}

double simulated_run::watershed_monthly(int y, int m, std::string_view name) const
{
    return run_values_.between(0.0, 60.0, printed_name(name), y, m);
}

double simulated_run::watershed_annual(int y, std::string_view name) const
{
    double total = 0.0;
    for (int m = 0; m < 12; ++m)
        total += watershed_monthly(y, m, name);
    return total;
}

double simulated_run::subarea_value(int s, std::string_view what, long a, long b, double low, double high) const
{
    return subarea_values_[static_cast<size_t>(s)].between(low, high, what, a, b);
}

double simulated_run::run_value(std::string_view what, long a, long b, long c, double low, double high) const
{
    return run_values_.between(low, high, what, a, b, c);
}

double simulated_run::soil_value(int s, int y, soil_column column, int layer) const
{
    const double given = subarea(s).soil.layers[static_cast<size_t>(column)][static_cast<size_t>(layer)];
    if (column == layer_depth)
        return given;
    if (column == organic_carbon)
        return given * (1.0 - 0.004 * (y + 1));
    return given * subarea_value(s, "SOIL", column * 100 + layer, y, 0.99, 1.01);
}

} // namespace ivorn::stand_in
