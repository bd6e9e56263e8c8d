// The plain-text field-operation import. The file names neither the control record nor the
// subarea of its operations: they go to the current record, each to the subarea its leading
// number names when the record has that subarea, otherwise to the record's first subarea.
#include "shell/import_field_operations.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/field_operation_table.h"
#include "shell/doc_i_vorn.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

std::vector<std::string> tokens_of(const std::string& line)
{
    std::vector<std::string> tokens;
    size_t at = 0;
    while (at < line.size()) {
        const size_t begin = line.find_first_not_of(" \n", at);
        if (begin == std::string::npos)
            break;
        const size_t end = line.find_first_of(" \n", begin);
        tokens.push_back(line.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        at = end == std::string::npos ? line.size() : end;
    }
    return tokens;
}

// A token read as "%ld" or "%d" would read it: a leading number, what follows ignored.
bool scan_whole(const std::string& token, long long low, long long high, long long& value)
{
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(token.c_str(), &end, 10);
    if (end == token.c_str() || errno == ERANGE || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool scan_real(const std::string& token, float& value)
{
    errno = 0;
    char* end = nullptr;
    const float parsed = std::strtof(token.c_str(), &end);
    if (end == token.c_str() || errno == ERANGE)
        return false;
    value = parsed;
    return true;
}

bool parse_line(const std::string& line, plain_field_operation& parsed)
{
    const std::vector<std::string> tokens = tokens_of(line);
    long long numbers[5] = {};
    // "%ld" of the model's platform: 32 bits, as [Subarea Id] is.
    if (tokens.size() < 5 || !scan_whole(tokens[0], INT32_MIN, INT32_MAX, numbers[0]))
        return false;
    for (size_t i = 1; i < 5; ++i) {
        if (!scan_whole(tokens[i], INT_MIN, INT_MAX, numbers[i]))
            return false;
    }
    parsed.leading_number = static_cast<std::int32_t>(numbers[0]);
    vorn_field_operation& op = parsed.operation;
    op.year = static_cast<std::int32_t>(numbers[1]);
    op.month = static_cast<int>(numbers[2]);
    op.day = static_cast<int>(numbers[3]);
    op.operation_number = static_cast<std::int32_t>(numbers[4]);
    for (size_t p = 0; p < 3 && 5 + p < tokens.size(); ++p) {
        if (!scan_real(tokens[5 + p], op.parameters[p]))
            break;
    }
    return true;
}

} // namespace

bool read_plain_field_operations(const std::string& path, std::vector<plain_field_operation>& lines, std::string& log)
{
    line_reader in;
    const auto opened = in.open(path, log);
    if (opened == line_reader::open_result::missing)
        log += format_printf("**Operation file not found, %s\r\n", path.c_str());
    if (opened != line_reader::open_result::opened)
        return false;
    std::string line;
    while (in.next_line(line)) {
        plain_field_operation parsed;
        if (parse_line(line, parsed))
            lines.push_back(parsed);
    }
    return true;
}

bool doc_i_vorn::import_field_operations(const std::string& path)
{
    if (!db_)
        return false;
    ui_.store_form_values();
    std::string log;
    const auto fail = [&]() {
        ui_.show_error_list("Read errors", "Click This", log);
        return false;
    };
    if (!store_before_leaving(log))
        return fail();
    if (!has_current_) {
        log += "There is no current control record to receive the field operations.\r\n";
        return fail();
    }
    std::vector<plain_field_operation> lines;
    if (!read_plain_field_operations(path, lines, log))
        return fail();

    subarea_list& subareas = record_->subareas;
    const vorn_subarea* first = subareas.first();
    long by_number = 0;
    long to_first = 0;
    {
        transaction work(*db_);
        recordset set;
        if (!set.open(*db_, field_operations_table(), filter_by("ID", field_value(std::int64_t{record_->id})), log))
            return fail();
        for (plain_field_operation& line : lines) {
            vorn_field_operation& op = line.operation;
            op.record_id = record_->id;
            if (!first || subareas.find_by_subarea(line.leading_number)) {
                op.subarea_number = line.leading_number;
                ++by_number;
            } else {
                op.subarea_number = first->subarea_number;
                ++to_first;
            }
            set.add_new();
            op.save_to_row(set);
            if (!set.update(log))
                return fail();
        }
        if (!work.commit(log))
            return fail();
    }
    // The subareas' lists take the new rows in, or the next store of the record would drop them.
    for (vorn_subarea* subarea : subareas)
        subarea->load_field_operations(*db_, log);

    log += format_printf("Field operations added to record %d: %ld.\r\n", record_->id, by_number + to_first);
    if (by_number > 0)
        log += format_printf("%ld filed under the subarea number leading their line.\r\n", by_number);
    if (to_first > 0)
        log += format_printf("%ld to the first subarea, %d: their leading number names no subarea of the record.\r\n",
                             to_first, first->subarea_number);
    ui_.show_error_list("Import Operations File", "", log);
    ui_.refresh_all_views(1);
    return true;
}

} // namespace ivorn
