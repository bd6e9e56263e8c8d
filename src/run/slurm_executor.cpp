// Slurm job arrays: the job script, sbatch, scontrol and scancel.
#include "run/slurm_executor.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

#include "core/line_reader.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

constexpr const char* script_name = "ivorn-job.sh";
constexpr const char* task_list_name = "tasks.txt";
// One line per submitted array: job ID, tasks before it, its tasks.
constexpr const char* job_id_name = "job_id";

// States after which a task will not run again.
bool is_final_state(const std::string& state)
{
    static const char* const finals[] = {"COMPLETED", "FAILED", "TIMEOUT", "CANCELLED", "NODE_FAIL",
                                         "OUT_OF_MEMORY", "PREEMPTED", "BOOT_FAIL", "DEADLINE"};
    for (const char* final_state : finals)
        if (state.rfind(final_state, 0) == 0)
            return true;
    return false;
}

// "Key=value" out of one line of `scontrol -o show job`.
std::string field_of(const std::string& line, const std::string& key)
{
    const size_t at = line.find(" " + key + "=");
    if (at == std::string::npos)
        return {};
    const size_t start = at + key.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

} // namespace

bool write_text_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << text) && static_cast<bool>(out.flush());
}

std::string shell_word(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int run_command(const std::string& command, std::string& output)
{
    output.clear();
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, read);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

slurm_executor::slurm_executor(const slurm_options& options, std::string stage, std::string model_name)
    : options_(options), stage_(std::move(stage)), model_name_(std::move(model_name))
{
}

int slurm_executor::start(const launch_request& request)
{
    if (submitted_)
        return -1;
    task queued;
    queued.request = request;
    tasks_.push_back(std::move(queued));
    return static_cast<int>(tasks_.size()) - 1;
}

void slurm_executor::describe(int slot, long position, long record_id)
{
    tasks_[static_cast<size_t>(slot)].position = position;
    tasks_[static_cast<size_t>(slot)].record_id = record_id;
}

std::string slurm_executor::job_script(long count) const
{
    std::string script = "#!/bin/bash\n#SBATCH --job-name=ivorn-run-set\n";
    script += format_printf("#SBATCH --array=1-%ld", count);
    if (options_.max_parallel > 0)
        script += format_printf("%%%d", options_.max_parallel);
    script += "\n#SBATCH --output=" + stage_ + "slurm-%A_%a.out\n";
    if (!options_.partition.empty())
        script += "#SBATCH --partition=" + options_.partition + "\n";
    if (!options_.time.empty())
        script += "#SBATCH --time=" + options_.time + "\n";
    script += "\n"
              "# One array task per record. Task N runs the model in the run directory on line N of\n"
              "# tasks.txt (position, record ID, directory), with its console output in iv.con there,\n"
              "# as ivorn does on a workstation. Add what your site needs (account, QOS, modules);\n"
              "# ivorn reads only what the model leaves in the run directory. A set larger than the\n"
              "# cluster's MaxArraySize goes as several arrays: each later one is given the number of\n"
              "# tasks before it as its argument.\n"
              "set -u\n"
              "n=$((SLURM_ARRAY_TASK_ID + ${1:-0}))\n"
              "dir=$(awk -F'\\t' -v n=\"$n\" 'NR == n { print $3 }' " + shell_word(stage_ + task_list_name) + ")\n"
              "cd \"$dir\" || exit 1\n"
              "./" + shell_word(model_name_) + " >iv.con 2>&1\n"
              "echo $? >exit_status\n"
              "# The model's exit status does not fail the task: whether the run finished is read from\n"
              "# its main report, as on a workstation.\n"
              "exit 0\n";
    return script;
}

std::string slurm_executor::sbatch_command(const array_part& part, size_t parts, const std::string& after) const
{
    std::string command = "sbatch --parsable";
    if (parts > 1) {
        command += format_printf(" --array=1-%ld", part.count);
        if (options_.max_parallel > 0)
            command += format_printf("%%%d", options_.max_parallel);
        if (options_.max_parallel > 0 && !after.empty())
            command += " --dependency=afterany:" + shell_word(after);
    }
    for (const std::string& argument : options_.sbatch_args)
        command += " " + shell_word(argument);
    command += " " + shell_word(stage_ + script_name);
    if (part.first > 0)
        command += format_printf(" %ld", part.first);
    return command;
}

void slurm_executor::end_unsubmitted(long from, const std::string& failure)
{
    for (size_t i = static_cast<size_t>(from); i < tasks_.size(); ++i) {
        tasks_[i].ended = true;
        tasks_[i].state = failure;
        ++ends_;
    }
}

bool slurm_executor::submit(std::string& log)
{
    submitted_ = true;
    std::string tasks;
    for (const task& t : tasks_)
        tasks += format_printf("%ld\t%ld\t", t.position, t.record_id) + t.request.working_directory + "\n";
    std::string output;
    const long limit = run_command("scontrol show config", output) == 0 ? max_array_size_from_config(output)
                                                                         : default_max_array_size;
    const std::vector<array_part> parts = split_into_arrays(task_count(), limit);
    const std::string script = stage_ + script_name;
    std::string failure;
    if (!write_text_file(stage_ + task_list_name, tasks)
        || !write_text_file(script, job_script(parts.empty() ? 0 : parts.front().count)))
        failure = "Unable to write the job script " + script;
    // The list of arrays is written as each one is submitted: collect follows what reached the
    // cluster even when a later sbatch failed.
    std::string ids;
    long submitted_tasks = 0;
    for (const array_part& part : parts) {
        if (!failure.empty())
            break;
        const std::string after = submissions_.empty() ? std::string() : submissions_.back().job_id;
        if (run_command(sbatch_command(part, parts.size(), after), output) != 0) {
            failure = "sbatch failed: " + trim_copy(output);
            break;
        }
        submissions_.push_back({trim_copy(output.substr(0, output.find(';'))), part.first, part.count});
        ids += format_printf("%s %ld %ld\n", submissions_.back().job_id.c_str(), part.first, part.count);
        submitted_tasks = part.first + part.count;
        if (!write_text_file(stage_ + job_id_name, ids))
            failure = "Unable to write " + stage_ + job_id_name;
    }
    if (!submissions_.empty()) {
        std::string names;
        for (const submission& part : submissions_)
            names += (names.empty() ? "" : ", ") + part.job_id;
        log += submissions_.size() == 1
                   ? format_printf("Submitted Slurm job %s: %ld tasks, stage directory ", names.c_str(), submitted_tasks)
                   : format_printf("Submitted Slurm jobs %s: %ld tasks in arrays of at most %ld (the cluster's "
                                   "MaxArraySize is %ld), stage directory ",
                                   names.c_str(), submitted_tasks, parts.front().count, limit);
        log += stage_ + "\r\n";
    }
    if (failure.empty())
        return true;
    log += failure + "\r\n";
    end_unsubmitted(submitted_tasks, failure);
    return false;
}

bool slurm_executor::resume(std::string& log)
{
    std::string ids;
    std::string list;
    if (!read_whole_file(stage_ + job_id_name, ids) || !read_whole_file(stage_ + task_list_name, list)) {
        log += "No submitted run set in " + stage_ + "\r\n";
        return false;
    }
    submitted_ = true;
    std::istringstream lines(list);
    std::string line;
    while (std::getline(lines, line)) {
        task t;
        char directory[4096] = {};
        if (std::sscanf(line.c_str(), "%ld\t%ld\t%4095[^\n]", &t.position, &t.record_id, directory) != 3) {
            log += "Unreadable task line in " + stage_ + task_list_name + ": " + line + "\r\n";
            return false;
        }
        t.request.working_directory = directory;
        t.request.capture_file = t.request.working_directory + "iv.con";
        tasks_.push_back(t);
    }
    std::istringstream id_lines(ids);
    long covered = 0;
    while (std::getline(id_lines, line)) {
        char id[64] = {};
        submission part;
        const int fields = std::sscanf(line.c_str(), "%63s %ld %ld", id, &part.first, &part.count);
        // A set of one array, as it was written before sets were split, names its job alone.
        if (fields == 1 && submissions_.empty()) {
            part.first = 0;
            part.count = task_count();
        } else if (fields != 3 || part.first != covered || part.count < 1 || part.count > task_count() - covered) {
            log += "Unreadable job line in " + stage_ + job_id_name + ": " + line + "\r\n";
            return false;
        }
        part.job_id = id;
        covered = part.first + part.count;
        submissions_.push_back(part);
    }
    // Tasks no array holds never reached the cluster: nothing will come of them.
    end_unsubmitted(covered, "not submitted");
    return true;
}

const slurm_executor::submission* slurm_executor::submission_of(int slot) const
{
    for (const submission& part : submissions_)
        if (slot >= part.first && slot < part.first + part.count)
            return &part;
    return nullptr;
}

void slurm_executor::poll()
{
    last_poll_ = std::chrono::steady_clock::now();
    for (const submission& part : submissions_) {
        bool open = false;
        for (long i = part.first; i < part.first + part.count && !open; ++i)
            open = !tasks_[static_cast<size_t>(i)].ended;
        if (open)
            poll_submission(part);
    }
}

void slurm_executor::poll_submission(const submission& part)
{
    std::string output;
    const bool known = run_command("scontrol -o show job " + shell_word(part.job_id), output) == 0;
    std::istringstream lines(output);
    std::string line;
    while (known && std::getline(lines, line)) {
        const std::string index = field_of(line, "ArrayTaskId");
        if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos || index.size() > 9)
            continue;
        const long n = std::stol(index);
        if (n < 1 || n > part.count)
            continue;
        task& t = tasks_[static_cast<size_t>(part.first + n - 1)];
        t.state = field_of(line, "JobState");
        if (!t.ended && is_final_state(t.state)) {
            t.ended = true;
            ++ends_;
        }
    }
    // Anything but a job the scheduler no longer knows is asked again at the next poll.
    if (known || output.find("Invalid job id") == std::string::npos)
        return;
    // The job was purged: a task that wrote its exit status ran to its end; any other did not run.
    for (long i = part.first; i < part.first + part.count; ++i) {
        task& t = tasks_[static_cast<size_t>(i)];
        if (t.ended)
            continue;
        std::error_code error;
        t.state = std::filesystem::exists(t.request.working_directory + "exit_status", error) ? "COMPLETED" : "UNKNOWN";
        t.ended = true;
        ++ends_;
    }
}

