// Job directories of links to the model's installation.
#include "run/job_directories.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "core/default_file_names.h"
#include "core/filename_struct.h"
#include "core/text_utils.h"
#include "run/directory_lock.h"

namespace ivorn {
namespace {

bool ends_with(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool starts_with(std::string_view text, std::string_view head)
{
    return text.substr(0, head.size()) == head;
}

} // namespace

bool is_run_file_name(const std::string& name)
{
    namespace n = file_names;
    static const char* const fixed[] = {
        n::model_file_list, n::run_file, n::control_file, n::console_capture, n::output_base,
        n::hourly_precipitation, n::point_source, n::herd, n::daily_weather_list, n::weather,
        n::weather_list, n::wind, n::wind_list, n::site, n::site_list, n::subarea_list, n::soil_list,
        n::operation_list, n::print, n::parameters, n::pesticides, n::fertilizers, n::crops, n::tillage,
        n::archive_directory, "iverror.log", "iverror.out", "swat_basin.dat", directory_lock::file_name()};
    const std::string lower = to_lower_copy(name);
    for (const char* known : fixed)
        if (lower == to_lower_copy(known))
            return true;
    // The reports "vorn.*", the numbered subarea files, schedules, soils, final soil tables and
    // the per-record SWAT files.
    return starts_with(lower, "vorn.") || starts_with(lower, to_lower_copy(n::subareas)) || ends_with(lower, ".ops")
           || ends_with(lower, ".sol") || ends_with(lower, ".sot") || (starts_with(lower, "sw") && ends_with(lower, ".swt"));
}

bool link_model_files(const std::string& model_directory, const std::string& job_directory, std::string& log)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path source = fs::absolute(model_directory.empty() ? "." : model_directory, error);
    fs::directory_iterator entries(source, error);
    if (error) {
        log += "Unable to read the model directory " + model_directory + ": " + error.message() + "\r\n";
        return false;
    }
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (is_run_file_name(name))
            continue;
        fs::create_symlink(entry.path(), fs::path(job_directory) / name, error);
        if (error) {
            log += "Unable to link " + entry.path().string() + " into " + job_directory + ": " + error.message() + "\r\n";
            return false;
        }
    }
    return true;
}

job_directories::~job_directories()
{
    if (root_.empty() || keep_)
        return;
    // Links are removed, never followed.
    std::error_code error;
    std::filesystem::remove_all(root_, error);
}

bool job_directories::create(const std::string& parent, const std::string& model_directory, int count, std::string& log)
{
    std::string pattern = parent;
    if (!pattern.empty() && !is_path_separator(pattern.back()))
        pattern.push_back(native_separator());
    pattern += "ivorn-jobs-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        log += "Unable to create a job directory under " + parent + ".\r\n";
        return false;
    }
    root_ = pattern;
    for (int i = 1; i <= count; ++i) {
        std::string path = root_ + native_separator() + std::to_string(i) + native_separator();
        std::error_code error;
        if (!std::filesystem::create_directory(path, error)) {
            log += "Unable to create the job directory " + path + ": " + error.message() + "\r\n";
            return false;
        }
        if (!link_model_files(model_directory, path, log))
            return false;
        paths_.push_back(std::move(path));
    }
    return true;
}

} // namespace ivorn
