// RFC 4180 reading, one character at a time: a quoted field can run over several lines, so lines
// are not split first.
#include "store/csv_reader.h"

#include "core/text_utils.h"

namespace ivorn {
namespace {

bool blank_row(const csv_row& row) { return row.fields.size() == 1 && row.fields.front().empty(); }

} // namespace

bool parse_csv(std::string_view text, std::vector<csv_row>& rows, std::string& log)
{
    rows.clear();
    if (text.find('\0') != std::string_view::npos) {
        log += "The file holds NUL bytes: it is not comma-separated text.\r\n";
        return false;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int line = 1;
    csv_row row{line, {std::string()}};
    const auto end_row = [&] {
        if (!blank_row(row))
            rows.push_back(std::move(row));
        row = csv_row{line, {std::string()}};
    };
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && row.fields.back().empty()) {
            const int opened = line;
            std::string& field = row.fields.back();
            for (++i;; ++i) {
                if (i >= text.size()) {
                    log += format_printf("Line %d: a quoted field does not end.\r\n", opened);
                    return false;
                }
                if (text[i] == '\n')
                    ++line;
                if (text[i] != '"') {
                    field.push_back(text[i]);
                    continue;
                }
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field.push_back('"');
                    ++i;
                    continue;
                }
                break;
            }
            ++i;
            const bool at_field_end = i >= text.size() || text[i] == ',' || text[i] == '\n' ||
                                      (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
            if (!at_field_end) {
                log += format_printf("Line %d: text after the closing quote of a field.\r\n", line);
                return false;
            }
            continue;
        }
        if (c == ',') {
            row.fields.emplace_back();
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            if (c == '\r')
                ++i;
            ++line;
            end_row();
        } else {
            row.fields.back().push_back(c);
        }
        ++i;
    }
    end_row();
    return true;
}

} // namespace ivorn
