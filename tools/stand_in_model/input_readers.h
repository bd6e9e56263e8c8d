// Reading and checking the file set of one run, piece by piece. Each reader returns false with
// a message naming the file (and the line) it could not take; nothing is trusted, nothing is
// guessed: an incomplete or inconsistent set is refused, the way the model would stop on it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "input_set.h"

namespace ivorn::stand_in {

std::string file_problem(const std::string& file, const std::string& problem);
std::string line_problem(const std::string& file, int line, const std::string& problem);

// Every line of a text file without its line end (CR LF, CR CR LF and LF alike).
bool read_model_lines(const std::string& file, std::vector<std::string>& lines, std::string& error);

// The model file list: key -> file name, and the version its length implies (806 and 1307 both
// have 18 lines; the control file tells them apart).
struct model_file_list {
    std::map<std::string, std::string> files;
    model_version version = model_version::v2110;
    bool newer_version = false;   // 18 lines: 806 or 1307
    bool crlf = false;            // the set was written with CR LF line ends
};
bool read_model_file_list(model_file_list& list, std::string& error);

struct run_file {
    std::string run_name;
    std::vector<int> numbers;     // site, weather, wind, subarea list number, then the version's flags
};
bool read_run_file(run_file& run, std::string& error);

// The file a one-line list file names for `number` (" 1    ivsub.dat").
bool look_up_list_file(const std::string& list_file, int number, std::string& named, std::string& error);

// Simulation period and the control file's own version marks (line 2 and line 6 lengths).
bool read_control_file(input_set& inputs, bool newer_version, std::string& error);

bool read_subareas(const model_file_list& list, const std::string& subarea_file, input_set& inputs,
                   std::string& error);
bool read_schedule_file(const std::string& file, model_version version, subarea_input& subarea, std::string& error);
bool read_soil_file(const std::string& file, soil_profile& soil, std::string& error);

bool read_print_file(const std::string& file, input_set& inputs, std::string& error);

// Names the reports print; every file here is optional.
void read_reference_names(const model_file_list& list, reference_names& names);

bool read_input_set(input_set& inputs, std::string& error);

} // namespace ivorn::stand_in
