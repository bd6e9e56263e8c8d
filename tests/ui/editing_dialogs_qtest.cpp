// The weather, reference and soil dialogs: every field of every page bound and explained by the
// shipped help file, OK without typing and Cancel leaving the record, and the list dialogs'
// New, Edit, Delete and Select checked against the rows of a database the core built.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>

#include "app/main_window.h"
#include "dialogs/reference_list_dialog.h"
#include "dialogs/soil_dialog.h"
#include "dialogs/soil_list_dialog.h"
#include "dialogs/weather_station_list_dialog.h"
#include "core/text_utils.h"
#include "help/field_help.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_pesticide.h"
#include "sheets/help_box.h"
#include "sheets/property_sheet.h"
#include "sheets/reference_sheets.h"
#include "sheets/soil_sheets.h"
#include "sheets/weather_sheet.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record.h"
#include "site/soil_tables.h"
#include "support/fake_user_interface.h"
#include "ui/widget_test_support.h"
#include "ui/widget_tests.h"
#include "views/form_view.h"

namespace ivorn::testing {
namespace {

template <class Dialog>
void answer(dialog_answerer& answerer, std::function<void(Dialog&)> act)
{
    answerer.expect([act](QWidget* dialog) { act(*static_cast<Dialog*>(dialog)); });
}

void set_field(property_sheet& sheet, const char* column, const QString& text)
{
    sheet.findChild<QLineEdit*>(QString::fromLatin1(column))->setText(text);
}

class editing_dialog_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_page_is_bound_and_helped_and_ok_without_typing_keeps_every_value()
    {
        list_field_help_vorn shipped;
        std::string errors;
        load_field_help(shipped, IVORN_SOURCE_DIR "/data/iVornHelp.csv", errors);
        QCOMPARE(QString::fromStdString(errors), QString());
        vorn_weather_station station;
        vorn_crop crop;
        vorn_fertilizer fertilizer;
        vorn_pesticide pesticide;
        vorn_soil soil;
        const sheet_description soil_sheet{"Soil", &soils_table(), {soil_page()}};
        const std::pair<const sheet_description*, std::function<binding_list()>> cases[] = {
            {&weather_sheet(), [&] { return weather_sheet_bindings(station); }},
            {&crop_sheet(), [&] { return crop.bindings(); }},
            {&fertilizer_sheet(), [&] { return fertilizer.bindings(); }},
            {&pesticide_sheet(), [&] { return pesticide.bindings(); }},
            {&soil_sheet, [&] { return soil.soil_bindings(); }},
            {&soil_layer_sheet(), [&] { return soil.layer_bindings(9); }}};
        for (const auto& [sheet, bindings_of] : cases) {
            const binding_list bindings = bindings_of();
            for (const page_description& page : sheet->pages) {
                const table_description& table = page.table ? *page.table : *sheet->table;
                for (const field_group& group : page.groups) {
                    for (const field_entry& field : group.fields) {
                        const std::string where = sheet->caption + " / " + page.title + " / " + binding_name(field);
                        QVERIFY2(table.column(field.column), where.c_str());
                        bool bound = false;
                        for (const field_binding& binding : bindings)
                            bound = bound || equals_ignoring_case(binding.column, binding_name(field));
                        QVERIFY2(bound, where.c_str());
                        std::string shown;
                        QVERIFY2(shipped.find_field_help(help_variable(field), 0, shown), where.c_str());
                    }
                }
            }
            fill_with_awkward_values(bindings);
            const std::string before = snapshot(bindings);
            property_sheet dialog(nullptr, *sheet, bindings_of(), shipped);
            QVERIFY2(dialog.take_back().isEmpty(), sheet->caption.c_str());
            QVERIFY2(snapshot(bindings) == before, sheet->caption.c_str());
        }
    }

