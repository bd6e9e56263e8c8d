// Reading comma-separated text as spreadsheets write it (RFC 4180): quoted fields may hold
// commas, doubled quotes and line breaks; CR LF or LF line ends; a leading byte-order mark.
// The counterpart of csv_export, for tables that users fill in themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ivorn {

struct csv_row {
    int line = 0; // the line the row starts on, from 1
    std::vector<std::string> fields;
};

// Blank lines are skipped. False with a message naming the line when the text holds a NUL byte,
// a quoted field that never ends, or text after a closing quote.
bool parse_csv(std::string_view text, std::vector<csv_row>& rows, std::string& log);

} // namespace ivorn
