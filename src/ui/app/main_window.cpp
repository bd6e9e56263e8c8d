// The main window's frame: views, status bar, the port's hooks, the worker thread, closing.
#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>
#include <QUrl>

#include "app/app_i_vorn.h"
#include "app/qt_user_interface.h"
#include "dialogs/progress_dialog.h"
#include "sheets/record_sheets.h"
#include "sheets/weather_sheet.h"
#include "shell/doc_i_vorn.h"
#include "views/form_view.h"
#include "views/record_table_view.h"

namespace ivorn {

main_window::main_window(app_i_vorn& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    setObjectName(QStringLiteral("main_window"));
    port_ = std::make_unique<qt_user_interface>(this);
    doc_ = std::make_unique<doc_i_vorn>(app_.settings, *port_);
    use_output_variables();
    build_views();
    build_menus();
    build_tool_bar();
    for (int pane = 0; pane < 4; ++pane) {
        panes_[pane] = new QLabel(this);
        panes_[pane]->setObjectName(QStringLiteral("status_pane_%1").arg(pane));
        if (pane == 0)
            statusBar()->addWidget(panes_[pane], 1);
        else
            statusBar()->addPermanentWidget(panes_[pane]);
    }
    connect_port();
    setAcceptDrops(true);
    resize(1000, 640);
    if (!app_.window_geometry().isEmpty())
        restoreGeometry(app_.window_geometry());
    if (!app_.splitter_state().isEmpty())
        splitter_->restoreState(app_.splitter_state());
    refresh_all_views(1);
}

main_window::~main_window()
{
    // Nothing may reach a widget or the document once they are gone.
    if (worker_) {
        app_.launcher.request_cancel();
        port_->set_closing(true);
        port_->request_cancel();
        // The worker may be waiting for the GUI thread to answer it.
        while (!worker_->wait(10))
            QCoreApplication::processEvents();
    }
    doc_.reset();
}

void main_window::build_views()
{
    splitter_ = new QSplitter(Qt::Horizontal, this);
    form_ = new view_control_record(*doc_, splitter_);
    table_ = new view_control_record_table(*doc_, splitter_);
    splitter_->addWidget(form_);
    splitter_->addWidget(table_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    setCentralWidget(splitter_);
    connect(form_, &view_control_record::select_weather_station, this, &main_window::select_weather_station);
    connect(form_->edit_button, &QPushButton::clicked, this, [this] { edit_sheet(&edit_weather); });
    connect(form_->run_header_button, &QPushButton::clicked, this, [this] { edit_sheet(&edit_run_header); });
    connect(form_->parameters_button, &QPushButton::clicked, this, [this] { edit_sheet(&edit_parameters); });
    connect(form_, &view_control_record::record_modified, this, &main_window::update_title);
    connect(table_, &view_control_record_table::go_to_position, this, &main_window::go_to_position);
}

void main_window::connect_port()
{
    view_hooks hooks;
    hooks.store_form_values = [this] { store_form_values(); };
    hooks.show_record_values = [this] { show_record_values(); };
    hooks.refresh_all_views = [this](int hint) { refresh_all_views(hint); };
    hooks.set_status_text = [this](const QString& text) { panes_[0]->setText(text); };
    hooks.stop_model = [this] { stop(); };
    port_->set_hooks(std::move(hooks));
}

void main_window::use_output_variables()
{
    doc_->set_run_resources(&app_.launcher, app_.output_variables.get(), &app_.settings.set_user_selected_variables);
}

void main_window::store_form_values() { form_->store_form_values(); }

void main_window::show_record_values() { form_->show_record_values(); }

void main_window::refresh_all_views(int hint)
{
    form_->show_record_values();
    for (view_control_record_table* view : table_views())
        view->update_from_document(hint);
    update_status_panes();
    update_title();
    update_actions();
}

QList<view_control_record_table*> main_window::table_views() const
{
    QList<view_control_record_table*> views{table_};
    for (const QPointer<view_control_record_table>& extra : extra_tables_)
        if (extra)
            views << extra.data();
    return views;
}

QLabel* main_window::status_pane(int pane) const { return pane >= 0 && pane < 4 ? panes_[pane] : nullptr; }

void main_window::update_status_panes()
{
    const control_record_description* entry = doc_->current_entry();
    if (!doc_->is_open())
        panes_[1]->clear();
    else if (!entry)
        panes_[1]->setText(QStringLiteral("No records in file"));
    else if (doc_->record_list().loaded)
        panes_[1]->setText(QString::asprintf("Record: %ld of %ld", entry->position,
                                             static_cast<long>(doc_->record_list().count())));
    else
        panes_[1]->setText(QString::asprintf("Record: %ld", entry->position));
    panes_[2]->setText(QStringLiteral("VORN%1").arg(app_.settings.vorn_version));
    panes_[3]->setText(busy() ? tr("Running") : tr("Ready"));
}

void main_window::update_title()
{
    if (!doc_->is_open()) {
        setWindowTitle(QStringLiteral("i_VORN"));
        return;
    }
    const control_record* record = doc_->current_record();
    const QString name = QFileInfo(QString::fromStdString(doc_->database_path())).fileName();
    setWindowTitle(QStringLiteral("%1%2 - i_VORN").arg(name, record && record->modified && doc_->current_entry()
                                                                 ? QStringLiteral(" *")
                                                                 : QString()));
}

bool main_window::run_job(const std::function<void()>& job)
{
    if (worker_)
        return false;
    form_->setEnabled(false);
    worker_ = QThread::create(job);
    connect(worker_, &QThread::finished, this, &main_window::worker_done);
    update_actions();
    update_status_panes();
    worker_->start();
    return true;
}

void main_window::worker_done()
{
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;
    port_->reset_wait_cursor();
    port_->progress_close();
    form_->setEnabled(true);
    refresh_all_views(1);
    Q_EMIT job_finished();
    if (close_pending_) {
        close_pending_ = false;
        close();
    }
}

void main_window::closeEvent(QCloseEvent* event)
{
    if (busy()) {
        event->ignore();
        if (close_pending_)
            return;
        const auto answer = QMessageBox::question(this, QStringLiteral("i_VORN"),
                                                  tr("A command is still running. Stop it and close i_VORN?"));
        if (answer != QMessageBox::Yes || !busy())
            return;
        close_pending_ = true;
        port_->set_closing(true);
        stop();
        return;
    }
    // The form's unsaved edits are stored as a move would store them.
    doc_->close_database();
    app_.keep_window_layout(saveGeometry(), splitter_->saveState());
    for (const QPointer<view_control_record_table>& extra : extra_tables_)
        if (extra)
            extra->close();
    event->accept();
}

void main_window::dragEnterEvent(QDragEnterEvent* event)
{
    if (busy() || !event->mimeData()->hasUrls())
        return;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive)) {
            event->acceptProposedAction();
            return;
        }
}

void main_window::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive)) {
            event->acceptProposedAction();
            open_database(url.toLocalFile());
            return;
        }
}

} // namespace ivorn
