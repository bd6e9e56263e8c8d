// The subarea, herd, field operation and operation dialogs, walked through their descriptions,
// and their commands in the main window: Cancel restores, OK marks, labels follow the code.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <functional>

#include "app/main_window.h"
#include "core/text_utils.h"
#include "dialogs/field_operation_list_dialog.h"
#include "help/field_help.h"
#include "reference/vorn_operation.h"
#include "sheets/field_operation_sheet.h"
#include "sheets/operation_sheet.h"
#include "sheets/property_sheet.h"
#include "sheets/subarea_sheets.h"
#include "shell/app_settings.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record.h"
#include "site/vorn_subarea.h"
#include "ui/widget_test_support.h"
#include "ui/widget_tests.h"
#include "views/form_view.h"

namespace ivorn::testing {
namespace {

QPushButton* button(QWidget& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

void operation(operation_list_class& list, int number, const char* name, const char* pcd, int code)
{
    auto added = std::make_unique<vorn_operation>();
    added->number = number;
    added->name = name;
    added->pcd = pcd;
    added->code = code;
    list.add(std::move(added));
}

class subarea_dialog_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_page_is_bound_has_help_and_ok_without_typing_keeps_every_value()
    {
        app_settings settings;
        control_record record(settings);
        vorn_subarea subarea;
        vorn_field_operation scheduled;
        vorn_operation tillage;
        operation_list_class operations;
        operation(operations, 3, "PLANTER", "PLNT", 5);
        const field_operation_form form("Change Operations", &operations, nullptr, 2110);
        struct sheet_case {
            const sheet_description* sheet;
            std::function<binding_list()> bindings;
        };
        std::vector<sheet_case> cases = {
            {&subarea_sheet(), [&] { return subarea_dialog_bindings(subarea); }},
            {&herd_sheet(), [&] { return herd_bindings(record, 3); }},
            {&operation_sheet(), [&] { return tillage.bindings(); }},
            {&form.sheet(), [&] { return scheduled.bindings(); }}};
        for (const sheet_description& sheet : management_sheets())
            cases.push_back({&sheet, [&] { return subarea_dialog_bindings(subarea); }});
        list_field_help_vorn shipped;
        std::string errors;
        load_field_help(shipped, IVORN_SOURCE_DIR "/data/iVornHelp.csv", errors);
        QCOMPARE(QString::fromStdString(errors), QString());
        std::string shown;
        for (const sheet_case& test : cases) {
            const binding_list bindings = test.bindings();
            for (const field_group& group : test.sheet->pages.front().groups) {
                for (const field_entry& field : group.fields) {
                    const std::string where = test.sheet->caption + " / " + field.column;
                    QVERIFY2(test.sheet->table->column(field.column), where.c_str());
                    bool bound = false;
                    for (const field_binding& binding : bindings)
                        bound = bound || equals_ignoring_case(binding.column, field.column);
                    QVERIFY2(bound, where.c_str());
                    QVERIFY2(shipped.find_field_help(help_variable(field), 0, shown), where.c_str());
                }
            }
            fill_with_awkward_values(bindings);
            const std::string before = snapshot(bindings);
            property_sheet dialog(nullptr, *test.sheet, test.bindings(), shipped);
            QVERIFY2(dialog.take_back().isEmpty(), test.sheet->caption.c_str());
            QVERIFY2(snapshot(bindings) == before, test.sheet->caption.c_str());
        }
    }

    void subarea_cancel_restores_what_its_dialogs_took_and_ok_marks_the_record()
    {
        app_settings settings;
        list_field_help_vorn help;
        control_record record(settings);
        record.modified = false;
        auto owned = std::make_unique<vorn_subarea>();
        vorn_subarea* subarea = owned.get();
        record.subareas.add(std::move(owned));
        subarea->subarea_number = 2;
        subarea->channel[0] = 1.5f;
        subarea->operations.add(std::make_unique<vorn_field_operation>());
        const std::string before = snapshot(subarea_dialog_bindings(*subarea));
        const subarea_editing editing{record, help};
        dialog_answerer answerer;
        // A dialog opened from a handler is answered once that handler has returned.
        auto open_then = [](const char* text) {
            return [text](QWidget* dialog) {
                QTimer::singleShot(0, button(*dialog, QString::fromLatin1(text)), &QPushButton::click);
            };
        };
        answerer.expect([&open_then](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("Drainage Area"))->setText(QStringLiteral("9"));
            open_then("Grazing...")(dialog);
        });
        answerer.expect([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("Herd 1 Id"))->setText(QStringLiteral("7"));
            static_cast<QDialog*>(dialog)->accept();
        });
        answerer.expect(open_then("Field Operations..."));
        answerer.expect([](QWidget* dialog) {
            auto* list = static_cast<dialog_operation_list*>(dialog);
            list->lines()->setCurrentRow(0);
            QVERIFY(list->delete_selected());
            QCOMPARE(list->count_line()->text(), QStringLiteral("0 ops"));
            list->reject();
        });
        answerer.expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        QVERIFY(!edit_subarea(nullptr, editing, *subarea));
        QVERIFY(snapshot(subarea_dialog_bindings(*subarea)) == before);
        QCOMPARE(subarea->operations.count(), size_t{1});
        QVERIFY(!record.modified && !subarea->modified);

