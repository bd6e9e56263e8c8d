// A project database of N bare control records (IDs 1 to N, each with its parameter and livestock
// rows), for the benchmarks that page through large tables.
#pragma once

#include <string>

namespace ivorn::bench {

bool fill_control_records(const std::string& path, long records);

} // namespace ivorn::bench
