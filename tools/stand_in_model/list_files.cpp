// The files that name other files: the model file list, the run file and the one-line lists.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include "core/line_reader.h"
#include "core/text_utils.h"
#include "input_readers.h"

namespace ivorn::stand_in {
namespace {

// The keys of the model file list in their order; the first 14 are in every version.
const char* const list_keys[] = {"FSITE", "FSUB", "FWPM1", "FWIND", "FCROP", "FTILL", "FPEST", "FFERT", "FSOIL",
                                 "FOPSC", "FTR55", "FPARM", "FMLRN", "FPRNT", "FHERD", "FWLST", "FPSOD", "FRFDT"};

bool parse_integer(const std::string& word, int& value)
{
    if (word.empty())
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || parsed < -2147483647L || parsed > 2147483647L)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

std::string file_problem(const std::string& file, const std::string& problem)
{
    return file + ": " + problem;
}

std::string line_problem(const std::string& file, int line, const std::string& problem)
{
    return format_printf("%s, line %d: %s", file.c_str(), line, problem.c_str());
}

bool read_model_lines(const std::string& file, std::vector<std::string>& lines, std::string& error)
{
    lines.clear();
    line_reader reader;
    std::string log;
    const auto opened = reader.open(file, log);
    if (opened == line_reader::open_result::missing) {
        error = file_problem(file, "missing (cannot be opened)");
        return false;
    }
    if (opened == line_reader::open_result::not_text) {
        error = file_problem(file, "not a text file (it holds NUL bytes)");
        return false;
    }
    std::string line;
    while (reader.next_line(line)) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

bool read_model_file_list(model_file_list& list, std::string& error)
{
    const std::string file = "vornfile.dat";
    std::string bytes;
    if (!read_whole_file(file, bytes)) {
        error = file_problem(file, "missing (cannot be opened)");
        return false;
    }
    list.crlf = bytes.find("\r\n") != std::string::npos;
    std::vector<std::string> lines;
    if (!read_model_lines(file, lines, error))
        return false;
    while (!lines.empty() && trim_copy(lines.back()).empty())
        lines.pop_back();
    const size_t count = lines.size();
    if (count != 14 && count != 17 && count != 18) {
        error = file_problem(file, format_printf("holds %zu file lines; a model file list has 14, 17 or 18", count));
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        const std::string& line = lines[i];
        const std::string key = trim_copy(line.substr(0, std::min<size_t>(10, line.size())));
        const std::string name = line.size() > 10 ? trim_copy(line.substr(10)) : "";
        if (key != list_keys[i] || name.empty()) {
            error = line_problem(file, static_cast<int>(i + 1), format_printf("expected the key %s and a file name", list_keys[i]));
            return false;
        }
        list.files[key] = name;
    }
    list.newer_version = count == 18;
    list.version = count == 14 ? model_version::v2110 : count == 17 ? model_version::v604 : model_version::v806;
    return true;
}

bool read_run_file(run_file& run, std::string& error)
{
    const std::string file = "vornrun.dat";
    std::vector<std::string> lines;
    if (!read_model_lines(file, lines, error))
        return false;
    if (lines.empty() || trim_copy(lines[0]).empty()) {
        error = line_problem(file, 1, "the run line is missing");
        return false;
    }
    std::istringstream words(lines[0]);
    words >> run.run_name;
    const bool plain_name = !run.run_name.empty() && run.run_name.size() <= 60 && run.run_name[0] != '.'
        && std::all_of(run.run_name.begin(), run.run_name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.'; });
    if (!plain_name) {
        error = line_problem(file, 1, "the run name \"" + run.run_name + "\" is not a plain file name");
        return false;
    }
    std::string word;
    while (words >> word) {
        int number = 0;
        if (!parse_integer(word, number)) {
            error = line_problem(file, 1, "\"" + word + "\" is not a number");
            return false;
        }
        run.numbers.push_back(number);
    }
    if (run.numbers.size() < 4 || run.numbers.size() > 6) {
        error = line_problem(file, 1, "expected the run name and 4, 5 or 6 numbers");
        return false;
    }
    return true;
}

bool look_up_list_file(const std::string& list_file, int number, std::string& named, std::string& error)
{
    std::vector<std::string> lines;
    if (!read_model_lines(list_file, lines, error))
        return false;
    for (const std::string& line : lines) {
        std::istringstream words(line);
        std::string first;
        std::string name;
        int found = 0;
        if (words >> first >> name && parse_integer(first, found) && found == number) {
            named = name;
            return true;
        }
    }
    error = file_problem(list_file, format_printf("names no file for number %d", number));
    return false;
}

} // namespace ivorn::stand_in