void slurm_executor::wait_for_an_end(std::uint64_t seen, std::chrono::milliseconds limit)
{
    if (!submitted_) {
        std::string ignored;
        submit(ignored);
    }
    if (ends_ != seen)
        return;
    const auto next = last_poll_ + std::max(limit, std::chrono::milliseconds(1000));
    std::this_thread::sleep_until(next);
    poll();
}

launch_result slurm_executor::take(int slot)
{
    const task& t = tasks_[static_cast<size_t>(slot)];
    const submission* part = submission_of(slot);
    launch_result result;
    result.started = part != nullptr;
    result.finished = t.state == "COMPLETED";
    if (!result.finished)
        result.scheduler_state = part ? format_printf("Slurm task %s_%ld: ", part->job_id.c_str(), slot - part->first + 1)
                                            + t.state
                                      : t.state;
    return result;
}

void slurm_executor::end(int slot)
{
    std::string ignored;
    if (const submission* part = submission_of(slot))
        run_command(format_printf("scancel %s_%ld", shell_word(part->job_id).c_str(), slot - part->first + 1), ignored);
}

void slurm_executor::end_all()
{
    if (submissions_.empty())
        return;
    std::string command = "scancel";
    for (const submission& part : submissions_)
        command += " " + shell_word(part.job_id);
    std::string ignored;
    run_command(command, ignored);
}

} // namespace ivorn
