// The field operation record: its date order, the schedule line in both layouts, and its columns.
#include "reference/vorn_field_operation.h"

#include <array>

#include "core/field_readers.h"
#include "core/text_utils.h"
#include "reference/vorn_operation.h"

namespace ivorn {
namespace {

// Columns of the parameters in the two-digit layout as the model reads them: the first takes
// nine columns, every later one eight.
constexpr std::array<std::array<int, 2>, vorn_field_operation::parameter_count> parameter_columns = {
    {{27, 35}, {36, 43}, {44, 51}, {52, 59}, {60, 67}, {68, 75}, {76, 83}}};

using parameter_formats = std::array<const char*, vorn_field_operation::parameter_count>;

// The parameter formats by the operation's code (7: apply pesticide), per layout.
struct line_layout {
    const char* date_and_numbers;
    parameter_formats pesticide;
    parameter_formats other;
    parameter_formats unknown;
};

constexpr line_layout two_digit = {
    "%2d%2d%2d%5d%5d%5d%5d",
    {"%8.1f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f"},
    {"%8.1f", "%8.1f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f"},
    {"%8.1f", "%8.1f", "%8.1f", "%8.1f", "%8.1f", "%8.1f", "%8.2f"},
};

constexpr line_layout three_digit = {
    "%3d%3d%3d%5d%5d%5d%5d",
    {"%8.3f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f"},
    {"%8.1f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f"},
    {"%8.1f", "%8.1f", "%8.1f", "%8.1f", "%8.1f", "%8.1f", "%8.2f"},
};

constexpr int pesticide_code = 7;

// The model reads its lines with their line end, so a field that reaches one column past the
// text still holds its digits; a last line without an end is read as if it had one.
std::string as_counted_line(std::string_view line)
{
    std::string text(line);
    if (text.empty() || text.back() != '\n')
        text.push_back('\n');
    return text;
}

int compare_dates(const vorn_field_operation& a, const vorn_field_operation& b)
{
    if (a.year != b.year)
        return a.year < b.year ? -1 : 1;
    if (a.month != b.month)
        return a.month < b.month ? -1 : 1;
    if (a.day != b.day)
        return a.day < b.day ? -1 : 1;
    return 0;
}

void write_line(const vorn_field_operation& op, const line_layout& layout, model_file_writer& out,
                const operation_list_class* tillage, std::string& log)
{
    const vorn_operation* operation = tillage ? tillage->find_by_number(op.operation_number) : nullptr;
    if (!operation)
        log += format_printf("Illegal operation type %d\n", op.operation_number);
    const parameter_formats& formats =
        !operation ? layout.unknown : (operation->code == pesticide_code ? layout.pesticide : layout.other);
    out.printf(layout.date_and_numbers, op.year, op.month, op.day, op.operation_number, op.tractor, op.crop_number,
               op.int_variable);
    for (int i = 0; i < vorn_field_operation::parameter_count; ++i)
        out.printf(formats[static_cast<size_t>(i)], static_cast<double>(op.parameters[i]));
    out.write("\n");
}

} // namespace

bool vorn_field_operation::comes_before(const list_member& candidate) const
{
    const auto& other = static_cast<const vorn_field_operation&>(candidate);
    const int order = compare_dates(*this, other);
    if (order != 0)
        return order < 0;
    return operation_number >= other.operation_number;
}

void vorn_field_operation::read_line(std::string_view raw, field_overflow* overflow)
{
    const std::string line = as_counted_line(raw);
    unsigned short month_read = 0;
    unsigned short day_read = 0;
    read_long_field(line, 1, 2, year);
    read_ushort_field(line, 3, 4, month_read);
    read_ushort_field(line, 5, 6, day_read);
    // What the 16-bit columns will hold, so the order and the stored row agree.
    month = static_cast<short>(month_read);
    day = static_cast<short>(day_read);
    read_long_field(line, 7, 11, operation_number);
    read_long_field(line, 12, 16, tractor);
    read_long_field(line, 17, 21, crop_number);
    read_long_field(line, 22, 26, int_variable);
    for (int i = 0; i < parameter_count; ++i) {
        const auto& columns = parameter_columns[static_cast<size_t>(i)];
        if (overflow)
            overflow->read_float(line, columns[0], columns[1], parameters[i]);
        else
            read_float_field(line, columns[0], columns[1], parameters[i]);
    }
    if (!overflow)
        return;
    const std::string_view text = without_line_end(line);
    for (const auto& [first, last] : {std::pair{1, 2}, {3, 4}, {5, 6}, {7, 11}, {12, 16}, {17, 21}, {22, 26}})
        overflow->check_long(text, first, last);
}

void vorn_field_operation::write_two_digit(model_file_writer& out, const operation_list_class* tillage,
                                           std::string& log) const
{
    write_line(*this, two_digit, out, tillage, log);
}

void vorn_field_operation::write_three_digit(model_file_writer& out, const operation_list_class* tillage,
                                             std::string& log) const
{
    write_line(*this, three_digit, out, tillage, log);
}

void vorn_field_operation::copy_from(const vorn_field_operation& other)
{
    const std::int32_t kept = sequence;
    year = other.year;
    month = other.month;
    day = other.day;
    operation_number = other.operation_number;
    tractor = other.tractor;
    crop_number = other.crop_number;
    int_variable = other.int_variable;
    subarea_number = other.subarea_number;
    record_id = other.record_id;
    for (int i = 0; i < parameter_count; ++i)
        parameters[i] = other.parameters[i];
    sequence = kept;
}

binding_list vorn_field_operation::bindings()
{
    binding_list list = {
        {"ID", &record_id},
        {"Subarea Id", &subarea_number},
        {"Year", &year},
        {"Month", &month},
        {"Day", &day},
        {"Type", &operation_number},
        {"Tractor", &tractor},
        {"Crop ID", &crop_number},
        {"Int Variable", &int_variable},
    };
    bind_numbered(list, "Parameter ", parameters, parameter_count);
    return list;
}


void vorn_field_operation::save_to_row(recordset& set) { save_bindings(set, bindings()); }

} // namespace ivorn
