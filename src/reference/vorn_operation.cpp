// The tillage file line as data: the fields every version shares and the two version tails,
// chosen by model version rather than tested field by field.
#include "reference/vorn_operation.h"

#include <array>

#include "core/field_readers.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

using r = vorn_operation;

constexpr fixed_field<r> whole(int n, const char* column, float r::*member)
{
    return {column, eight_column_start(20, n - 1), eight_column_start(27, n - 1), "%7ld.", field_kind::single_as_whole,
            member, nullptr};
}

constexpr fixed_field<r> f(int n, const char* column, const char* format, float r::*member)
{
    return single_field<r>(column, eight_column_start(20, n - 1), eight_column_start(27, n - 1), format, member);
}

constexpr std::array<fixed_field<r>, 27> common_layout = {{
    whole(1, "Pric", &r::pric),
    whole(2, "Plst", &r::plst),
    whole(3, "Hry", &r::hry),
    whole(4, "Hrl", &r::hrl),
    whole(5, "Pwr", &r::pwr),
    f(6, "Wdt", "%8.1f", &r::wdt),
    f(7, "Spd", "%8.2f", &r::spd),
    f(8, "Rc1", "%8.3f", &r::rc1),
    f(9, "Rc2", "%8.3f", &r::rc2),
    f(10, "Xlb", "%8.3f", &r::xlb),
    f(11, "Fcm", "%8.3f", &r::fcm),
    f(12, "Vr1", "%8.3f", &r::vr1),
    f(13, "Vr2", "%8.3f", &r::vr2),
    f(14, "Efm", "%8.3f", &r::efm),
    f(15, "Rti", "%8.3f", &r::rti),
    f(16, "Mixing Efficiency", "%8.3f", &r::emx),
    f(17, "Surface Random Roughness", "%8.3f", &r::rr),
    f(18, "Tillage Depth", "%8.3f", &r::tld),
    f(19, "Ridge Height", "%8.3f", &r::rht),
    f(20, "Ridge Interval", "%8.3f", &r::rin),
    f(21, "Furrow Dike Height", "%8.3f", &r::dkh),
    f(22, "Furrow Dike Interval", "%8.3f", &r::dki),
    whole_field<r>("Code", 196, 203, "%4d.000", field_kind::whole, &r::code),
    f(24, "Harvest Pesticide Efficiency Ratio", "%8.3f", &r::he),
    f(25, "Override Harvest Index", "%8.3f", &r::orhi),
    f(26, "Fraction of Soil Compacted", "%8.3f", &r::frcp),
    f(27, "Fraction of Population Reduced", "%8.3f", &r::fpop),
}};

constexpr std::array<fixed_field<r>, 2> newer_tail = {{
    f(28, "Tcem", "%8.3f", &r::tcem),
    f(29, "Stir", "%8.3f", &r::stir),
}};

constexpr std::array<fixed_field<r>, 1> older_tail = {{
    f(28, "Cost", "%8.3f", &r::cost),
}};

} // namespace

std::span<const fixed_field<vorn_operation>> vorn_operation::common_fields() { return common_layout; }

std::span<const fixed_field<vorn_operation>> vorn_operation::version_fields(int model_version)
{
    if (uses_newer_layout(model_version))
        return newer_tail;
    return older_tail;
}

void vorn_operation::read_line(std::string_view line, int model_version, field_overflow* overflow)
{
    if (overflow)
        overflow->read_long(line, 1, 5, number);
    else
        read_int_field(line, 1, 5, number);
    std::string text;
    if (read_text_field(line, 7, 14, text))
        name = latin1_to_utf8(trim_copy(text));
    if (read_text_field(line, 16, 19, text))
        pcd = latin1_to_utf8(trim_copy(text));
    read_fields(line, *this, common_fields(), overflow);
    read_fields(line, *this, version_fields(model_version), overflow);
}

void vorn_operation::write_record(model_file_writer& out, int model_version) const
{
    out.printf("%5d %s %s", static_cast<int>(number), pad_to_width(utf8_to_latin1(name), 8).c_str(), pad_to_width(utf8_to_latin1(pcd), 4).c_str());
    write_fields(out, *this, common_fields());
    write_fields(out, *this, version_fields(model_version));
    out.write("\n");
}

binding_list vorn_operation::bindings()
{
    binding_list list{{"ID", &number}, {"Name", &name}, {"Pcd", &pcd}};
    bind_fields(list, *this, common_fields());
    // The record keeps the tails of both layouts; a file carries only its version's.
    bind_fields<vorn_operation>(list, *this, newer_tail);
    bind_fields<vorn_operation>(list, *this, older_tail);
    return list;
}

} // namespace ivorn
