// The pesticide lines of the model's pesticide file (read layout and written layout) as data,
// the file reader and the "Pesticide" table binding.
#include "reference/vorn_pesticide.h"

#include <array>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/reference_store.h"
#include "reference/reference_tables.h"

namespace ivorn {
namespace {

using r = vorn_pesticide;

constexpr fixed_field<r> f(const char* column, int first, int last, float r::*member)
{
    return single_field<r>(column, first, last, "%16.6E", member);
}

// The model's own file: the name in columns 1-16, then narrow columns.
constexpr std::array<fixed_field<r>, 6> read_layout = {{
    f("Solubility", 17, 24, &r::solubility),
    f("Half Life Soil", 25, 32, &r::half_life_soil),
    f("Half Life Foliage", 33, 40, &r::half_life_foliage),
    f("Wash Off Fraction", 41, 48, &r::wash_off_fraction),
    f("Organic Carbon Absorption", 49, 58, &r::organic_carbon_absorption),
    f("Cost", 59, 64, &r::cost),
}};

// The run's layout: after the number and the name, 16 columns per value from column 23.
constexpr std::array<fixed_field<r>, 6> write_layout = {{
    f("Solubility", 23, 38, &r::solubility),
    f("Half Life Soil", 39, 54, &r::half_life_soil),
    f("Half Life Foliage", 55, 70, &r::half_life_foliage),
    f("Wash Off Fraction", 71, 86, &r::wash_off_fraction),
    f("Organic Carbon Absorption", 87, 102, &r::organic_carbon_absorption),
    f("Cost", 103, 118, &r::cost),
}};

} // namespace

std::span<const fixed_field<vorn_pesticide>> vorn_pesticide::read_fields_layout() { return read_layout; }
std::span<const fixed_field<vorn_pesticide>> vorn_pesticide::write_fields_layout() { return write_layout; }

vorn_pesticide::line_result vorn_pesticide::read_line(std::string_view line, field_overflow* overflow)
{
    const size_t length = counted_length(line);
    if (length < 3)
        return line_result::end;
    if (length <= 64)
        return line_result::error;
    line = without_line_end(line);
    std::string text;
    if (read_text_field(line, 1, 16, text))
        name = latin1_to_utf8(trim_copy(text));
    read_fields(line, *this, read_fields_layout(), overflow);
    return line_result::accepted;
}

void vorn_pesticide::write_record(model_file_writer& out, int) const
{
    out.printf("%5ld ", static_cast<long>(number));
    out.write(pad_to_width(utf8_to_latin1(name), 16));
    write_fields(out, *this, write_fields_layout());
    out.write("\n");
}

binding_list vorn_pesticide::bindings()
{
    binding_list list{{"ID", &number}, {"Name", &name}};
    bind_fields(list, *this, write_fields_layout());
    return list;
}

bool read_pesticide_file(vorn_production_supply_list& pesticides, const std::string& file_name, std::string& log)
{
    line_reader in;
    if (!in.open_or_log(file_name, "pesticide", log))
        return false;
    std::string line;
    std::int32_t count = 0;
    while (in.next_line(line)) {
        auto pesticide = std::make_unique<vorn_pesticide>();
        field_overflow overflow;
        const auto result = pesticide->read_line(line, &overflow);
        if (overflow.found()) {
            log += overflow.message(file_name, in.line_number());
            return false;
        }
        if (result == vorn_pesticide::line_result::end)
            return true;
        if (result == vorn_pesticide::line_result::error) {
            log += "Error in vorn_pesticide::read\r\n";
            in.log_stop(log);
            return false;
        }
        // The file's order numbers the pesticides; the file carries no number of its own.
        pesticide->number = ++count;
        pesticides.add(std::move(pesticide));
    }
    return true;
}

bool load_pesticides(database& db, vorn_production_supply_list& pesticides, std::string& log)
{
    return load_bound_rows<vorn_pesticide>(
        db, pesticide_table(), [&](std::unique_ptr<vorn_pesticide> record) { pesticides.add(std::move(record)); },
        log);
}

bool save_pesticides(database& db, const vorn_production_supply_list& pesticides, std::string& log)
{
    return upsert_all_rows<vorn_pesticide>(db, pesticide_table(), pesticides, log);
}

bool save_pesticide(database& db, vorn_pesticide& pesticide, std::string& log)
{
    return upsert_bound_row(db, pesticide_table(), pesticide, log);
}

} // namespace ivorn
