// The reference-file readers: crops, fertilizers, pesticides, tillage, parameters and operation
// schedules, each in every model version's layout. The first byte picks the reader and version.
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "reference/parameter_set.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_field_operation.h"
#include "reference/vorn_operation.h"
#include "reference/vorn_pesticide.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    using namespace ivorn;
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    const std::string path = fuzz::write_parts(data + 1, size - 1, {"reference.dat"})[0];
    const int version = fuzz::version_of(choice / 8);
    std::string log;
    switch (choice % 6) {
    case 0: {
        vorn_production_supply_list crops;
        read_crop_file(crops, path, log);
        break;
    }
    case 1: {
        vorn_production_supply_list fertilizers;
        read_fertilizer_file(fertilizers, path, log);
        break;
    }
    case 2: {
        vorn_production_supply_list pesticides;
        read_pesticide_file(pesticides, path, log);
        break;
    }
    case 3: {
        operation_list_class operations;
        operations.read_tillage_file(path, version, log);
        break;
    }
    case 4: {
        parameter_set parameters;
        parameters.read_parameter_file(path, version, log);
        break;
    }
    default: {
        schedule_header header;
        field_operation_list operations;
        read_schedule_file(path, schedule_owner{1, 1}, header, operations, log);
        break;
    }
    }
    return 0;
}
