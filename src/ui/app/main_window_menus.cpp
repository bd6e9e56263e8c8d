// The main window's menus, tool bar, shortcuts and command enabling.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <utility>

#include "app/app_i_vorn.h"
#include "app/generate_scenarios_command.h"
#include "app/main_window.h"
#include "shell/doc_i_vorn.h"
#include "dialogs/reference_list_dialog.h"
#include "sheets/record_sheets.h"
#include "sheets/weather_sheet.h"
#include "shell/import_commands.h"
#include "shell/record_duplicate.h"
#include "ui/output/output_view_context.h"
#include "views/record_table_view.h"

namespace ivorn {

QAction* main_window::add_action(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut,
                                 std::function<void()> handler)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (handler)
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    menu->addAction(action);
    actions_.insert(action->objectName(), action);
    return action;
}

void main_window::build_menus()
{
    build_file_menu();
    build_record_and_run_menus();
    build_other_menus();
    update_recent_menu();
    update_actions();
}

void main_window::build_file_menu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add_action(file, "file_new", tr("&New..."), QKeySequence::New, [this] { file_new(); });
    add_action(file, "file_open", tr("&Open..."), QKeySequence::Open, [this] { file_open(); });
    add_action(file, "file_close", tr("&Close"), QKeySequence(), [this] { file_close(); });
    file->addSeparator();
    struct import_entry {
        const char* name;
        const char* text;
        import_command command;
    };
    const import_entry reference_imports[] = {
        {"import_parameters", "Import Paramater file", import_command::parameters},
        {"import_pesticides", "Import &Pesticide File", import_command::pesticides},
        {"import_fertilizers", "Import &Fertilizer File", import_command::fertilizers},
        {"import_crops", "Import &Crop File", import_command::crops},
        {"import_operations", "Import Operations File", import_command::operations},
    };
    for (const import_entry& entry : reference_imports)
        add_action(file, entry.name, tr(entry.text), QKeySequence(),
                   [this, command = entry.command] { import_file(static_cast<int>(command)); });
    add_action(file, "import_management", tr("Import &Management File"), QKeySequence(), nullptr);
    add_action(file, "import_dataset", tr("Import VORNFILE.DAT"), QKeySequence(),
               [this] { import_file(static_cast<int>(import_command::dataset)); });
    QMenu* area = file->addMenu(tr("Import (Area Studies && &Files)"));
    const import_entry area_imports[] = {
        {"import_soil", "Import &Soil", import_command::soil},
        {"import_weather", "Import &Weather File", import_command::weather},
        {"import_wind", "Import W&ind File", import_command::wind},
        {"import_weather_links", "Import Weather &Links", import_command::weather_links},
    };
    for (const import_entry& entry : area_imports)
        add_action(area, entry.name, tr(entry.text), QKeySequence(),
                   [this, command = entry.command] { import_file(static_cast<int>(command)); });
    add_action(file, "generate_scenarios", tr("&Generate Scenarios..."), QKeySequence(),
               [this] { generate_scenarios_command(*this); });
    add_action(file, "export_vorn_files", tr("Export VORN files"), QKeySequence(), nullptr);
    add_action(file, "export_output", tr("Export O&utput"), QKeySequence(), [] {});
    file->addSeparator();
    add_action(file, "configuration", tr("Con&figuration..."), QKeySequence(), [this] { configuration(); });
    file->addSeparator();
    recent_menu_ = file->addMenu(tr("Recent &Files"));
    file->addSeparator();
    add_action(file, "file_exit", tr("E&xit"), QKeySequence::Quit, [this] { close(); });
}

