// The plain-text field-operation file: one operation per line as blank-separated numbers, a
// leading number, then year, month, day and operation number, then up to three parameters.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "reference/vorn_field_operation.h"

namespace ivorn {

struct plain_field_operation {
    std::int32_t leading_number = 0;
    vorn_field_operation operation;
};

// The lines whose first five numbers read; the others are passed over. False, with
// "**Operation file not found, NAME", when the file does not open.
bool read_plain_field_operations(const std::string& path, std::vector<plain_field_operation>& lines,
                                 std::string& log);

} // namespace ivorn
