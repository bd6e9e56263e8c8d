// A small, made-up model data set as the model's own files hold it, for the import tests and
// as the shape of the demo data: one 2110 run with two subareas, their soils and schedules, the
// site with two herds, weather station 3 with its wind, the reference files and the parameters.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ivorn::testing {

struct dataset_file {
    const char* name; // relative to the data set's directory; may name a subdirectory
    std::string text; // the file's bytes
};

const std::vector<dataset_file>& made_up_dataset_files();

// Writes every file into `directory` and returns the path of its model file list.
std::string write_made_up_dataset(const std::filesystem::path& directory);

} // namespace ivorn::testing
