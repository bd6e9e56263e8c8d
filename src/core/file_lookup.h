// Finds a file by name whatever the letter case of its name on disk: the model writes its report
// files as "VORN.OUT" or "vorn.OUT" as it pleases, and a case-sensitive file system must still
// find them under the name the program asks for.
#pragma once

#include <map>
#include <string>
#include <vector>

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

// The same lookups for many names in one directory. The exact name and the name in capitals
// (the first of its spellings in sorted order) are tried on their own; the directory is read
// only for a name found neither way, and then once for all of them. A run looks up a dozen
// names in a model directory that keeps the final soil tables of every earlier run.
class directory_lookup {
public:
    explicit directory_lookup(const std::string& directory);
    std::string find(const std::string& name);
    // Every file whose name equals `name` ignoring case, in sorted order.
    std::vector<std::string> all_spellings(const std::string& name);
    // A file this program removed or renamed away.
    void forget(const std::string& path);

private:
    void read_directory();

    std::string prefix_;
    bool read_ = false;
    // Lower-case name -> the names on disk, sorted.
    std::map<std::string, std::vector<std::string>> names_;
};

} // namespace ivorn
