// Import VORNFILE.DAT: the model's whole data set, found through its model file list, as one new
// control record. The list's and run file's readers are here; the command itself is the
// document's (`doc_i_vorn::import_dataset`), which owns the lists and the record it replaces.
#pragma once

#include <string>

namespace ivorn {

// The files that the first twelve lines of the model file list name, in their order, each
// taken in the list's directory when it is relative. The keys themselves are not compared.
struct model_file_list {
    std::string site_list;
    std::string subarea_list;
    std::string weather_list;
    std::string wind_list;
    std::string crops;
    std::string tillage;
    std::string pesticides;
    std::string fertilizers;
    std::string soil_list;
    std::string operations_list;
    std::string tr55;
    std::string parameters;
    // Beside the list: the run file and the control file.
    std::string run;
    std::string control;
};

// False, with the file and line in the log, when the list does not open or one of its first
// twelve lines names no file.
bool read_model_file_list(const std::string& path, model_file_list& files, std::string& log);

// Columns 1 to 8 of the run file's first line, trimmed. False when the file does not open or
// its first line is missing or empty.
bool read_run_name(const std::string& run_path, std::string& name, std::string& log);

} // namespace ivorn
