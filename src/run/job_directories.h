// Directories in which models run side by side: each holds links to the model executable and
// every file beside it, so that what a run writes lands there and never in the model directory.
#pragma once

#include <string>
#include <vector>

namespace ivorn {

// True for the names of files a run writes or leaves (input set, reports, final soil tables,
// console capture, error files, archive), whatever their case: those are never linked, so that
// neither this program nor the model writes through a link into the model directory.
bool is_run_file_name(const std::string& name);

// Links every other entry of `model_directory` into `job_directory` (which must exist). Both end
// in a separator. False, with a message, when a link cannot be made.
bool link_model_files(const std::string& model_directory, const std::string& job_directory, std::string& log);

// A private directory under `parent` (created there) with `count` job directories "1", "2", ...
// made by link_model_files. They are removed, with whatever runs left in them, when this ends.
class job_directories {
public:
    job_directories() = default;
    job_directories(const job_directories&) = delete;
    job_directories& operator=(const job_directories&) = delete;
    ~job_directories();

    bool create(const std::string& parent, const std::string& model_directory, int count, std::string& log);
    // The directory holding them (no separator at its end); kept, with them, after this ends.
    const std::string& root() const { return root_; }
    void keep() { keep_ = true; }
    int count() const { return static_cast<int>(paths_.size()); }
    // Ends in a separator.
    const std::string& path(int index) const { return paths_[static_cast<size_t>(index)]; }

private:
    std::string root_;
    bool keep_ = false;
    std::vector<std::string> paths_;
};

} // namespace ivorn
