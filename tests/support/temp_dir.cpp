// Temporary directories and whole-file helpers for tests.
#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace ivorn::testing {

temp_dir::temp_dir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ivorn_test_XXXXXX").string();
    if (::mkdtemp(pattern.data()))
        path_ = pattern;
}

temp_dir::~temp_dir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

} // namespace ivorn::testing