    void the_weather_sheet_cancel_leaves_the_record_and_ok_marks_it()
    {
        app_settings settings;
        list_field_help_vorn help;
        control_record record(settings);
        record.modified = false;
        const std::string before = snapshot(weather_sheet_bindings(record.weather_station));
        dialog_answerer answerer;
        answer<property_sheet>(answerer, [](property_sheet& sheet) {
            set_field(sheet, "Latitude", QStringLiteral("41.5"));
            sheet.reject();
        });
        QVERIFY(!edit_weather(nullptr, record, help));
        QVERIFY(snapshot(weather_sheet_bindings(record.weather_station)) == before);
        QVERIFY(!record.modified);
        answer<property_sheet>(answerer, [](property_sheet& sheet) {
            sheet.findChildren<QLineEdit*>(QStringLiteral("Wind Velocity NE"))[2]->setText(QStringLiteral("4.5"));
            sheet.accept();
        });
        QVERIFY(edit_weather(nullptr, record, help));
        QCOMPARE(record.weather_station.monthly[first_wind_direction + 2][2], 4.5f);
        QVERIFY(record.modified);
        QCOMPARE(answerer.unexpected(), 0);
    }

    void the_reference_lists_store_new_edit_and_delete()
    {
        ui_scratch scratch(1);
        app_settings settings;
        fake_user_interface ui;
        doc_i_vorn doc(settings, ui);
        QVERIFY(doc.open_database(scratch.database().toStdString()));
        database& db = *doc.db();
        const int crops = static_cast<int>(doc.crops()->count());
        const std::int32_t first_crop = doc.crops()->first()->number;
        dialog_reference_list crop_list(nullptr, reference_kind::crops, db, *doc.crops(), doc.field_help());
        QCOMPARE(crop_list.count_line()->text(), QStringLiteral("%1 crops").arg(crops));
        QCOMPARE(crop_list.records()->item(0)->text(),
                 QString::asprintf("%d %s", first_crop, doc.crops()->first()->name.c_str()));
        crop_list.records()->setCurrentRow(0);
        QVERIFY(crop_list.delete_selected());
        QVERIFY(crop_list.add_record());
        vorn_production_supply_list stored;
        std::string log;
        QVERIFY(load_crops(db, stored, log));
        QCOMPARE(static_cast<int>(stored.count()), crops);
        for (const vorn_production_supply* crop : stored)
            QVERIFY(crop->number != first_crop);
        QCOMPARE(stored.last()->number, doc.crops()->at(static_cast<size_t>(crops - 2))->number + 1);

        dialog_reference_list fertilizers(nullptr, reference_kind::fertilizers, db, *doc.fertilizers(),
                                          doc.field_help());
        QCOMPARE(fertilizers.records()->item(0)->text(),
                 QString::asprintf("%d \"%s\"", 1, doc.fertilizers()->first()->name.c_str()));
        fertilizers.records()->setCurrentRow(1);
        dialog_answerer answerer;
        answer<property_sheet>(answerer, [](property_sheet& sheet) {
            set_field(sheet, "Mineral Nitrogen", QStringLiteral("0.25"));
            sheet.accept();
        });
        QVERIFY(fertilizers.edit_selected());
        vorn_production_supply_list stored_fertilizers;
        QVERIFY(load_fertilizers(db, stored_fertilizers, log));
        QCOMPARE(static_cast<vorn_fertilizer*>(stored_fertilizers.at(1))->mineral_nitrogen, 0.25f);
        QCOMPARE(answerer.unexpected(), 0);
    }

    void the_station_chosen_in_the_list_is_the_one_the_record_names()
    {
        ui_scratch scratch(1);
        app_i_vorn app(scratch.settings_file());
        main_window window(with_variables(app));
        window.show();
        QVERIFY(window.open_database(scratch.database()));
        vorn_weather_station second;
        second.number = 7;
        second.name = "Second";
        std::string log;
        QVERIFY(second.save_station(*window.document().db(), "Weather", "Weather by Month", log));
        dialog_answerer answerer;
        answer<dialog_weather_station_list>(answerer, [](dialog_weather_station_list& list) {
            list.stations()->setCurrentItem(list.stations()->findItems(QStringLiteral("7 Second"), Qt::MatchExactly)[0]);
            list.accept();
        });
        window.form()->select_button->click();
        QCOMPARE(window.document().current_record()->weather_station_id, 7);
        QCOMPARE(window.document().current_record()->weather_station.name, std::string("Second"));
        QCOMPARE(window.form()->weather_station->text(), QStringLiteral("Second"));
        QCOMPARE(answerer.unexpected(), 0);
    }

