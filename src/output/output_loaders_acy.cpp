// The annual crop yield file ".ACY": one Crop Yield Output row per harvest line, and the nutrients
// applied per crop and year kept for the yearly rows.
#include <array>

#include "core/text_utils.h"
#include "output/output_loaders_common.h"
#include "output/output_tables.h"

namespace ivorn {
namespace {

struct column_range {
    int first;
    int last;
};

struct crop_yield_value {
    const char* column;
    column_range variant_1;
    column_range variant_2;
    unit_factor factor;
};

constexpr int nitrogen_applied = 3;
constexpr int phosphorus_applied = 4;
const std::array<crop_yield_value, 9> crop_yield_values = {{
    {"Grain Yield", {25, 34}, {33, 42}, unit_factor::tonnage},
    {"Forage Yield", {35, 44}, {43, 52}, unit_factor::tonnage},
    {"Biomass", {45, 54}, {53, 62}, unit_factor::tonnage},
    {"Nitrogen Applied", {55, 64}, {203, 212}, unit_factor::mass},
    {"Phosphorus Applied", {65, 74}, {213, 222}, unit_factor::mass},
    {"Water Stress", {75, 84}, {63, 72}, unit_factor::none},
    {"Nitrogen Stress", {85, 94}, {73, 82}, unit_factor::none},
    {"Phosphorus Stress", {95, 104}, {83, 92}, unit_factor::none},
    {"Salt Stress", {125, 134}, {113, 122}, unit_factor::none},
}};

struct crop_yield_keys {
    column_range subarea, year, crop;
};
const crop_yield_keys crop_yield_key_columns[2] = {{{6, 9}, {15, 19}, {21, 24}}, {{6, 9}, {23, 27}, {29, 32}}};

} // namespace

bool load_annual_crop_yields(vorn_output_class& out, output_sink& sink, int variant, std::string& log)
{
    loader_file file(out);
    if (!open_loader_file(out, file, ".ACY", log) || !file.skip_headings(variant == 2 ? 9 : 8))
        return false;
    const table_description& table = crop_yield_output_table();
    bulk_inserter* row = open_output_table(out, sink, table, "Cannot open table Crop Yield Output");
    if (!row)
        return false;
    std::array<const char*, crop_yield_values.size()> names{};
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = crop_yield_values[i].column;
    const auto columns = column_positions(table, names);
    const crop_yield_keys& keys = crop_yield_key_columns[variant == 2 ? 1 : 0];
    int skipped = 0;
    while (file.next_data()) {
        const int subarea = file.integer(keys.subarea.first, keys.subarea.last);
        const int year = file.integer(keys.year.first, keys.year.last);
        if (file.stopped())
            return false;
        if (!inside_crop_tables(subarea, year)) {
            ++skipped;
            continue;
        }
        const std::string name = first_word(field_of(file.line, keys.crop.first, keys.crop.last), 4);
        rotation_crop* crop = find_or_add_crop(out.subareas[static_cast<size_t>(subarea - 1)].rotation_crops, name, 5);
        if (!crop) {
            out.record_error(rotation_overflow_message, file.path);
            return false;
        }
        std::array<float, crop_yield_values.size()> values{};
        for (size_t i = 0; i < values.size(); ++i) {
            const column_range& range = variant == 2 ? crop_yield_values[i].variant_2 : crop_yield_values[i].variant_1;
            values[i] = file.real(range.first, range.last);
        }
        if (file.stopped())
            return false;
        crop->nitrogen_applied[static_cast<size_t>(year - 1)] = values[nitrogen_applied];
        crop->phosphorus_applied[static_cast<size_t>(year - 1)] = values[phosphorus_applied];
        if (!out.in_relative_window(year))
            continue;
        row->set_integer(0, out.run_id);
        row->set("Subarea Id", field_value(std::int64_t{subarea}));
        row->set("Year", field_value(std::int64_t{year}));
        row->set("Crop Name", field_value(name));
        for (size_t i = 0; i < values.size(); ++i)
            row->set_single(columns[i], out.convert(values[i], crop_yield_values[i].factor));
        if (!insert_output_row(out, *row))
            return false;
    }
    note_skipped_lines(log, skipped, file.path);
    return file.finish(log);
}

} // namespace ivorn
