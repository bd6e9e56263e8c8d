// Renders every window and dialog of the desktop app into PNG files, offscreen, so that the app
// can be looked at without a display: i_vorn_screenshots SETTINGS.ini DATABASE OUTPUT_DIRECTORY.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QSpinBox>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "app/about_dialog.h"
#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "app/qt_user_interface.h"
#include "dialogs/configuration_dialog.h"
#include "dialogs/error_list_dialog.h"
#include "dialogs/generate_scenarios_dialog.h"
#include "dialogs/multiple_runs_dialog.h"
#include "dialogs/new_record_dialog.h"
#include "dialogs/output_files_dialog.h"
#include "dialogs/progress_dialog.h"
#include "dialogs/reference_list_dialog.h"
#include "dialogs/soil_dialog.h"
#include "dialogs/soil_list_dialog.h"
#include "dialogs/weather_station_list_dialog.h"
#include "dialogs/field_operation_list_dialog.h"
#include "dialogs/operation_catalogue_dialog.h"
#include "reference/vorn_operation.h"
#include "sheets/field_operation_sheet.h"
#include "sheets/operation_sheet.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_pesticide.h"
#include "sheets/property_sheet.h"
#include "sheets/subarea_sheets.h"
#include "sheets/record_sheets.h"
#include "sheets/reference_sheets.h"
#include "sheets/soil_sheets.h"
#include "sheets/weather_sheet.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record.h"
#include "site/vorn_subarea.h"
#include "ui/output/output_view_context.h"

