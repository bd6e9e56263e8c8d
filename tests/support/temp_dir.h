// A private temporary directory per test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace ivorn::testing {

class temp_dir {
public:
    temp_dir();
    ~temp_dir();
    temp_dir(const temp_dir&) = delete;
    temp_dir& operator=(const temp_dir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Whole-file helpers for expected bytes.
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

} // namespace ivorn::testing
