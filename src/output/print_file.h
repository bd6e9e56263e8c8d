// The model's print file "ivPrnt.dat": which variables the model prints in its main report and
// which output files it writes, from the selected-output-variables list.
#pragma once

#include <string>

#include "core/model_file_writer.h"
#include "output/output_variables.h"

namespace ivorn {

// The file's body. Versions 806 and 1307 take the long layout (a 5-line number block and the
// final-soil-table line), 1307 one more column number on its first fixed line.
void write_print_file(const list_output_variable_descriptions& list, int vorn_version, model_file_writer& file);

// Creates the file at `path`; without a list it stays empty. False (with a message in the log)
// when it cannot be written.
bool write_print_file(const list_output_variable_descriptions* list, int vorn_version, const std::string& path,
                      line_end_style line_ends, std::string& log);

} // namespace ivorn