    void focus_on_a_field_or_a_wind_direction_shows_its_help()
    {
        list_field_help_vorn shipped;
        std::string errors;
        load_field_help(shipped, IVORN_SOURCE_DIR "/data/iVornHelp.csv", errors);
        vorn_soil soil;
        dialog_soil dialog(nullptr, soil, shipped);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QLineEdit*>(QStringLiteral("Albedo"))->setFocus();
        QTRY_COMPARE(dialog.help_box()->toPlainText(), QStringLiteral("Soil Albedo: Soil albedo."));
        dialog.help_box()->setFocus();
        QTRY_VERIFY(dialog.help_box()->hasFocus());
        QCOMPARE(dialog.help_box()->toPlainText(), QStringLiteral("Soil Albedo: Soil albedo."));

        vorn_weather_station station;
        property_sheet sheet(nullptr, weather_sheet(), weather_sheet_bindings(station), shipped);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        sheet.tabs()->setCurrentIndex(2);
        auto* north = sheet.findChild<QPushButton*>(QStringLiteral("wind_direction_1"));
        QCOMPARE(north->text(), QStringLiteral("North"));
        north->click();
        QTRY_COMPARE(sheet.help_box()->toPlainText(),
                     QStringLiteral("Wind Velocity N: Average speed of the month's wind from the north (wind file line 4)."));
        QCOMPARE(QApplication::focusWidget(), sheet.findChildren<QLineEdit*>(QStringLiteral("Wind Velocity N"))[0]);
    }

    void a_soil_layer_is_inserted_and_deleted_and_cancel_keeps_the_soil()
    {
        list_field_help_vorn help;
        vorn_soil soil;
        soil.layer_count = 2;
        soil.layers[layer_depth] = {0.1f, 0.5f};
        dialog_soil dialog(nullptr, soil, help);
        dialog.layers()->setCurrentRow(0);
        QVERIFY(dialog.insert_layer());
        QCOMPARE(dialog.working_copy().layer_count, 3);
        QCOMPARE(dialog.working_copy().layers[layer_depth][1], 0.1f);
        dialog.layers()->setCurrentRow(2);
        QVERIFY(dialog.delete_layer());
        QCOMPARE(dialog.working_copy().layer_count, 2);
        QCOMPARE(dialog.layers()->item(1)->text(), QStringLiteral("Layer 2: depth 0.1"));
        QCOMPARE(soil.layer_count, 2);
        dialog.reject();
        QCOMPARE(soil.layers[layer_depth][1], 0.5f);
        dialog_soil taken(nullptr, soil, help);
        taken.layers()->setCurrentRow(0);
        QVERIFY(taken.delete_layer());
        taken.accept();
        QCOMPARE(soil.layer_count, 1);
        QCOMPARE(soil.layers[layer_depth][0], 0.5f);

        // A full soil refuses one more layer, and without a soil list there is nothing to choose.
        soil.layer_count = soil_max_layers;
        dialog_soil full(nullptr, soil, help);
        QStringList shown;
        dialog_answerer answerer;
        for (int i = 0; i < 2; ++i) {
            answer<QMessageBox>(answerer, [&shown](QMessageBox& box) {
                shown << box.text();
                box.accept();
            });
        }
        QVERIFY(!full.insert_layer());
        QVERIFY(!soil_list_available(nullptr, nullptr));
        QCOMPARE(shown, QStringList({QStringLiteral("Number of layers is already at maximum"),
                                     QStringLiteral("Prebuild soil list must be checked and i_vorn restarted for Select to work")}));
    }
};

} // namespace

QObject* make_editing_dialog_tests() { return new editing_dialog_tests; }

} // namespace ivorn::testing

#include "editing_dialogs_qtest.moc"
