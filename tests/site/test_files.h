// Scratch files and project databases for the site and shell tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "shell/project_database.h"
#include "support/temp_dir.h"

namespace ivorn::testing {

// A new project database in `path`, opened.
inline void make_project(database& db, const std::string& path)
{
    std::string log;
    ASSERT_TRUE(create_project_database(path, log)) << log;
    ASSERT_TRUE(open_project_database(db, path, log)) << log;
}

} // namespace ivorn::testing
