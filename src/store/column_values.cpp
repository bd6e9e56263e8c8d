// Column range checks and typed-value reading.
#include "store/column_values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/text_utils.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

std::string_view without_blanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    // from_chars takes no leading plus; people write one.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    return text;
}

} // namespace

bool parse_column_value(const table_description& table, const column_description& column, std::string_view text,
                        field_value& value, std::string& log)
{
    if (column.type == column_type::text) {
        value = field_value(std::string(text));
        return check_column_value(table, column, value, log);
    }
    const std::string_view number = without_blanks(text);
    const char* const end = number.data() + number.size();
    if (column.type == column_type::single_float) {
        double real = 0;
        const auto [stop, error] = std::from_chars(number.data(), end, real);
        // Out-of-range spellings such as 1e999 are refused by the range check, not read as 0.
        if (number.empty() || stop != end || (error != std::errc() && error != std::errc::result_out_of_range)) {
            log += format_printf("Value \"%s\" is not a number, as column [%s] of table %s needs\r\n",
                                 std::string(text).c_str(), column.name.c_str(), table.name.c_str());
            return false;
        }
        if (error == std::errc::result_out_of_range || std::fabs(real) > std::numeric_limits<float>::max()) {
            log += format_printf("Value %s does not fit column [%s] of table %s\r\n", std::string(number).c_str(),
                                 column.name.c_str(), table.name.c_str());
            return false;
        }
        value = field_value(real);
    } else {
        std::int64_t integer = 0;
        const auto [stop, error] = std::from_chars(number.data(), end, integer);
        if (number.empty() || stop != end || (error != std::errc() && error != std::errc::result_out_of_range)) {
            log += format_printf("Value \"%s\" is not a whole number, as column [%s] of table %s needs\r\n",
                                 std::string(text).c_str(), column.name.c_str(), table.name.c_str());
            return false;
        }
        if (error == std::errc::result_out_of_range) {
            log += format_printf("Value %s does not fit column [%s] of table %s\r\n", std::string(number).c_str(),
                                 column.name.c_str(), table.name.c_str());
            return false;
        }
        value = field_value(integer);
    }
    if (!check_column_value(table, column, value, log))
        return false;
    value = normalised_value(column, value);
    return true;
}

} // namespace ivorn
