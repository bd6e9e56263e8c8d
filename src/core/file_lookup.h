// Finds a file by name whatever the letter case of its name on disk: the model writes its report
// files as "VORN.OUT" or "vorn.OUT" as it pleases, and a case-sensitive file system must still
// find them under the name the program asks for.
#pragma once

#include <string>

namespace ivorn {

// The path of the file in `directory` whose name equals `name` ignoring case: the exact name when
// it exists, otherwise the first such name in sorted order. Without any match, `directory` +
// `name`, so that opening it fails under the name that was asked for. An empty directory is the
// current one; a non-empty one ends with a separator or gets one.
std::string find_file_ignoring_case(const std::string& directory, const std::string& name);

} // namespace ivorn
