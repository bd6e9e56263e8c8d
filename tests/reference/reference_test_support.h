// Scratch files and a fresh project database for the reference-record and import tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "shell/project_database.h"
#include "store/database.h"

namespace ivorn::testing {

class scratch_directory {
public:
    scratch_directory()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path()
                / (std::string("ivorn_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~scratch_directory() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void write_bytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A new project database with every table, open.
inline void open_new_project(database& db, const std::string& path)
{
    std::string log;
    ASSERT_TRUE(create_project_database(path, log)) << log;
    ASSERT_TRUE(open_project_database(db, path, log)) << log;
}

} // namespace ivorn::testing
