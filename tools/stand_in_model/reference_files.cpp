// The reference files, read only for the names and codes the reports print: crop names, the
// code of each operation (which ones plant, spray or fertilize) and pesticide names. A run whose
// lists were missing has none of them; the reports then print numbers in place of names.
#include "core/field_readers.h"
#include "core/text_utils.h"
#include "input_readers.h"

namespace ivorn::stand_in {
namespace {

constexpr size_t header_lines = 2;

void read_crops(const std::string& file, std::map<long, std::string>& crops)
{
    std::vector<std::string> lines;
    std::string ignored;
    if (!read_model_lines(file, lines, ignored))
        return;
    for (size_t i = header_lines; i < lines.size() && lines[i].size() >= 3; ++i) {
        std::int32_t number = 0;
        std::string name;
        if (read_long_field(lines[i], 1, 5, number) && number > 0) {
            read_text_field(lines[i], 6, std::min<int>(10, static_cast<int>(lines[i].size())), name);
            crops.emplace(number, trim_copy(name));
        }
    }
}

void read_operation_codes(const std::string& file, std::map<long, int>& codes)
{
    std::vector<std::string> lines;
    std::string ignored;
    if (!read_model_lines(file, lines, ignored))
        return;
    for (size_t i = header_lines; i < lines.size(); ++i) {
        std::int32_t number = 0;
        int code = 0;
        if (read_long_field(lines[i], 1, 5, number) && lines[i].size() >= 199 && read_int_field(lines[i], 196, 199, code))
            codes.emplace(number, code);
    }
}

void read_pesticides(const std::string& file, std::map<long, std::string>& pesticides)
{
    std::vector<std::string> lines;
    std::string ignored;
    if (!read_model_lines(file, lines, ignored))
        return;
    for (const std::string& line : lines) {
        std::int32_t number = 0;
        std::string name;
        if (line.size() > 6 && read_long_field(line, 1, 5, number) && number > 0) {
            read_text_field(line, 7, std::min<int>(22, static_cast<int>(line.size())), name);
            pesticides.emplace(number, trim_copy(name));
        }
    }
}

} // namespace

void read_reference_names(const model_file_list& list, reference_names& names)
{
    read_crops(list.files.at("FCROP"), names.crops);
    read_operation_codes(list.files.at("FTILL"), names.operation_codes);
    read_pesticides(list.files.at("FPEST"), names.pesticides);
}

} // namespace ivorn::stand_in
