// The whole file set of a run, read in the order the model needs it: the file list, the run
// file, the control file, the print file, the names, then the subareas with their schedules and
// soils. The version comes from the file list's length and the run file's numbers, which must
// agree; 806 and 1307 are told apart by the control file and checked against the print file.
#include <cstdio>

#include "core/text_utils.h"
#include "input_readers.h"

namespace ivorn::stand_in {
namespace {

bool require_file(const std::string& file, const char* role, std::string& error)
{
    std::FILE* opened = std::fopen(file.c_str(), "rb");
    if (!opened) {
        error = file_problem(file, std::string("missing (the ") + role + ")");
        return false;
    }
    std::fclose(opened);
    return true;
}

// The file list's length and the run file's numbers are two marks of one version.
bool check_run_file(const model_file_list& list, const run_file& run, std::string& error)
{
    const size_t expected = list.version == model_version::v2110 ? 4 : list.version == model_version::v604 ? 5 : 6;
    if (run.numbers.size() == expected)
        return true;
    error = file_problem("vornrun.dat", format_printf("its run line has %zu numbers, but vornfile.dat lists the files of model version %s",
                                                      run.numbers.size(), list.newer_version ? "806 or 1307" : list.version == model_version::v604 ? "604" : "2110"));
    return false;
}

bool check_listed_files(const model_file_list& list, const run_file& run, std::string& subarea_file, std::string& error)
{
    struct one_line_list { const char* key; size_t number; const char* role; };
    const one_line_list one_line_lists[] = {
        {"FSITE", 0, "site file"}, {"FWPM1", 1, "weather file"}, {"FWIND", 2, "wind file"}, {"FSUB", 3, "subarea file"}};
    for (const one_line_list& entry : one_line_lists) {
        std::string named;
        if (!look_up_list_file(list.files.at(entry.key), run.numbers[entry.number], named, error)
            || !require_file(named, entry.role, error))
            return false;
        if (std::string(entry.key) == "FSUB")
            subarea_file = named;
    }
    struct listed { const char* key; const char* role; };
    const listed always[] = {{"FPARM", "parameter file"}, {"FPRNT", "print file"}, {"FSOIL", "soil list"}, {"FOPSC", "operation schedule list"}};
    const listed newer[] = {{"FHERD", "herd file"}, {"FWLST", "daily weather list"}, {"FPSOD", "point source file"}, {"FRFDT", "hourly rainfall file"}};
    for (const listed& entry : always)
        if (!require_file(list.files.at(entry.key), entry.role, error))
            return false;
    for (const listed& entry : newer)
        if (list.files.count(entry.key) && !require_file(list.files.at(entry.key), entry.role, error))
            return false;
    return true;
}

} // namespace

bool read_input_set(input_set& inputs, std::string& error)
{
    model_file_list list;
    run_file run;
    if (!read_model_file_list(list, error) || !read_run_file(run, error) || !check_run_file(list, run, error))
        return false;
    inputs.version = list.version;
    inputs.line_ends = list.crlf ? line_end_style::crlf : line_end_style::lf;
    inputs.run_name = run.run_name;
    std::string subarea_file;
    if (!read_control_file(inputs, list.newer_version, error) || !check_listed_files(list, run, subarea_file, error)
        || !read_print_file(list.files.at("FPRNT"), inputs, error))
        return false;
    read_reference_names(list, inputs.names);
    return read_subareas(list, subarea_file, inputs, error);
}

} // namespace ivorn::stand_in
