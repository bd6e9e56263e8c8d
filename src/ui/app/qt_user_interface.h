// The user-interface port with widgets. The document may call it from the worker thread that runs
// the long commands: every call then reaches the widgets on the GUI thread, blocking until the
// widget has answered, so the document never sees a half-updated screen and never races a paint.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>

#include "shell/user_interface.h"

class QWidget;

namespace ivorn {

class progress_dialog;

// What the port needs from the main window.
struct view_hooks {
    std::function<void()> store_form_values;
    std::function<void()> show_record_values;
    std::function<void(int)> refresh_all_views;
    std::function<void(const QString&)> set_status_text;
    // Stop pressed in the progress window: the running model ends too.
    std::function<void()> stop_model;
};

class qt_user_interface : public QObject, public user_interface {
    Q_OBJECT
public:
    explicit qt_user_interface(QWidget* parent_window);
    ~qt_user_interface() override;

    void set_hooks(view_hooks hooks) { hooks_ = std::move(hooks); }
    // While the window closes during a run, questions are answered with Cancel and nothing is
    // shown, so that the run ends without waiting for a user who has already left.
    void set_closing(bool closing) { closing_ = closing; }
    // Cancel of the progress window, also set by Run / Stop; cleared when a progress window opens.
    void request_cancel() { cancelled_ = true; }
    // Balances a worker's wait cursors when it ends, whatever it left behind.
    void reset_wait_cursor();
    progress_dialog* progress() const { return progress_; }
    // The directory the file choosers start in; the last one chosen from afterwards.
    void set_start_directory(const QString& directory) { start_directory_ = directory; }

    void message_box(const std::string& text) override;
    bool show_error_list(const std::string& caption, const std::string& ok_label, const std::string& text) override;
    bool ask_integer(const std::string& prompt, long long& value) override;
    bool ask_new_record(new_record_answer& answer) override;
    bool choose_file(const std::string& default_name, const std::string& filter, std::string& path) override;
    void begin_wait_cursor() override;
    void end_wait_cursor() override;
    void set_status_text(const std::string& text) override;
    void refresh_all_views(int hint) override;
    void store_form_values() override;
    void show_record_values() override;
    bool ask_run_set(run_set_options& options) override;
    void progress_open(int lower, int upper) override;
    void progress_set_position(int position) override;
    void progress_set_line(int line, const std::string& text) override;
    bool progress_cancelled() override;
    void progress_close() override;

private:
    // Runs `work` on the GUI thread and returns when it is done.
    void on_gui(const std::function<void()>& work);
    // A progress window opened by the GUI thread itself cannot repaint unless its events are
    // dispatched; input stays out so that no command starts in the middle of another.
    void repaint_if_on_gui();

    QPointer<QWidget> window_;
    view_hooks hooks_;
    progress_dialog* progress_ = nullptr;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> closing_{false};
    int wait_cursors_ = 0;
    QString start_directory_;
    QElapsedTimer repainted_;
    QElapsedTimer progress_opened_;
};

// "All Files\n*.*\nText\n*.dat" as a Qt file-dialog filter; "*.*" means every file.
QString qt_file_filter(const std::string& filter);
// The run logs end their lines in "\r\n"; a text widget wants "\n".
QString display_text(const std::string& text);

} // namespace ivorn
