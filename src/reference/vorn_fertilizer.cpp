// The fertilizer line of the model's fertilizer file as data, its short-line rules, the file
// reader and the "Fertilizer" table binding.
#include "reference/vorn_fertilizer.h"

#include <array>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/reference_store.h"
#include "reference/reference_tables.h"

namespace ivorn {
namespace {

using r = vorn_fertilizer;

constexpr fixed_field<r> f(int n, const char* column, float r::*member)
{
    return single_field<r>(column, eight_column_start(15, n - 1), eight_column_start(22, n - 1), "%8.4f", member);
}

constexpr std::array<fixed_field<r>, 9> fertilizer_fields = {{
    f(1, "Mineral Nitrogen", &r::mineral_nitrogen),
    f(2, "Mineral Phosphorus", &r::mineral_phosphorus),
    f(3, "Mineral Potassium", &r::mineral_potassium),
    f(4, "Organic Nitrogen", &r::organic_nitrogen),
    f(5, "Organic Phosphorus", &r::organic_phosphorus),
    f(6, "Ammonia Nitrogen", &r::ammonia_nitrogen),
    f(7, "Organic Carbon", &r::organic_carbon),
    f(8, "Salt Fraction", &r::salt_fraction),
    f(9, "Fertilizer Cost", &r::fertilizer_cost),
}};

} // namespace

std::span<const fixed_field<vorn_fertilizer>> vorn_fertilizer::file_fields() { return fertilizer_fields; }

void vorn_fertilizer::read_line(std::string_view line, field_overflow* overflow)
{
    const size_t length = counted_length(line);
    line = without_line_end(line);
    if (length <= 8)
        return;
    read_long_field(line, 2, 5, number);
    if (length < 16)
        return;
    std::string text;
    if (read_text_field(line, 7, 14, text))
        name = latin1_to_utf8(trim_copy(text));
    read_fields(line, *this, file_fields(), overflow);
}

void vorn_fertilizer::write_record(model_file_writer& out, int) const
{
    if (name.empty()) {
        out.write("\n");
        return;
    }
    out.printf(" %4d %s", static_cast<int>(number), pad_to_width(utf8_to_latin1(name), 8).c_str());
    write_fields(out, *this, file_fields());
    out.write("\n");
}

binding_list vorn_fertilizer::bindings()
{
    binding_list list{{"ID", &number}, {"Name", &name}};
    bind_fields(list, *this, file_fields());
    return list;
}

bool read_fertilizer_file(vorn_production_supply_list& fertilizers, const std::string& file_name, std::string& log)
{
    line_reader in;
    if (!in.open_or_log(file_name, "fertilizer", log))
        return false;
    std::string line;
    std::int32_t count = 0;
    while (in.next_line(line)) {
        auto fertilizer = std::make_unique<vorn_fertilizer>();
        field_overflow overflow;
        fertilizer->read_line(line, &overflow);
        if (overflow.found()) {
            log += overflow.message(file_name, in.line_number());
            return false;
        }
        // The file's own numbers are not kept: a fertilizer is known by its place in the file.
        fertilizer->number = ++count;
        fertilizers.add(std::move(fertilizer));
    }
    return true;
}

bool load_fertilizers(database& db, vorn_production_supply_list& fertilizers, std::string& log)
{
    return load_bound_rows<vorn_fertilizer>(
        db, fertilizer_table(), [&](std::unique_ptr<vorn_fertilizer> record) { fertilizers.add(std::move(record)); },
        log);
}

bool save_fertilizers(database& db, const vorn_production_supply_list& fertilizers, std::string& log)
{
    return upsert_all_rows<vorn_fertilizer>(db, fertilizer_table(), fertilizers, log);
}

bool save_fertilizer(database& db, vorn_fertilizer& fertilizer, std::string& log)
{
    return upsert_bound_row(db, fertilizer_table(), fertilizer, log);
}

} // namespace ivorn
