// Renames after a run. The model names its files in the case it likes; they are found whatever
// the case, and the new names are the ones the next run looks for (also whatever the case).
#include "run/run_renames.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "core/file_lookup.h"
#include "core/text_utils.h"
#include "run/list_files.h"

namespace ivorn {

bool move_replacing(const std::string& from, const std::string& to)
{
    if (!regular_file_exists(from))
        return false;
    std::remove(to.c_str());
    std::error_code error;
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    // A run in a job directory on another file system than the model's keeps its files by copy.
    if (errno != EXDEV || !std::filesystem::copy_file(from, to, error))
        return false;
    std::filesystem::remove(from, error);
    return true;
}

bool keep_replacing(const run_context& context, const std::string& from, const std::string& to)
{
    if (!context.settings.keep_by_copy)
        return move_replacing(from, to);
    if (!regular_file_exists(from))
        return false;
    std::error_code error;
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
}

std::vector<long> distinct_subarea_ids(const control_record& record)
{
    std::vector<long> ids;
    for (const vorn_subarea* subarea : record.subareas) {
        const long id = subarea->subarea_number;
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    }
    return ids;
}

bool rename_swat_output(const run_context& context, model_file_writer* summary, std::string& log)
{
    const std::string& directory = context.settings.working_directory;
    const long id = context.record->id;
    const std::string from = find_file_ignoring_case(directory, "vorn.swt");
    const std::string to = keep_directory(context) + format_printf("sw%06ld.swt", id);
    // The record's SWAT file of an earlier run goes even when this run wrote none: left there, a
    // run set's basin list would name it as this run's output.
    std::remove(to.c_str());
    if (!keep_replacing(context, from, to)) {
        log += "Unable to rename " + from + " to " + to + "\n";
        return true; // nor is the basin list to name a file this run did not write
    }
    if (summary)
        summary->printf("sw%06ld.swt %11.2lf %d\n", id, context.total_subarea_area, context.record->swat_subbasin);
    return true;
}

bool rename_final_soil_tables(const run_context& context, std::string& log)
{
    const std::string& directory = context.settings.working_directory;
    const bool wide = is_wide_version(context.settings.vorn_version);
    const long record_id = context.record->id;
    directory_lookup files(directory);
    for (const long subarea_id : distinct_subarea_ids(*context.record)) {
        const std::string from_name = wide ? format_printf("%08ld.SOT", subarea_id) : format_printf("%04ld.SOT", subarea_id);
        const std::string to_name = wide ? format_printf("%08ld.%08ld.SOT", record_id, subarea_id)
                                         : format_printf("%08ld.%04ld.SOT", record_id, subarea_id);
        const std::string from = files.find(from_name);
        const std::string to = keep_directory(context) + to_name;
        if (!keep_replacing(context, from, to))
            log += "Unable to rename " + from + " to " + to + "\n";
    }
    return true;
}

} // namespace ivorn
