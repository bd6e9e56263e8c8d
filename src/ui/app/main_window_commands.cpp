// The File, Select, Run / Stop, Window and Help commands of the main window.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/about_dialog.h"
#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "app/qt_user_interface.h"
#include "dialogs/configuration_dialog.h"
#include "dialogs/reference_list_dialog.h"
#include "dialogs/soil_list_dialog.h"
#include "dialogs/weather_station_list_dialog.h"
#include "shell/doc_i_vorn.h"
#include "shell/import_commands.h"
#include "site/control_record.h"
#include "site/vorn_subarea.h"
#include "views/form_view.h"
#include "views/record_table_view.h"

namespace ivorn {
namespace {

const QString database_filter = QStringLiteral("Interactive VORN Database (*.mdb)");

} // namespace

void main_window::file_new()
{
    QString path = QFileDialog::getSaveFileName(this, tr("New"), QStringLiteral("i_VORN.mdb"),
                                                QStringLiteral("Access Database (*.mdb)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".mdb");
    doc_->new_database(path.toStdString());
    refresh_all_views(1);
}

void main_window::file_open()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), database_filter);
    if (!path.isEmpty())
        open_database(path);
}

bool main_window::open_database(const QString& path)
{
    if (busy())
        return false;
    const bool opened = doc_->open_database(path.toStdString());
    if (opened) {
        app_.add_recent_file(QFileInfo(path).absoluteFilePath());
        port_->set_start_directory(QFileInfo(path).absolutePath());
    } else {
        // A recent entry that no longer opens would only fail again.
        app_.remove_recent_file(QFileInfo(path).absoluteFilePath());
    }
    update_recent_menu();
    // An open refreshed the views itself; a failed one left the window as it was.
    update_title();
    update_actions();
    return opened;
}

void main_window::file_close()
{
    doc_->close_database();
    refresh_all_views(1);
}

void main_window::import_file(int command)
{
    run_job([this, command] { run_import_command(*doc_, static_cast<import_command>(command)); });
}

void main_window::configuration()
{
    if (busy())
        return;
    dialog_configuration dialog(this, app_.settings, app_.output_variables.get(),
                                app_.settings.set_user_selected_variables);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string old_variable_file = app_.settings.output_variable_file.full_path();
    app_.settings = dialog.settings();
    app_.settings.set_user_selected_variables = dialog.selection_changed();
    message_box_texts shown;
    if (app_.output_variables)
        app_.output_variables->save_output_variables(old_variable_file, app_.settings.set_user_selected_variables,
                                                     shown);
    // Another model has its own variable file; a start with this model would read that one.
    if (app_.settings.output_variable_file.full_path() != old_variable_file) {
        const message_box_texts load_messages = app_.load_output_variables();
        shown.insert(shown.end(), load_messages.begin(), load_messages.end());
        use_output_variables();
    }
    for (const std::string& text : shown)
        QMessageBox::information(this, QStringLiteral("i_VORN"), QString::fromStdString(text));
    update_status_panes();
}

void main_window::select_weather_station()
{
    control_record* record = doc_->current_record();
    if (busy() || !doc_->db() || !record || !doc_->current_entry())
        return;
    std::string log;
    dialog_weather_station_list dialog(this, *doc_->db(), record->weather_station_id, doc_->field_help(), log);
    if (!log.empty())
        port_->show_error_list("Weather Stations", "", log);
    std::int32_t number = 0;
    const bool selected = dialog.exec() == QDialog::Accepted && dialog.chosen(number);
    form_->store_form_values();
    // The record's own copy of a station stored by Edit is read again, or its next save would put
    // the old values back.
    if (!selected && dialog.edited(record->weather_station_id))
        number = record->weather_station_id;
    else if (!selected)
        return;
    log.clear();
    // Through the record, so that it knows whether the chosen station has its row.
    const std::int32_t previous = record->weather_station_id;
    record->weather_station_id = number;
    if (!record->load_weather_station(*doc_->db(), log)) {
        record->weather_station_id = previous;
        port_->show_error_list("Weather Stations", "", log);
        return;
    }
    record->modified = true;
    form_->show_record_values();
    update_title();
}

void main_window::edit_sheet(bool (*open)(QWidget*, control_record&, const list_field_help&))
{
    control_record* record = doc_->current_record();
    if (busy() || !record || !doc_->current_entry())
        return;
    // The form's pending edits go into the record first, so the sheet shows them and keeps them.
    form_->store_form_values();
    if (!open(this, *record, doc_->field_help()))
        return;
    form_->show_record_values();
    update_title();
}

void main_window::edit_reference_list(reference_kind kind)
{
    vorn_production_supply_list* lists[] = {doc_->crops(), doc_->fertilizers(), doc_->pesticides()};
    vorn_production_supply_list* list = lists[static_cast<int>(kind)];
    if (busy() || !doc_->db() || !list)
        return;
    dialog_reference_list dialog(this, kind, *doc_->db(), *list, doc_->field_help());
    dialog.exec();
}

void main_window::edit_soils()
{
    if (busy() || !doc_->db() || !soil_list_available(this, doc_->soils()))
        return;
    dialog_list_soils dialog(this, *doc_->soils(), *doc_->db(), doc_->field_help(), false);
    dialog.exec();
    // The current record's subareas hold copies of their soils; a stored soil replaces them, or a
    // later save of the record could put the old values back.
    control_record* record = doc_->current_record();
    if (!record)
        return;
    for (const vorn_soil* soil : dialog.edited()) {
        for (vorn_subarea* subarea : record->subareas) {
            if (subarea->soil_id != soil->number)
                continue;
            subarea->soil.copy_from(*soil);
            subarea->soil.number = soil->number;
        }
    }
}

void main_window::stop()
{
    // The running model ends now; a set of runs also ends instead of starting the next one.
    app_.launcher.request_cancel();
    port_->request_cancel();
}

void main_window::go_to_position(long position)
{
    if (busy() || !doc_->is_open())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    doc_->go_to_position(position);
    QApplication::restoreOverrideCursor();
}

void main_window::new_table_window()
{
    // A window of its own, owned by the main window so that it never outlives the document.
    auto* view = new view_control_record_table(*doc_, this);
    view->setWindowFlag(Qt::Window);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setWindowTitle(windowTitle());
    view->resize(420, 480);
    connect(view, &view_control_record_table::go_to_position, this, &main_window::go_to_position);
    extra_tables_ << view;
    view->show();
}

void main_window::about()
{
    dialog_about dialog(this);
    dialog.exec();
}

} // namespace ivorn
