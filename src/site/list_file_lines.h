// The model's list files (site, soil, weather and wind lists) name one data file per line.
// These helpers scan such a line and place a listed name, shared by every list-file reader.
#pragma once

#include <string>
#include <string_view>

namespace ivorn {

// A line scanned as "%d %s": a number, blanks, then a word. False when either is missing or the
// number does not fit an int.
bool scan_number_and_name(std::string_view line, int& number, std::string& name);

// The first blank-delimited word of `text` (blanks, tabs and line ends delimit).
std::string first_word(std::string_view text);

// A name from a list file: kept as it is when absolute, otherwise taken in the list file's
// directory, where the model itself finds it (it runs in that directory). Lists made on Windows
// separate directories with backslashes, name files in any case and may carry a drive letter:
// backslashes separate directories here too, a name not found as written is looked up ignoring
// case, and a name with a drive letter is taken as its file name in the list's directory, which
// the log notes.
std::string listed_file_path(const std::string& list_path, const std::string& name, std::string& log);

} // namespace ivorn
