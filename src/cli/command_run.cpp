// `ivorn write-inputs`, `precheck` and `run`: the run pipeline on the command line. Ctrl-C during
// a single run ends the model; during a set of runs the first Ctrl-C is the progress window's
// Cancel (asked between runs) and a second one also ends the running model. SIGTERM and SIGHUP
// (`timeout`, a closed terminal, a batch scheduler) end the model at once: nobody is left to
// wait for the set to finish.
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "cli/console_user_interface.h"
#include "core/text_utils.h"
#include "shell/doc_i_vorn.h"

namespace ivorn {
namespace {

model_launcher* interrupted_launcher = nullptr;
volatile std::sig_atomic_t interrupts = 0;
volatile std::sig_atomic_t end_model_on_first_interrupt = 0;

extern "C" void on_run_interrupt(int signal_number)
{
    interrupts = interrupts + 1;
    console_user_interface::request_cancel();
    const bool at_once = end_model_on_first_interrupt || interrupts >= 2 || signal_number != SIGINT;
    if (at_once && interrupted_launcher)
        interrupted_launcher->request_cancel();
}

// What `run --all` shows while it works: one line on a terminal, rewritten after every run.
class run_set_console : public console_user_interface {
public:
    void progress_open(int lower, int upper) override
    {
        total_ = upper - lower;
        start_ = std::chrono::steady_clock::now();
    }
    void progress_set_position(int position) override { done_ = position; }
    void progress_set_line(int line, const std::string& text) override
    {
        long attempted = 0;
        if (line == 1 && std::sscanf(text.c_str(), "Started %ld", &started_) == 1)
            return;
        if (!::isatty(STDERR_FILENO) || std::sscanf(text.c_str(), "Run %ld, Good=%ld", &attempted, &good_) != 2)
            return;
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        const double remaining = done_ > 0 && total_ > done_ ? elapsed / done_ * (total_ - done_) : 0.0;
        // Runs side by side also say how many have started.
        const std::string counts = started_ > 0 ? format_printf("%ld started, %d of %d finished", started_, done_, total_)
                                                 : format_printf("run %d of %d", done_, total_);
        std::cerr << format_printf("\r%s, %ld good, elapsed %.0fs, remaining %.0fs   ", counts.c_str(), good_, elapsed,
                                   remaining)
                  << std::flush;
    }
    void progress_close() override
    {
        if (::isatty(STDERR_FILENO) && total_ > 0)
            std::cerr << '\n';
    }

private:
    int total_ = 0;
    int done_ = 0;
    long started_ = 0;
    long good_ = 0;
    std::chrono::steady_clock::time_point start_;
};

// A document opened on the database with what a run needs: the launcher and the variable list.
struct run_setup {
    explicit run_setup(cli_session& session, console_user_interface& ui) : session(session), doc(session.effective, ui)
    {
        doc.fail_if_directory_busy = session.fail_if_busy;
        message_box_texts ignored;
        if (variables.load_output_variables(session.effective.output_variable_file.full_path(), ignored))
            doc.set_run_resources(&launcher, &variables, &session.effective.set_user_selected_variables);
        else
            doc.set_run_resources(&launcher, nullptr, &session.effective.set_user_selected_variables);
    }
    // For the commands over every record: an empty table is theirs to report.
    bool open_all(const std::string& db_path) { return doc.open_database(db_path, doc_i_vorn::open_scope::one_command); }
    // For the commands on one record: that ID, or the record at position 1 when the ID is 0.
    bool open(const std::string& db_path, std::int32_t record_id)
    {
        if (!doc.open_database(db_path, doc_i_vorn::open_scope::one_command))
            return false;
        if (record_id == 0) {
            if (doc.current_entry())
                return true;
            print_log("There is no control record at position 1.");
            return false;
        }
        std::string log;
        if (doc.make_current(record_id, log))
            return true;
        print_log(log);
        return false;
    }
    cli_session& session;
    posix_model_launcher launcher;
    list_output_variable_descriptions variables;
    doc_i_vorn doc;
};

void catch_interrupts(model_launcher& launcher, bool end_model_at_once)
{
    interrupted_launcher = &launcher;
    end_model_on_first_interrupt = end_model_at_once ? 1 : 0;
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal_number, on_run_interrupt);
}

} // namespace

int command_write_inputs(cli_session& session, const std::string& db_path, std::int32_t record_id,
                         const std::string& directory)
{
    console_user_interface ui;
    run_setup setup(session, ui);
    if (!setup.open(db_path, record_id))
        return exit_failed;
    std::string target = directory.empty() ? session.effective.model_working_directory() : directory;
    if (!target.empty() && !is_path_separator(target.back()))
        target.push_back(native_separator());
    std::string log;
    const bool ok = setup.doc.write_inputs_of_current(target, log);
    if (!log.empty())
        print_log(log);
    setup.doc.close_database();
    return ok ? exit_ok : exit_failed;
}

int command_precheck(cli_session& session, const std::string& db_path, std::int32_t record_id, bool all)
{
    console_user_interface ui;
    run_setup setup(session, ui);
    if (!(all ? setup.open_all(db_path) : setup.open(db_path, record_id)))
        return exit_failed;
    const bool ok = all ? setup.doc.precheck_all_records() : setup.doc.precheck_this_record();
    setup.doc.close_database();
    return ok ? exit_ok : exit_failed;
}

int command_run(cli_session& session, const std::string& db_path, std::int32_t record_id, bool force)
{
    console_user_interface ui;
    ui.answers.error_list_ok = force;
    run_setup setup(session, ui);
    if (!setup.open(db_path, record_id))
        return exit_failed;
    catch_interrupts(setup.launcher, true);
    const bool ok = setup.doc.run_this_record();
    setup.doc.close_database();
    return ok ? exit_ok : exit_failed;
}

int command_run_all(cli_session& session, const std::string& db_path, const run_set_options& options)
{
    run_set_console ui;
    ui.answers.run_set = options;
    run_setup setup(session, ui);
    if (!setup.open_all(db_path))
        return exit_failed;
    catch_interrupts(setup.launcher, false);
    const bool ok = setup.doc.run_all_records();
    const auto& report = setup.doc.last_run_set();
    std::string closing = report.closing;
    if (closing.empty())
        closing = format_printf("%ld runs, %ld successful runs.", report.attempted, report.successful);
    for (size_t at = closing.find("\r\n"); at != std::string::npos; at = closing.find("\r\n"))
        closing.erase(at, 1);
    std::cout << closing << '\n';
    // A set left running on the cluster: its job is what the caller needs next.
    const size_t submitted = report.log.find("Submitted Slurm job ");
    if (report.left_running && submitted != std::string::npos)
        std::cout << report.log.substr(submitted, report.log.find("\r\n", submitted) - submitted) << '\n';
    setup.doc.close_database();
    return ok ? exit_ok : exit_failed;
}

int command_collect(cli_session& session, const std::string& db_path, const std::string& stage)
{
    console_user_interface ui;
    run_setup setup(session, ui);
    if (!setup.open_all(db_path))
        return exit_failed;
    const bool ok = setup.doc.collect_run_set(stage);
    std::string closing = setup.doc.last_run_set().closing;
    for (size_t at = closing.find("\r\n"); at != std::string::npos; at = closing.find("\r\n"))
        closing.erase(at, 1);
    std::cout << closing;
    setup.doc.close_database();
    return ok ? exit_ok : exit_failed;
}

} // namespace ivorn
