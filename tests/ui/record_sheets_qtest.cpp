// The control record's sheets, walked through their descriptions: every field bound, OK without
// typing and Cancel leaving the record as it was, a value its column cannot hold refused, and the
// help box following the focus.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <cstring>
#include <memory>
#include <tuple>

#include "app/main_window.h"
#include "core/text_utils.h"
#include "help/field_help.h"
#include "shell/app_settings.h"
#include "sheets/help_box.h"
#include "sheets/property_sheet.h"
#include "sheets/record_page.h"
#include "sheets/record_sheets.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record.h"
#include "ui/widget_test_support.h"
#include "ui/widget_tests.h"
#include "views/form_view.h"

namespace ivorn::testing {
namespace {

QLineEdit* line_edit(property_sheet& sheet, const char* column)
{
    return sheet.findChild<QLineEdit*>(QString::fromLatin1(column));
}

class record_sheet_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_page_is_bound_and_ok_without_typing_keeps_every_value()
    {
        app_settings settings;
        list_field_help_vorn help;
        list_field_help_vorn shipped;
        std::string errors;
        load_field_help(shipped, IVORN_SOURCE_DIR "/data/iVornHelp.csv", errors);
        QCOMPARE(QString::fromStdString(errors), QString());
        std::string shown;
        QVERIFY(shipped.find_field_help("Simulation Length", 0, shown));
        QCOMPARE(shown, std::string("Simulation Length (years): Number of years the run simulates."));
        for (const control_record_sheet& entry : control_record_sheets()) {
            const sheet_description& sheet = *entry.sheet;
            control_record record(settings);
            const binding_list bindings = entry.bindings(record);
            for (const page_description& page : sheet.pages) {
                for (const field_group& group : page.groups) {
                    for (const field_entry& field : group.fields) {
                        const std::string where = sheet.caption + " / " + page.title + " / " + field.column;
                        QVERIFY2(sheet.table->column(field.column), where.c_str());
                        bool bound = false;
                        for (const field_binding& binding : bindings)
                            bound = bound || equals_ignoring_case(binding.column, field.column);
                        QVERIFY2(bound, where.c_str());
                        QVERIFY2(field.editor != editor_kind::choice || field.choices, where.c_str());
                        QVERIFY2(shipped.find_field_help(help_variable(field), 0, shown), where.c_str());
                    }
                }
            }
            fill_with_awkward_values(bindings);
            record.modified = false;
            const std::string before = snapshot(bindings);
            property_sheet dialog(nullptr, sheet, entry.bindings(record), help);
            QCOMPARE(dialog.tabs()->count(), static_cast<int>(sheet.pages.size()));
            QVERIFY2(dialog.take_back().isEmpty(), sheet.caption.c_str());
            QVERIFY2(snapshot(bindings) == before, sheet.caption.c_str());
        }
    }

    void cancel_leaves_the_record_and_its_mark_and_ok_marks_it()
    {
        app_settings settings;
        list_field_help_vorn help;
        control_record record(settings);
        record.modified = false;
        record.simulation_length = 12;
        const std::string before = snapshot(record.bindings());
        dialog_answerer answerer;
        answerer.expect([](QWidget* dialog) {
            auto* sheet = static_cast<property_sheet*>(dialog);
            line_edit(*sheet, "Simulation Length")->setText(QStringLiteral("40"));
            sheet->findChild<QComboBox*>(QStringLiteral("Potential ET"))->setCurrentIndex(3);
            sheet->reject();
        });
        QVERIFY(!edit_run_header(nullptr, record, help));
        QVERIFY(snapshot(record.bindings()) == before);
        QVERIFY(!record.modified);

        answerer.expect([](QWidget* dialog) {
            auto* sheet = static_cast<property_sheet*>(dialog);
            line_edit(*sheet, "Parm61")->setText(QStringLiteral("2.5"));
            sheet->accept();
        });
        QVERIFY(edit_parameters(nullptr, record, help));
        QCOMPARE(record.parameters.parm[60], 2.5f);
        QVERIFY(record.modified);
        QVERIFY(answerer.all_answered());
        QCOMPARE(answerer.unexpected(), 0);
    }

