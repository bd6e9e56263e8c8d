// Archive and error files of a set of runs.
#include "run/run_set.h"

#include <algorithm>
#include <cstdio>

#include "core/default_file_names.h"
#include "core/file_lookup.h"
#include "core/filename_struct.h"
#include "core/text_utils.h"
#include "run/run_renames.h"

namespace ivorn {

long planned_runs(const run_set_options& options, long record_count)
{
    const long first = options.first_position;
    if (first < 1 || first > record_count)
        return 0;
    const long last = std::min(std::max(first, options.last_position), record_count);
    return last - first + 1;
}

void archive_run_files(const run_context& context, std::string& log)
{
    const std::string& directory = context.settings.working_directory;
    const std::string archive = keep_directory(context) + file_names::archive_directory + native_separator();
    const long id = context.record->id;
    bool ok = true;
    directory_lookup files(directory);
    const auto move = [&](const std::string& name, const std::string& target) {
        ok = keep_replacing(context, files.find(name), archive + target) && ok;
    };
    for (const long subarea_id : distinct_subarea_ids(*context.record))
        move(format_printf("%04ld.ops", subarea_id), format_printf("%ld_%04ld.ops", id, subarea_id));
    move(file_names::soil_list, format_printf("%ld_%s", id, file_names::soil_list));
    move(file_names::parameters, format_printf("%ld_%s", id, file_names::parameters));
    move(file_names::control_file, format_printf("%ld_iv.cont", id));
    if (context.settings.vorn_version == 0) {
        for (long i = 1; i <= context.subarea_counter; ++i)
            move(file_names::subareas + std::to_string(i), format_printf("%ld_%04ld.sub", id, i));
    } else {
        move(file_names::subareas, format_printf("%ld_iv.sub", id));
    }
    move("vorn.out", format_printf("%ld_iv.out", id));
    if (!ok)
        log += "Unable to rename files\r\n";
}

void keep_first_failure(const run_context& context, const std::string& console_text, std::string& log)
{
    const std::string& directory = context.settings.working_directory;
    if (!context.settings.run_visible) {
        const std::string path = keep_directory(context) + "ivError.log";
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) {
            log += "ERROR, unable to open bad log file " + path + ".\r\n";
        } else {
            std::fwrite(console_text.data(), 1, console_text.size(), file);
            std::fclose(file);
        }
    }
    const std::string from = find_file_ignoring_case(directory, "vorn.out");
    const std::string to = keep_directory(context) + "ivError.out";
    // An existing ivError.out is not replaced: the rename fails and says so.
    std::FILE* existing = std::fopen(to.c_str(), "rb");
    const bool taken = existing != nullptr;
    if (existing)
        std::fclose(existing);
    if (taken || !keep_replacing(context, from, to))
        log += "Unable to rename output file " + from + " to " + to + ".\r\n";
}

} // namespace ivorn
