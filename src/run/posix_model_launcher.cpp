// posix_spawn with a working directory and redirected output. The model runs in a process group
// of its own so that a cancel (or our own end) takes its children along, and so that a Ctrl-C
// typed at the terminal reaches us first: we decide whether the model ends.
#include "run/model_launcher.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

extern char** environ;

namespace ivorn {
namespace {

bool wait_for_exit(int pid, int& status, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        const int done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

} // namespace

posix_model_launcher::~posix_model_launcher() { end_process_group(); }

void posix_model_launcher::end_process_group()
{
    if (running_pid_ <= 0)
        return;
    ::kill(-running_pid_, SIGTERM);
    int status = 0;
    if (!wait_for_exit(running_pid_, status, std::chrono::milliseconds(2000))) {
        ::kill(-running_pid_, SIGKILL);
        ::waitpid(running_pid_, &status, 0);
    }
    running_pid_ = 0;
}

launch_result posix_model_launcher::run(const launch_request& request)
{
    launch_result result;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setpgroup(&attributes, 0);
    short flags = POSIX_SPAWN_SETPGROUP;
    if (request.realtime_priority) {
        // The highest priority an unprivileged user may ask for is a nice value of 0 at best;
        // a privileged one gets the real-time class. Whatever is refused is simply not had.
        sched_param parameter{};
        parameter.sched_priority = sched_get_priority_min(SCHED_RR);
        if (::geteuid() == 0) {
            posix_spawnattr_setschedpolicy(&attributes, SCHED_RR);
            posix_spawnattr_setschedparam(&attributes, &parameter);
            flags |= POSIX_SPAWN_SETSCHEDULER;
        }
    }
    posix_spawnattr_setflags(&attributes, flags);
    if (!request.working_directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, request.working_directory.c_str());
    if (!request.capture_file.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, request.capture_file.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(request.executable.c_str()));
    for (const auto& argument : request.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, request.executable.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) {
        result.error_code = spawned;
        return result;
    }
    result.started = true;
    running_pid_ = pid;
    int status = 0;
    for (;;) {
        const int done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR) {
            result.error_code = errno;
            running_pid_ = 0;
            return result;
        }
        if (cancel_requested_.load()) {
            end_process_group();
            result.cancelled = true;
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    running_pid_ = 0;
    // The model may have left children of its own behind; they go with it.
    ::kill(-pid, SIGKILL);
    result.finished = true;
    if (WIFEXITED(status))
        result.exit_status = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        result.terminating_signal = WTERMSIG(status);
    return result;
}

} // namespace ivorn
