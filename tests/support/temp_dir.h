// A private temporary directory per test, removed afterwards, and the whole-file helpers
// the tests use to write input bytes and compare output bytes literally.
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
    // The directory with its trailing separator, as run requests hold it.
    std::string directory() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

} // namespace ivorn::testing
