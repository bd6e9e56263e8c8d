// posix_spawn with a working directory and redirected output. The model runs in a process group
// of its own so that a cancel (or our own end) takes its children along, and so that a Ctrl-C
// typed at the terminal reaches us first: we decide whether the model ends.
#include "run/model_launcher.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

extern char** environ;

namespace ivorn {
namespace {

// A descriptor that becomes readable when the process ends; -1 where the system has none.
int process_descriptor(int pid)
{
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    if (fd >= 0) {
        ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
        return static_cast<int>(fd);
    }
#else
    (void)pid;
#endif
    return -1;
}

class process_handle {
public:
    explicit process_handle(int pid) : fd_(process_descriptor(pid)) {}
    ~process_handle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    process_handle(const process_handle&) = delete;
    process_handle& operator=(const process_handle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

enum class wait_outcome { ended, woken, timed_out, failed };

// Waits until the process ends, the wake descriptor becomes readable, or `limit_ms` passes
// (-1: no limit). Without a process descriptor it looks every 20 ms, as it must.
wait_outcome wait_for_end(int pid, int& status, int wake_fd, int limit_ms, int& error)
{
    process_handle process(pid);
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const int done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return wait_outcome::ended;
        if (done < 0 && errno != EINTR) {
            error = errno;
            return wait_outcome::failed;
        }
        int timeout = limit_ms;
        if (limit_ms >= 0) {
            const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
            if (spent.count() >= limit_ms)
                return wait_outcome::timed_out;
            timeout = limit_ms - static_cast<int>(spent.count());
        }
        if (process.fd() < 0)
            timeout = timeout < 0 || timeout > 20 ? 20 : timeout;
        pollfd watched[2] = {{process.fd(), POLLIN, 0}, {wake_fd, POLLIN, 0}};
        const int ready = ::poll(watched, 2, timeout);
        if (ready > 0 && (watched[1].revents & POLLIN))
            return wait_outcome::woken;
    }
}

void drain(int fd)
{
    char drained[64];
    while (fd >= 0 && ::read(fd, drained, sizeof drained) > 0) {
    }
}

} // namespace

posix_model_launcher::posix_model_launcher()
{
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        wake_[0] = wake_[1] = -1;
}

posix_model_launcher::~posix_model_launcher()
{
    end_process_group();
    for (const int fd : wake_) {
        if (fd >= 0)
            ::close(fd);
    }
}

void posix_model_launcher::request_cancel()
{
    cancel_requested_.store(true);
    if (wake_[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] const auto written = ::write(wake_[1], &wake, 1);
    }
}

void posix_model_launcher::clear_cancel()
{
    cancel_requested_.store(false);
    drain(wake_[0]);
}

void posix_model_launcher::end_process_group()
{
    if (running_pid_ <= 0)
        return;
    ::kill(-running_pid_, SIGTERM);
    int status = 0;
    int error = 0;
    if (wait_for_end(running_pid_, status, -1, 2000, error) == wait_outcome::timed_out) {
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
        // A model that has ended is reaped before a cancel is looked at, as it always was.
        const int limit_ms = cancel_requested_.load() ? 0 : (wake_[0] >= 0 ? -1 : 20);
        int error = 0;
        const wait_outcome outcome = wait_for_end(pid, status, wake_[0], limit_ms, error);
        if (outcome == wait_outcome::ended)
            break;
        if (outcome == wait_outcome::failed) {
            result.error_code = error;
            running_pid_ = 0;
            return result;
        }
        if (cancel_requested_.load()) {
            end_process_group();
            result.cancelled = true;
            return result;
        }
        // A wake left over from a cancel that was cleared again must not keep the wait awake.
        if (outcome == wait_outcome::woken)
            drain(wake_[0]);
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
