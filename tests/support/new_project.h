// A fresh project database with every table, opened, for tests that need one.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "shell/project_database.h"
#include "store/database.h"

namespace ivorn::testing {

inline void open_new_project(database& db, const std::string& path)
{
    std::string log;
    ASSERT_TRUE(create_project_database(path, log)) << log;
    ASSERT_TRUE(open_project_database(db, path, log)) << log;
}

} // namespace ivorn::testing