namespace {

QString output_directory;

void save(QWidget* widget, const char* name)
{
    widget->show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    const QString path = output_directory + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!widget->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
    widget->hide();
}

// Every page of a sheet, one file a page: "sheet_CAPTION_N.png".
void save_pages(QWidget* parent, const ivorn::sheet_description& description, ivorn::binding_list bindings,
                const ivorn::list_field_help& help)
{
    ivorn::property_sheet sheet(parent, description, std::move(bindings), help);
    for (int page = 0; page < sheet.tabs()->count(); ++page) {
        sheet.tabs()->setCurrentIndex(page);
        const std::string name = "sheet_" + description.caption + "_" + std::to_string(page + 1);
        save(&sheet, QString::fromStdString(name).replace(QLatin1Char(' '), QLatin1Char('_')).toLower().toUtf8().constData());
    }
}

const char* const sample_log =
    "Attempting 3 runs.\r\n"
    "**Error, record 2 - 12-06-2026 23:41:07.\r\n"
    "VORN did not finish for run 2\n"
    "3 runs, 2 successful runs.\r\n"
    "Elapsed: 1.482 seconds, ave=0.494";

// The subarea dialog of the record's first subarea with its management dialogs, a herd, its
// schedule with the two operation dialogs, and the operation list with one operation.
void save_subarea_dialogs(ivorn::main_window& window, ivorn::control_record& record)
{
    ivorn::doc_i_vorn& document = window.document();
    ivorn::vorn_subarea* subarea = record.subareas.first();
    if (!subarea)
        return;
    const ivorn::subarea_editing editing{record, document.field_help(), document.operations(), document.crops(),
                                         2110};
    save(ivorn::make_subarea_dialog(&window, editing, *subarea).get(), "subarea");
    for (const ivorn::sheet_description& sheet : ivorn::management_sheets()) {
        const std::string name = "subarea_" + sheet.caption;
        save(ivorn::make_management_dialog(&window, sheet, editing, *subarea).get(),
             QString::fromStdString(name).replace(QLatin1Char(' '), QLatin1Char('_')).toLower().toUtf8().constData());
    }
    ivorn::property_sheet herd(&window, ivorn::herd_sheet(), ivorn::herd_bindings(record, 0), document.field_help());
    save(&herd, "herd");
    ivorn::dialog_operation_list schedule(&window, editing, *subarea);
    save(&schedule, "field_operations");
    ivorn::vorn_field_operation* scheduled = subarea->operations.first();
    for (const char* caption : {"Add Operation", "Change Operations"}) {
        ivorn::vorn_field_operation added;
        ivorn::dialog_operation_list::start_new_line(added, editing, *subarea);
        ivorn::vorn_field_operation& shown = scheduled && caption[0] == 'C' ? *scheduled : added;
        const ivorn::field_operation_form form(caption, editing.tillage, editing.crops, editing.model_version);
        save(ivorn::make_field_operation_dialog(&window, form, shown, editing.tillage, editing.model_version,
                                                document.field_help())
                 .get(),
             caption[0] == 'C' ? "change_operations" : "add_operation");
    }
    if (!document.operations() || !document.db())
        return;
    ivorn::dialog_operation_catalogue catalogue(&window, *document.db(), *document.operations(),
                                                document.field_help());
    save(&catalogue, "all_operations");
    if (ivorn::vorn_operation* first = document.operations()->first()) {
        ivorn::property_sheet operation(&window, ivorn::operation_sheet(), first->bindings(), document.field_help());
        save(&operation, "operation");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: i_vorn_screenshots SETTINGS.ini DATABASE OUTPUT_DIRECTORY\n");
        return 2;
    }
    output_directory = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(output_directory);
    ivorn::app_i_vorn app(argv[1]);
    app.load_output_variables();
    ivorn::main_window window(app);
    window.resize(1100, 640);
    window.show();
    if (!window.open_database(QString::fromLocal8Bit(argv[2])))
        return 1;
    window.action(QStringLiteral("record_next"))->trigger();
    save(&window, "main_window");
    window.show();

    ivorn::dialog_configuration configuration(&window, app.settings, app.output_variables.get(),
                                              app.settings.set_user_selected_variables);
    save(&configuration, "configuration");
    std::array<int, ivorn::output_file_switch_count> switches{};
    if (app.output_variables)
        switches = app.output_variables->switches;
    ivorn::dialog_output_files output_files(&window, switches);
    save(&output_files, "output_files");

    ivorn::progress_dialog* progress = window.port().progress();
    progress->set_range(0, 3);
    progress->set_position(2);
    progress->set_line(0, QStringLiteral("Run      2, Good=     1 "));
    progress->set_line(1, QStringLiteral("Running VORN2110 #2 ID=2"));
    save(progress, "progress");

    ivorn::dialog_error_list errors(&window, QStringLiteral("Multiple Runs"), QStringLiteral("Click This"),
                                    ivorn::display_text(sample_log));
    save(&errors, "error_list");

    ivorn::run_set_options proposed;
    proposed.last_position = 3;
    ivorn::dialog_multiple_runs run_set(&window, proposed);
    save(&run_set, "run_set");

    run_set.jobs->setValue(2);
    save(&run_set, "run_set_jobs");

    // A 3 x 4 grid, previewed as the dialog shows it before anything is made.
    QTemporaryDir scratch;
    const QString factors = scratch.filePath(QStringLiteral("factors.csv"));
    QFile factors_file(factors);
    if (factors_file.open(QIODevice::WriteOnly))
        factors_file.write("Simulation Length,Parameters.Parm61\n10,0.1\n20,0.2\n30,0.3\n,0.4\n");
    factors_file.close();
    ivorn::dialog_generate_scenarios scenarios(&window, QStringLiteral("ID 1  Demo run 1"));
    scenarios.file->setText(factors);
    scenarios.grid->setChecked(true);
    save(&scenarios, "generate_scenarios");

    ivorn::new_record_answer answer{4, 4, "Weather Station 4"};
    ivorn::dialog_new_record new_record(&window, answer);
    save(&new_record, "new_record");

    std::string log;
    ivorn::dialog_weather_station_list stations(&window, *window.document().db(), 0, window.document().field_help(), log);
    save(&stations, "weather_stations");

    ivorn::dialog_about about(&window);
    save(&about, "about");

    // The output windows over the current record's outputs (the demo runs every record).
    const ivorn::output_view_context outputs{&window.document(), nullptr, nullptr};
    save(ivorn::show_table_output(&window, outputs), "table_output");
    save(ivorn::show_chart_output(&window, outputs), "chart_output");
    save(ivorn::show_chart_all_samples(&window, outputs), "chart_all_samples");

    // Every page of every sheet of the current record, one file a page.
    ivorn::control_record* record = window.document().current_record();
    if (!record)
        return 1;
    const ivorn::list_field_help& help = window.document().field_help();
    for (const ivorn::control_record_sheet& entry : ivorn::control_record_sheets())
        save_pages(&window, *entry.sheet, entry.bindings(*record), help);
    save_pages(&window, ivorn::weather_sheet(), ivorn::weather_sheet_bindings(record->weather_station), help);

    // The reference lists and the sheet of each one's first record.
    ivorn::database& db = *window.document().db();
    const std::tuple<ivorn::reference_kind, ivorn::vorn_production_supply_list*, const char*> lists[] = {
        {ivorn::reference_kind::crops, window.document().crops(), "crops"},
        {ivorn::reference_kind::fertilizers, window.document().fertilizers(), "fertilizers"},
        {ivorn::reference_kind::pesticides, window.document().pesticides(), "pesticides"}};
    for (const auto& [kind, list, name] : lists) {
        if (!list || !list->first())
            continue;
        ivorn::dialog_reference_list dialog(&window, kind, db, *list, help);
        dialog.records()->setCurrentRow(0);
        save(&dialog, name);
        ivorn::binding_list bindings;
        if (ivorn::reference_list_of(kind).bindings(*list->first(), bindings))
            save_pages(&window, ivorn::reference_list_of(kind).sheet(), std::move(bindings), help);
    }

    if (ivorn::vorn_soil_list* soils = window.document().soils(); soils && soils->first()) {
        ivorn::dialog_list_soils soil_list(&window, *soils, db, help, true, soils->first()->number);
        save(&soil_list, "soils");
        ivorn::dialog_soil soil(&window, *soils->first(), help);
        save(&soil, "soil");
        save_pages(&window, ivorn::soil_layer_sheet(), soils->first()->layer_bindings(0), help);
    }
    save_subarea_dialogs(window, *record);
    return 0;
}