void main_window::build_record_and_run_menus()
{
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add_action(edit, "edit_all_operations", tr("All &Operations"), QKeySequence(), nullptr);
    add_action(edit, "edit_all_crops", tr("All &Crops"), QKeySequence(), [this] { edit_reference_list(reference_kind::crops); });
    add_action(edit, "edit_all_fertilizers", tr("All &Fertilizers"), QKeySequence(),
               [this] { edit_reference_list(reference_kind::fertilizers); });
    add_action(edit, "edit_all_pesticides", tr("All &Pesticides"), QKeySequence(),
               [this] { edit_reference_list(reference_kind::pesticides); });
    add_action(edit, "edit_weather", tr("Edit &Weather"), QKeySequence(), [this] { edit_sheet(&edit_weather); });
    add_action(edit, "edit_parameters", tr("Edit &Parameters"), QKeySequence(),
               [this] { edit_sheet(&edit_parameters); });
    add_action(edit, "edit_header", tr("Edit &Header Information"), QKeySequence(),
               [this] { edit_sheet(&edit_run_header); });
    add_action(edit, "edit_wind", tr("Edit W&ind"), QKeySequence(), [] {});
    add_action(edit, "edit_field_operations", tr("Edit Field &Operations"), QKeySequence(), [] {});
    add_action(edit, "edit_soil", tr("Edit &Soil"), QKeySequence(), [this] { edit_soils(); });

    QMenu* record = menuBar()->addMenu(tr("&Record"));
    add_action(record, "record_first", tr("&First"), QKeySequence(Qt::CTRL | Qt::Key_Home),
               [this] { doc_->record_first(); });
    add_action(record, "record_previous", tr("&Previous"), QKeySequence(Qt::Key_PageUp),
               [this] { doc_->record_previous(); });
    add_action(record, "record_next", tr("&Next"), QKeySequence(Qt::Key_PageDown), [this] { doc_->record_next(); });
    add_action(record, "record_last", tr("&Last"), QKeySequence(Qt::CTRL | Qt::Key_End),
               [this] { doc_->record_last(); });
    record->addSeparator();
    add_action(record, "record_go_to", tr("&Go To..."), QKeySequence(Qt::CTRL | Qt::Key_G),
               [this] { doc_->record_go_to(); });
    add_action(record, "record_search", tr("&Search..."), QKeySequence::Find, [this] { doc_->record_search(); });
    record->addSeparator();
    add_action(record, "record_new", tr("Ne&w..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
               [this] { doc_->record_new(); });
    add_action(record, "record_duplicate", tr("D&uplicate"), QKeySequence(), [this] {
        std::int32_t id = 0;
        duplicate_current_record(*doc_, id);
    });
    add_action(record, "record_delete", tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
               [this] { doc_->record_delete(); });

    QMenu* run = menuBar()->addMenu(tr("R&un"));
    add_action(run, "run_this_record", tr("&This Record"), QKeySequence(Qt::Key_F5),
               [this] { run_job([this] { doc_->run_this_record(); }); });
    add_action(run, "run_all_records", tr("&All Records..."), QKeySequence(Qt::CTRL | Qt::Key_F5),
               [this] { run_job([this] { doc_->run_all_records(); }); });
    add_action(run, "precheck_this_record", tr("&Pre-Check This Record"), QKeySequence(Qt::SHIFT | Qt::Key_F5),
               [this] { run_job([this] { doc_->precheck_this_record(); }); });
    add_action(run, "precheck_all_records", tr("Pre-Check A&ll Records"), QKeySequence(),
               [this] { run_job([this] { doc_->precheck_all_records(); }); });
    run->addSeparator();
    // Esc in the main window; in the progress window Esc is its Cancel, which lets the model finish.
    add_action(run, "run_stop", tr("&Stop"), QKeySequence(Qt::Key_Escape), [this] { stop(); });
}

void main_window::build_other_menus()
{
    QMenu* select = menuBar()->addMenu(tr("&Select"));
    add_action(select, "select_weather_station", tr("&Weather Station..."), QKeySequence(),
               [this] { select_weather_station(); });
    add_action(select, "select_soil", tr("&Soil"), QKeySequence(), [] {});
    add_action(select, "select_production_system", tr("&Production System"), QKeySequence(), nullptr);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    const auto output_context = [this] {
        return output_view_context{doc_.get(), [this](std::int32_t id) {
                                       if (!busy())
                                           doc_->search_id(id);
                                   },
                                   [this] { return busy(); }};
    };
    add_action(view, "view_chart_output", tr("&Chart Output"), QKeySequence(),
               [this, output_context] { show_chart_output(this, output_context()); });
    add_action(view, "view_table_output", tr("&Table Output"), QKeySequence(),
               [this, output_context] { show_table_output(this, output_context()); });
    add_action(view, "view_chart_all_samples", tr("Chart &All Samples"), QKeySequence(),
               [this, output_context] { show_chart_all_samples(this, output_context()); });
    view->addSeparator();
    QAction* status = add_action(view, "view_status_bar", tr("&Status Bar"), QKeySequence(), nullptr);
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    add_action(window, "window_new", tr("&New Window"), QKeySequence(), [this] { new_table_window(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add_action(help, "help_about", tr("&About i_VORN..."), QKeySequence(), [this] { about(); });
}

void main_window::build_tool_bar()
{
    QToolBar* tools = addToolBar(tr("Tool Bar"));
    tools->setObjectName(QStringLiteral("tool_bar"));
    tools->setMovable(true);
    for (const char* name : {"file_new", "file_open"})
        tools->addAction(action(QString::fromLatin1(name)));
    tools->addSeparator();
    for (const char* name : {"record_first", "record_previous", "record_next", "record_last"})
        tools->addAction(action(QString::fromLatin1(name)));
    tools->addSeparator();
    for (const char* name : {"run_this_record", "run_all_records", "run_stop"})
        tools->addAction(action(QString::fromLatin1(name)));
    QAction* toggle = tools->toggleViewAction();
    toggle->setText(tr("&Tool Bar"));
    toggle->setObjectName(QStringLiteral("view_tool_bar"));
    actions_.insert(toggle->objectName(), toggle);
    const QList<QMenu*> menus = menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    for (QMenu* menu : menus)
        if (menu->title() == tr("&View"))
            menu->insertAction(action(QStringLiteral("view_status_bar")), toggle);
}

void main_window::update_recent_menu()
{
    recent_menu_->clear();
    int number = 1;
    for (const QString& path : app_.recent_files()) {
        QAction* entry = recent_menu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(path));
        connect(entry, &QAction::triggered, this, [this, path] { open_database(path); });
    }
    recent_menu_->setEnabled(!app_.recent_files().isEmpty() && !busy());
}

void main_window::update_actions()
{
    const bool idle = !busy();
    const bool open = doc_->is_open() && idle;
    const bool current = open && doc_->current_entry() != nullptr;
    for (const char* name : {"file_new", "file_open", "configuration"})
        action(QString::fromLatin1(name))->setEnabled(idle);
    for (const char* name : {"file_close", "import_parameters", "import_pesticides", "import_fertilizers",
                             "import_crops", "import_operations", "import_dataset", "import_soil", "import_weather",
                             "import_wind", "import_weather_links", "export_output", "edit_field_operations",
                             "edit_soil", "select_soil", "record_first", "record_previous", "record_next",
                             "record_last", "record_go_to", "record_search", "record_new", "record_delete",
                             "run_all_records", "precheck_all_records"})
        action(QString::fromLatin1(name))->setEnabled(open);
    for (const char* name : {"run_this_record", "precheck_this_record", "record_duplicate", "generate_scenarios", "edit_wind", "select_weather_station",
                             "edit_parameters", "edit_header", "edit_weather",
                             "view_chart_output", "view_table_output", "view_chart_all_samples"})
        action(QString::fromLatin1(name))->setEnabled(current);
    // Entries whose dialogs are not there yet stay off; Production System always does.
    for (const char* name : {"import_management", "export_vorn_files", "edit_all_operations",
                             "select_production_system"})
        action(QString::fromLatin1(name))->setEnabled(false);
    // A reference list that failed to load has nothing to edit.
    action(QStringLiteral("edit_all_crops"))->setEnabled(open && doc_->crops());
    action(QStringLiteral("edit_all_fertilizers"))->setEnabled(open && doc_->fertilizers());
    action(QStringLiteral("edit_all_pesticides"))->setEnabled(open && doc_->pesticides());
    action(QStringLiteral("run_stop"))->setEnabled(!idle);
    if (recent_menu_)
        recent_menu_->setEnabled(!app_.recent_files().isEmpty() && idle);
}

} // namespace ivorn
