// The path value used wherever a file is named: drive, directory (ending in a separator), base
// name and extension. Both '\' and '/' separate directories, so Windows paths kept in a project
// or settings file still split correctly on other systems.
#pragma once

#include <string>
#include <string_view>

namespace ivorn {

class filename_struct {
public:
    char drive = '*'; // '*' means none
    std::string name;
    std::string directory;
    std::string base;
    std::string extension;
    bool has_drive = false;
    bool absolute_directory = false;
    bool has_extension = false;

    // Splits at the last separator. False (drive cleared) when a ':' sits anywhere but after a
    // one-letter drive.
    bool set_full_path(std::string_view path);
    void set_directory(std::string_view directory_text);
    void set_name(std::string_view name_text);

    std::string full_path() const;
    std::string directory_with_drive() const;
    // The name of a file in this directory.
    std::string path_in_directory(std::string_view file_name) const;
};

bool is_path_separator(char c);
// The separator to append to a directory that lacks one: the platform's own.
char native_separator();

} // namespace ivorn
