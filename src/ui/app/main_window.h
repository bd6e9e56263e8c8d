// CMainFrame: the menus, tool bar and status bar around the form view and the table view of the
// open document, and the one worker thread on which runs, pre-checks and imports execute so that
// the window keeps painting and Stop keeps working.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QSplitter;
class QThread;

namespace ivorn {

enum class reference_kind;

class app_i_vorn;
class control_record;
class list_field_help;
class doc_i_vorn;
class qt_user_interface;
class view_control_record;
class view_control_record_table;

class main_window : public QMainWindow {
    Q_OBJECT
public:
    explicit main_window(app_i_vorn& app, QWidget* parent = nullptr);
    ~main_window() override;

    // File / Open of a given file (also a recent-file entry or a file dropped on the window).
    bool open_database(const QString& path);
    // Runs a command that can take long on the worker thread; false while another one runs.
    bool run_job(const std::function<void()>& job);
    bool busy() const { return worker_ != nullptr; }

    doc_i_vorn& document() { return *doc_; }
    qt_user_interface& port() { return *port_; }
    view_control_record* form() const { return form_; }
    view_control_record_table* table() const { return table_; }
    QSplitter* splitter() const { return splitter_; }
    // The actions by name ("record_next", "run_this_record", ...), for the tests and the tool bar.
    QAction* action(const QString& name) const { return actions_.value(name); }
    // The status bar panes: 0 status text, 1 record position, 2 model version, 3 running state.
    QLabel* status_pane(int pane) const;
    // Every table view open (the main one first).
    QList<view_control_record_table*> table_views() const;

Q_SIGNALS:
    // A worker command ended and the window is idle again.
    void job_finished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // main_window_menus.cpp
    void build_menus();
    void build_file_menu();
    void build_record_and_run_menus();
    void build_other_menus();
    void build_tool_bar();
    QAction* add_action(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut,
                        std::function<void()> handler);
    void update_recent_menu();
    void update_actions();

    // main_window_commands.cpp
    void file_new();
    void file_open();
    void file_close();
    void configuration();
    void import_file(int command);
    void select_weather_station();
    // Opens a sheet of the current record; OK shows its values and marks it modified.
    void edit_sheet(bool (*open)(QWidget*, control_record&, const list_field_help&));
    // Edit / All Crops, All Fertilizers, All Pesticides.
    void edit_reference_list(reference_kind kind);
    // Edit / Edit Soil: the soil list, whose Edit opens the soil dialog.
    void edit_soils();
    void stop();
    void new_table_window();
    void about();
    void go_to_position(long position);

    void build_views();
    void connect_port();
    void refresh_all_views(int hint);
    void show_record_values();
    void store_form_values();
    void update_title();
    void update_status_panes();
    void worker_done();
    void use_output_variables();

    app_i_vorn& app_;
    std::unique_ptr<qt_user_interface> port_;
    std::unique_ptr<doc_i_vorn> doc_;
    QSplitter* splitter_ = nullptr;
    view_control_record* form_ = nullptr;
    view_control_record_table* table_ = nullptr;
    QList<QPointer<view_control_record_table>> extra_tables_;
    QHash<QString, QAction*> actions_;
    QMenu* recent_menu_ = nullptr;
    QLabel* panes_[4] = {};
    QThread* worker_ = nullptr;
    // The window was closed during a run: it closes once the run has ended.
    bool close_pending_ = false;
};

} // namespace ivorn
