// The main report (".OUT") as a run's outputs are loaded: with every output-file switch off only
// the main report is read, and its tables are stored in a scratch project database. The first
// byte picks the model version and the optional tables.
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "report_loading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    ivorn::fuzz::write_parts(data + 1, size - 1, {"vorn.OUT"});
    ivorn::fuzz::load_reports(data[0], false);
    return 0;
}
