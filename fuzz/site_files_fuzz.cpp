// The readers of a run definition: the model file list with the run, control, site, subarea,
// schedule, weather and wind files it leads to (as Import VORNFILE.DAT reads them), and the soil,
// monthly weather and wind files on their own. The first byte picks which.
#include <cstdint>
#include <string>
#include <vector>

#include "core/line_reader.h"
#include "fuzz_files.h"
#include "shell/app_settings.h"
#include "shell/import_dataset.h"
#include "site/control_file.h"
#include "site/control_record.h"
#include "site/vorn_soil.h"
#include "site/vorn_weather_station.h"

namespace {

// The data set's files under the names the seed's model file list and list files give them.
const std::vector<std::string> dataset_names = {
    "vornfile.dat", "vornrun.dat", "vorncont.dat", "ivsitels.dat", "ivsite.dat",   "ivsublist.dat", "ivsub.dat",
    "ivOpList.dat", "0001.ops",    "0002.ops",     "ivwthlst.dat", "ivwindls.dat", "wthr.wp1",      "wind.wnd",
    "ivSlList.dat", "soil1.sol"};

void import_dataset_files(const std::uint8_t* data, size_t size, int version)
{
    using namespace ivorn;
    const auto paths = fuzz::write_parts(data, size, dataset_names);
    std::string log;
    model_file_list files;
    std::string run_name;
    if (!read_model_file_list(paths[0], files, log))
        return;
    read_run_name(files.run, run_name, log);
    app_settings settings;
    settings.vorn_version = version;
    control_record record(settings);
    control_import_paths import;
    import.control = files.control;
    import.site_list = files.site_list;
    import.subarea_list = files.subarea_list;
    import.soil_list = files.soil_list;
    import.operations_list = files.operations_list;
    import.run = files.run;
    import.weather_list = files.weather_list;
    import.wind_list = files.wind_list;
    import_control_file(record, import, log);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    using namespace ivorn;
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    ++data;
    --size;
    std::string log;
    switch (choice % 4) {
    case 0:
        import_dataset_files(data, size, fuzz::version_of(choice / 4));
        break;
    case 1: {
        vorn_soil soil;
        soil.read_soil_file(fuzz::write_parts(data, size, {"single.sol"})[0], log);
        break;
    }
    default: {
        line_reader file;
        if (file.open(fuzz::write_parts(data, size, {"single.wth"})[0], log) != line_reader::open_result::opened)
            break;
        vorn_weather_station station;
        if (choice % 4 == 2)
            station.import_weather(file, log);
        else
            station.import_wind(file, log);
        break;
    }
    }
    return 0;
}
