// The report files of a run (".ACY", ".AWP", ".MSA", ".ACN", ".SUS", ".APS", ".MSW", ".SWT") with
// the main report they follow, loaded with every output-file switch on. The first byte picks the
// model version and the optional tables.
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "report_loading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    ivorn::fuzz::write_parts(data + 1, size - 1,
                             {"vorn.OUT", "vorn.ACY", "vorn.AWP", "vorn.MSA", "vorn.ACN", "vorn.SUS", "vorn.APS",
                              "vorn.MSW", "vorn.SWT"});
    ivorn::fuzz::load_reports(data[0], true);
    return 0;
}