    void the_edit_menu_and_the_form_buttons_open_the_sheets_and_ok_is_stored_by_a_move()
    {
        ui_scratch scratch(2);
        app_i_vorn app(scratch.settings_file());
        main_window window(with_variables(app));
        window.show();
        QVERIFY(window.open_database(scratch.database()));
        QVERIFY(window.action(QStringLiteral("edit_header"))->isEnabled());
        QVERIFY(window.form()->parameters_button->isEnabled());
        dialog_answerer answerer;
        answerer.expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        window.form()->parameters_button->click();
        QVERIFY(!window.windowTitle().contains(QLatin1Char('*')));
        answerer.expect([](QWidget* dialog) {
            auto* sheet = static_cast<property_sheet*>(dialog);
            line_edit(*sheet, "Simulation Length")->setText(QStringLiteral("44"));
            sheet->accept();
        });
        window.action(QStringLiteral("edit_header"))->trigger();
        QVERIFY(window.windowTitle().contains(QLatin1Char('*')));
        window.action(QStringLiteral("record_next"))->trigger();
        window.action(QStringLiteral("record_previous"))->trigger();
        QCOMPARE(window.document().current_record()->simulation_length, 44);
        QCOMPARE(answerer.titles, QStringList({QStringLiteral("Parameters"), QStringLiteral("Run Header")}));
        QCOMPARE(answerer.unexpected(), 0);
    }

    void a_value_its_column_cannot_hold_is_refused_naming_the_field()
    {
        struct refusal_case {
            const char* column;
            QString text;
            const char* message;
        };
        const refusal_case cases[] = {
            {"Printout Interval", QStringLiteral("256"),
             "\"Printout interval (days)\": the value must be a whole number from 0 to 255."},
            {"Weather Input Code", QStringLiteral("-32769"),
             "\"Weather input code\": the value must be a whole number from -32768 to 32767."},
            {"Simulation Length", QStringLiteral("99999999999999999999"),
             "\"Simulation length (years)\": the value must be a whole number from -2147483648 to 2147483647."},
            {"Field Angle", QStringLiteral("1e39"), "\"Field angle (degrees)\": the value is beyond what the field can hold."},
            {"RFDT Filename", QString(256, QLatin1Char('x')),
             "\"Rainfall intensity (RFDT) file\": the text may have at most 255 characters."},
        };
        app_settings settings;
        list_field_help_vorn help;
        for (const refusal_case& test : cases) {
            control_record record(settings);
            record.beginning_year = 1990;
            const std::string before = snapshot(record.bindings());
            property_sheet sheet(nullptr, run_header_sheet(), record.bindings(), help);
            sheet.show();
            QVERIFY(QTest::qWaitForWindowActive(&sheet));
            // A field that fits, changed beside the refused one, is not taken either.
            line_edit(sheet, "Beginning Year")->setText(QStringLiteral("2001"));
            QLineEdit* refused = line_edit(sheet, test.column);
            refused->setText(test.text);
            QCOMPARE(sheet.take_back(), QString::fromLatin1(test.message));
            QVERIFY2(snapshot(record.bindings()) == before, test.column);
            QVERIFY2(refused->hasFocus(), test.column);
        }
    }

    void focus_on_a_field_shows_its_help_and_focus_on_the_help_box_changes_nothing()
    {
        list_field_help_vorn help;
        for (const auto& [name, units, text] : {std::tuple{"Simulation Length", "years", "Years to simulate"},
                                                std::tuple{"PARM(3)", "", "Third coefficient"}}) {
            auto entry = std::make_unique<field_help>();
            entry->name = name;
            entry->units = units;
            entry->help_text = text;
            QVERIFY(help.add(std::move(entry)));
        }
        struct focus_case {
            const sheet_description* sheet;
            int page;
            const char* column;
            const char* shown;
        };
        const focus_case cases[] = {
            {&run_header_sheet(), 0, "Simulation Length", "Simulation Length (years): Years to simulate"},
            {&run_header_sheet(), 0, "Beginning Year", "Not Found: Beginning Year"},
            {&parameter_sheet(), 2, "Parm3", "PARM(3): Third coefficient"},
            {&parameter_sheet(), 7, "Cost2", "Not Found: COST(2)"},
        };
        app_settings settings;
        for (const focus_case& test : cases) {
            control_record record(settings);
            binding_list bindings =
                test.sheet == &parameter_sheet() ? record.parameters.bindings() : record.bindings();
            property_sheet sheet(nullptr, *test.sheet, std::move(bindings), help);
            sheet.show();
            QVERIFY(QTest::qWaitForWindowActive(&sheet));
            sheet.tabs()->setCurrentIndex(test.page);
            line_edit(sheet, test.column)->setFocus();
            QTRY_COMPARE(sheet.help_box()->toPlainText(), QString::fromLatin1(test.shown));
            sheet.help_box()->setFocus();
            QTRY_VERIFY(sheet.help_box()->hasFocus());
            QCOMPARE(sheet.help_box()->toPlainText(), QString::fromLatin1(test.shown));
        }
    }
};

} // namespace

QObject* make_record_sheet_tests() { return new record_sheet_tests; }

} // namespace ivorn::testing

#include "record_sheets_qtest.moc"
