// The subarea file and, for each subarea, the schedule and soil files that the two list files
// name for it.
#include <sstream>

#include "core/field_readers.h"
#include "core/text_utils.h"
#include "input_readers.h"

namespace ivorn::stand_in {
namespace {

constexpr int block_lines = 12;
// Subareas times years: enough for any test, and a bound on the reports a hostile set can ask for.
constexpr size_t max_subarea_years = 5000;

struct list_entry {
    int counter = 0;
    std::string file;
    long subarea = -1;    // -1 when the line names none
};

bool read_list(const std::string& list_file, std::vector<list_entry>& entries, std::string& error)
{
    std::vector<std::string> lines;
    if (!read_model_lines(list_file, lines, error))
        return false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (trim_copy(lines[i]).empty())
            continue;
        std::istringstream words(lines[i]);
        list_entry entry;
        if (!(words >> entry.counter >> entry.file)) {
            error = line_problem(list_file, static_cast<int>(i + 1), "expected a number and a file name");
            return false;
        }
        long subarea = 0;
        if (words >> subarea)
            entry.subarea = subarea;
        entries.push_back(entry);
    }
    return true;
}

bool find_entry(const std::string& list_file, const std::vector<list_entry>& entries, const subarea_input& subarea,
                std::string& file, std::string& error)
{
    for (const list_entry& entry : entries) {
        if (entry.counter != subarea.position)
            continue;
        if (entry.subarea >= 0 && entry.subarea != subarea.number) {
            error = file_problem(list_file, format_printf("its line %d is for subarea %ld, but subarea %d of the subarea file is %ld",
                                                          entry.counter, entry.subarea, subarea.position, subarea.number));
            return false;
        }
        file = entry.file;
        return true;
    }
    error = file_problem(list_file, format_printf("names no file for subarea %d (ID %ld)", subarea.position, subarea.number));
    return false;
}

bool read_block(const std::string& file, const std::vector<std::string>& lines, size_t start, model_version version,
                subarea_input& subarea, std::string& error)
{
    const int line_number = static_cast<int>(start + 1);
    if (start + block_lines > lines.size()) {
        error = line_problem(file, line_number, "the subarea block is cut short (a block has 12 lines)");
        return false;
    }
    std::istringstream first(lines[start]);
    if (!(first >> subarea.number)) {
        error = line_problem(file, line_number, "the block does not start with the subarea number");
        return false;
    }
    std::istringstream second(lines[start + 1]);
    std::vector<long> numbers;
    long number = 0;
    while (second >> number)
        numbers.push_back(number);
    const size_t expected = version == model_version::v2110 ? 9 : 12;
    if (numbers.size() != expected || !second.eof()) {
        error = line_problem(file, line_number + 1, format_printf("expected %zu numbers for model version %d", expected, version_number(version)));
        return false;
    }
    const std::string& hydrology = lines[start + 3];
    if (!read_float_field(hydrology, 1, 8, subarea.area) || hydrology.size() < 8) {
        error = line_problem(file, line_number + 3, "the drainage area (columns 1-8) is not a number");
        return false;
    }
    read_float_field(hydrology, 9, 16, subarea.channel_length);
    read_float_field(hydrology, 41, 48, subarea.slope);
    for (int i = 0; i < block_lines; ++i)
        subarea.block_text += lines[start + static_cast<size_t>(i)] + "\n";
    return true;
}

} // namespace

bool read_subareas(const model_file_list& list, const std::string& subarea_file, input_set& inputs, std::string& error)
{
    std::vector<std::string> lines;
    if (!read_model_lines(subarea_file, lines, error))
        return false;
    size_t start = 0;
    while (start < lines.size() && lines[start].size() >= 4) {
        if ((inputs.subareas.size() + 1) * static_cast<size_t>(inputs.duration) > max_subarea_years) {
            error = file_problem(subarea_file, format_printf("more subareas than the stand-in takes for %d years (subareas times years at most %zu)",
                                                             inputs.duration, max_subarea_years));
            return false;
        }
        subarea_input subarea;
        subarea.position = static_cast<int>(inputs.subareas.size()) + 1;
        if (!read_block(subarea_file, lines, start, inputs.version, subarea, error))
            return false;
        inputs.subareas.push_back(std::move(subarea));
        start += block_lines;
    }
    if (start >= lines.size()) {
        error = file_problem(subarea_file, "the list of subareas does not end with a blank line");
        return false;
    }

    const std::string& schedule_list = list.files.at("FOPSC");
    const std::string& soil_list = list.files.at("FSOIL");
    std::vector<list_entry> schedules;
    std::vector<list_entry> soils;
    if (!read_list(schedule_list, schedules, error) || !read_list(soil_list, soils, error))
        return false;
    for (const auto& [list_file, entries] : {std::pair{&schedule_list, &schedules}, std::pair{&soil_list, &soils}})
        if (entries->size() != inputs.subareas.size()) {
            error = file_problem(*list_file, format_printf("names %zu files for the %zu subareas of %s", entries->size(),
                                                           inputs.subareas.size(), subarea_file.c_str()));
            return false;
        }
    for (subarea_input& subarea : inputs.subareas) {
        if (!find_entry(schedule_list, schedules, subarea, subarea.schedule_file, error)
            || !find_entry(soil_list, soils, subarea, subarea.soil_file, error)
            || !read_schedule_file(subarea.schedule_file, inputs.version, subarea, error)
            || !read_soil_file(subarea.soil_file, subarea.soil, error))
            return false;
    }
    return true;
}

} // namespace ivorn::stand_in