        answerer.expect([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("Drainage Area"))->setText(QStringLiteral("9"));
            static_cast<QDialog*>(dialog)->accept();
        });
        QVERIFY(edit_subarea(nullptr, editing, *subarea));
        QCOMPARE(subarea->channel[0], 9.0f);
        QVERIFY(record.modified && subarea->modified);
        QCOMPARE(answerer.titles, QStringList({"Subarea", "Grazing", "Subarea", "Field Operations", "Subarea", "Subarea"}));
        QCOMPARE(answerer.unexpected(), 0);
    }

    void change_operations_labels_follow_the_chosen_operation_code()
    {
        list_field_help_vorn help;
        operation_list_class tillage;
        operation(tillage, 12, "SPRAYER", "SPRY", 7);
        operation(tillage, 20, "FERTAPP", "FERT", 9);
        operation(tillage, 30, "TRACTOR", "POWE", 0);
        vorn_field_operation scheduled;
        scheduled.operation_number = 12;
        dialog_answerer answerer;
        answerer.expect([](QWidget* dialog) {
            auto label_of = [dialog](const char* column) {
                QWidget* editor = dialog->findChild<QWidget*>(QString::fromLatin1(column));
                for (QLabel* label : dialog->findChildren<QLabel*>()) {
                    if (label->buddy() == editor)
                        return label->text();
                }
                return QString();
            };
            QCOMPARE(label_of("Int Variable"), QStringLiteral("Pest. ID:"));
            QCOMPARE(label_of("Parameter 1"), QStringLiteral("Rate, g/ha:"));
            auto* type = dialog->findChild<QComboBox*>(QStringLiteral("Type"));
            type->setCurrentIndex(type->findData(20));
            QCOMPARE(label_of("Int Variable"), QStringLiteral("Fert. ID:"));
            QCOMPARE(label_of("Parameter 2"), QStringLiteral("Depth of placement, mm:"));
            QCOMPARE(label_of("Parameter 3"), QStringLiteral("Parameter 3"));
            auto* tractor = dialog->findChild<QComboBox*>(QStringLiteral("Tractor"));
            QCOMPARE(tractor->count(), 2);
            QCOMPARE(tractor->itemText(1), QStringLiteral("  30 TRACTOR"));
            static_cast<QDialog*>(dialog)->accept();
        });
        QVERIFY(edit_field_operation(nullptr, "Change Operations", scheduled, &tillage, nullptr, 1307, help));
        QCOMPARE(scheduled.operation_number, 20);
        QCOMPARE(field_operation_labels(7, 2110)[1], QStringLiteral("Fraction weed control:"));
        QCOMPARE(answerer.unexpected(), 0);
    }

    void a_month_beyond_its_column_is_refused_and_nothing_is_taken()
    {
        list_field_help_vorn help;
        vorn_field_operation scheduled;
        const field_operation_form form("Add Operation", nullptr, nullptr, 2110);
        property_sheet dialog(nullptr, form.sheet(), scheduled.bindings(), help);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QLineEdit*>(QStringLiteral("Year"))->setText(QStringLiteral("4"));
        auto* month = dialog.findChild<QLineEdit*>(QStringLiteral("Month"));
        month->setText(QStringLiteral("40000"));
        QCOMPARE(dialog.take_back(), QStringLiteral("\"Month\": the value must be a whole number from -32768 to 32767."));
        QCOMPARE(scheduled.year, 1);
        QVERIFY(month->hasFocus());
    }

    void the_form_and_the_edit_menu_open_the_subarea_and_schedule_dialogs()
    {
        ui_scratch scratch(1);
        app_i_vorn app(scratch.settings_file());
        main_window window(with_variables(app));
        window.show();
        QVERIFY(window.open_database(scratch.database()));
        QListWidget* subareas = window.form()->subareas;
        QVERIFY(subareas->count() > 0);
        QVERIFY(window.action(QStringLiteral("edit_field_operations"))->isEnabled());
        QVERIFY(window.action(QStringLiteral("edit_all_operations"))->isEnabled());
        dialog_answerer answerer;
        answerer.expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        Q_EMIT subareas->itemDoubleClicked(subareas->item(0));
        QVERIFY(!window.windowTitle().contains(QLatin1Char('*')));
        answerer.expect([](QWidget* dialog) {
            auto* list = static_cast<dialog_operation_list*>(dialog);
            QVERIFY(list->lines()->count() > 0);
            QCOMPARE(list->count_line()->text(), QStringLiteral("%1 ops").arg(list->lines()->count()));
            list->reject();
        });
        window.action(QStringLiteral("edit_field_operations"))->trigger();
        answerer.expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        window.action(QStringLiteral("edit_all_operations"))->trigger();
        QCOMPARE(answerer.titles, QStringList({"Subarea", "Field Operations", "All Operations"}));
        QCOMPARE(answerer.unexpected(), 0);
    }
};

} // namespace

QObject* make_subarea_dialog_tests() { return new subarea_dialog_tests; }

} // namespace ivorn::testing

#include "subarea_dialogs_qtest.moc"
