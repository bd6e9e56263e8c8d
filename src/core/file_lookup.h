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

// The path of an existing file that `path` names when each of its parts is compared without
// regard to letter case: `path` itself when it exists as written; otherwise, part by part, the
// exact name where it exists and else the first name in sorted order that matches ignoring case.
// Without a match, `path` as written.
std::string find_path_ignoring_case(const std::string& path);

// True when `path` names an existing regular file.
bool regular_file_exists(const std::string& path);

} // namespace ivorn
