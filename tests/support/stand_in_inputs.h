// A hand-made input file set for the stand-in model, in the layout of each model version, and a
// helper that runs the stand-in on it as the launcher would.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "run/model_launcher.h"
#include "support/temp_dir.h"

namespace ivorn::testing {

std::string repeat(const std::string& text, int count);

// One subarea (ID 5, 2.5 ha, a soil of two layers) whose schedule plants crop 2 (CORN) and sprays
// pesticide 3 (ATRAZINE); two years from 1990; the print file asks for variables 4 and 12 and
// turns on the given output-file switches.
void write_stand_in_inputs(const temp_dir& dir, int version, std::initializer_list<int> switches);

struct stand_in_run {
    launch_result result;
    std::string console;   // standard output and error
};

// Runs the executable in the directory, with IVORN_STAND_IN_FAILURE set to `failure` when given.
stand_in_run run_stand_in(const std::string& executable, const temp_dir& dir, const char* failure = nullptr,
                          std::vector<std::string> arguments = {});

// The lines of a text without their "\n".
std::vector<std::string> lines_of(const std::string& text);

} // namespace ivorn::testing
