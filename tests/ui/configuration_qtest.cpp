// The Configuration dialog against an INI settings file: OK copies into the settings and saves
// the variable list, Cancel changes nothing, and the version buttons follow the stored version.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "dialogs/configuration_dialog.h"
#include "dialogs/output_files_dialog.h"
#include "ui/widget_tests.h"
#include "ui/widget_test_support.h"
#include "widgets/numeric_edits.h"

namespace ivorn::testing {
namespace {

// Row of a variable in the all-variables list.
int row_of(QListWidget* list, const QString& name)
{
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().contains(QLatin1Char(' ') + name + QLatin1Char(' ')))
            return row;
    return -1;
}

class configuration_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ok_copies_the_settings_and_saves_the_variables()
    {
        ui_scratch scratch(0);
        app_i_vorn app(scratch.settings_file());
        app.load_output_variables();
        QVERIFY(app.output_variables);
        app.settings.set_user_selected_variables = 0;
        main_window window(app);
        dialog_answerer answers;
        answers.expect([](QWidget* widget) {
            auto* dialog = qobject_cast<dialog_configuration*>(widget);
            QVERIFY(dialog->versions[0]->isChecked());
            QCOMPARE(dialog->user_selected->count(), 1);
            QCOMPARE(dialog->ivorn_selected->count(), 3);
            dialog->versions[2]->setChecked(true);
            dialog->record_list->setChecked(false);
            dialog->english_convert->setChecked(true);
            dialog->save_year_first->setText(QStringLiteral("5"));
            dialog->save_year_last->setText(QStringLiteral("20x"));
            dialog->all_variables->setCurrentRow(row_of(dialog->all_variables, QStringLiteral("PET")));
            dialog->select_variable_button->click();
            QCOMPARE(dialog->user_selected->count(), 2);
            dialog->accept();
        });
        window.action(QStringLiteral("configuration"))->trigger();
        QCOMPARE(answers.unexpected(), 0);
        QCOMPARE(app.settings.vorn_version, 806);
        QCOMPARE(int(app.settings.record_list), 0);
        QCOMPARE(app.settings.english_convert, 1);
        QCOMPARE(app.settings.save_year_first, 5);
        QCOMPARE(app.settings.save_year_last, 20);
        QCOMPARE(app.settings.set_user_selected_variables, 1);
        // The selection changed, so the saved list carries the next selection counter.
        const std::string saved = read_file(scratch.model_directory() + "/output variables.csv");
        QVERIFY(saved.rfind("   2\n", 0) == 0);
        QVERIFY(saved.find("2,9,PET,") != std::string::npos);

        QVERIFY(app.write_settings());
        QSettings ini(QString::fromStdString(scratch.settings_file()), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("Settings/VORNVersion")).toInt(), 806);
        QCOMPARE(ini.value(QStringLiteral("Settings/RecordList")).toInt(), 0);
        QCOMPARE(ini.value(QStringLiteral("Settings/SaveYearLast")).toInt(), 20);
    }

    void cancel_changes_nothing()
    {
        ui_scratch scratch(0);
        const std::string before = read_file(scratch.model_directory() + "/output variables.csv");
        app_i_vorn app(scratch.settings_file());
        app.load_output_variables();
        const int selected_before = app.output_variables->selected_count;
        main_window window(app);
        dialog_answerer answers;
        answers.expect([](QWidget* widget) {
            auto* dialog = qobject_cast<dialog_configuration*>(widget);
            dialog->versions[1]->setChecked(true);
            dialog->all_variables->setCurrentRow(row_of(dialog->all_variables, QStringLiteral("ET")));
            dialog->select_variable_button->click();
            dialog->user_selected->setCurrentRow(0);
            dialog->reject();
        });
        window.action(QStringLiteral("configuration"))->trigger();
        QCOMPARE(app.settings.vorn_version, 2110);
        QCOMPARE(app.output_variables->selected_count, selected_before);
        QCOMPARE(app.output_variables->user_selected_variables().size(), size_t(1));
        QCOMPARE(read_file(scratch.model_directory() + "/output variables.csv"), before);
    }

    void an_unknown_version_checks_vorn1307_and_switches_follow_their_dialog()
    {
        ui_scratch scratch(0);
        app_i_vorn app(scratch.settings_file());
        app.load_output_variables();
        app.settings.vorn_version = 0;
        dialog_configuration dialog(nullptr, app.settings, app.output_variables.get(), 0);
        QVERIFY(dialog.versions[3]->isChecked());
        dialog_answerer answers;
        answers.expect([](QWidget* widget) {
            auto* files = qobject_cast<dialog_output_files*>(widget);
            QCOMPARE(files->box(2)->text(), QStringLiteral("SUS=Subarea Summary File"));
            QVERIFY(!files->box(2)->isChecked());
            files->box(2)->setChecked(true);
            files->accept();
        });
        dialog.output_files_button->click();
        QCOMPARE(app.output_variables->switches[2], 1);
        QCOMPARE(dialog.settings().vorn_version, 1307);
    }
};

} // namespace

QObject* make_configuration_tests() { return new configuration_tests; }

} // namespace ivorn::testing

#include "configuration_qtest.moc"
