// The main window over a database built by the core: opening, every record move by menu and key,
// the table view's clicks, a form edit stored by a move or by closing, Record / New and Delete
// through their dialogs, the lazy list's gaps and the empty database.
#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "dialogs/error_list_dialog.h"
#include "dialogs/generate_scenarios_dialog.h"
#include "dialogs/new_record_dialog.h"
#include "shell/doc_i_vorn.h"
#include "ui/widget_tests.h"
#include "ui/widget_test_support.h"
#include "views/form_view.h"
#include "views/record_table_model.h"
#include "views/record_table_view.h"
#include "widgets/numeric_edits.h"

namespace ivorn::testing {
namespace {

struct window_under_test {
    explicit window_under_test(const ui_scratch& scratch) : app(scratch.settings_file()), window(with_variables(app))
    {
        window.show();
        // Window shortcuts (PgDn, Ctrl+Home) only reach the active window.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QString position() const { return window.form()->position->text(); }
    int table_rows() const { return window.table()->lines()->rowCount(); }
    int current_row() const { return window.table()->lines()->current_row(); }
    void trigger(const char* name) { window.action(QString::fromLatin1(name))->trigger(); }
    bool enabled(const char* name) const { return window.action(QString::fromLatin1(name))->isEnabled(); }

    app_i_vorn app;
    main_window window;
};

void accept_dialog(QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); }

class main_window_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void open_shows_the_first_record_in_form_table_and_title()
    {
        ui_scratch scratch(3);
        window_under_test ui(scratch);
        QVERIFY(!ui.enabled("record_next"));
        QVERIFY(ui.window.open_database(scratch.database()));
        QCOMPARE(ui.position(), QStringLiteral("Record: 1 of 3"));
        QCOMPARE(ui.window.status_pane(1)->text(), QStringLiteral("Record: 1 of 3"));
        QCOMPARE(ui.table_rows(), 4);
        QCOMPARE(ui.current_row(), 1);
        QCOMPARE(ui.window.table()->lines()->index(0, 0).data().toString(), QStringLiteral("#    ID Description"));
        QVERIFY(ui.window.windowTitle().startsWith(QStringLiteral("project.mdb")));
        QCOMPARE(ui.window.form()->id->text(), QStringLiteral("1"));
        QCOMPARE(ui.window.form()->subareas->count(), 2);
        QVERIFY(ui.enabled("record_next") && ui.enabled("run_this_record") && !ui.enabled("run_stop"));
        QVERIFY(!ui.enabled("select_production_system"));
    }

    void every_move_by_menu_and_key_follows_in_form_and_table()
    {
        ui_scratch scratch(3);
        window_under_test ui(scratch);
        ui.window.open_database(scratch.database());
        struct step {
            const char* name;
            std::function<void()> move;
            const char* position;
            int row;
        };
        QWidget* table = ui.window.table();
        const step steps[] = {
            {"menu next", [&] { ui.trigger("record_next"); }, "Record: 2 of 3", 2},
            {"key PgDn", [&] { QTest::keyClick(table, Qt::Key_PageDown); }, "Record: 3 of 3", 3},
            {"next at the end stays", [&] { ui.trigger("record_next"); }, "Record: 3 of 3", 3},
            {"key Ctrl+Home", [&] { QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier); }, "Record: 1 of 3", 1},
            {"key Ctrl+End", [&] { QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier); }, "Record: 3 of 3", 3},
            {"key PgUp", [&] { QTest::keyClick(table, Qt::Key_PageUp); }, "Record: 2 of 3", 2},
            {"menu previous", [&] { ui.trigger("record_previous"); }, "Record: 1 of 3", 1},
            {"menu last", [&] { ui.trigger("record_last"); }, "Record: 3 of 3", 3},
            {"menu first", [&] { ui.trigger("record_first"); }, "Record: 1 of 3", 1},
        };
        for (const step& s : steps) {
            s.move();
            QVERIFY2(ui.position() == QLatin1String(s.position), s.name);
            QVERIFY2(ui.current_row() == s.row, s.name);
            QVERIFY2(ui.window.form()->id->text() == QString::number(s.row), s.name);
        }

        dialog_answerer answers;
        answers.expect([](QWidget* dialog) {
            auto* prompt = qobject_cast<QInputDialog*>(dialog);
            prompt->setIntValue(2);
            prompt->accept();
        });
        ui.trigger("record_go_to");
        QCOMPARE(ui.position(), QStringLiteral("Record: 2 of 3"));
        answers.expect([](QWidget* dialog) {
            auto* prompt = qobject_cast<QInputDialog*>(dialog);
            prompt->setIntValue(3);
            prompt->accept();
        });
        ui.trigger("record_search");
        QCOMPARE(ui.position(), QStringLiteral("Record: 3 of 3"));
        QCOMPARE(answers.titles.size(), 2);
        QCOMPARE(answers.unexpected(), 0);
    }

    void a_click_goes_to_its_record_and_the_header_does_nothing()
    {
        ui_scratch scratch(3);
        window_under_test ui(scratch);
        ui.window.open_database(scratch.database());
        view_control_record_table* table = ui.window.table();
        const QRect third = table->visualRect(table->lines()->index(3, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(ui.position(), QStringLiteral("Record: 3 of 3"));
        const QRect header = table->visualRect(table->lines()->index(0, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, header.center());
        QCOMPARE(ui.position(), QStringLiteral("Record: 3 of 3"));
        QCOMPARE(ui.current_row(), 3);
    }

    void a_form_edit_is_stored_by_a_move_and_by_closing_the_window()
    {
        ui_scratch scratch(2);
        {
            window_under_test ui(scratch);
            ui.window.open_database(scratch.database());
            QLineEdit* description = ui.window.form()->description;
            description->selectAll();
            QTest::keyClicks(description, QStringLiteral("Moved away"));
            QVERIFY(ui.window.windowTitle().contains(QLatin1Char('*')));
            ui.trigger("record_next");
            QCOMPARE(scratch.stored_description(1), std::string("Moved away"));
            QVERIFY(ui.window.table()->lines()->index(1, 0).data().toString().endsWith(QStringLiteral("Moved away")));
            description->selectAll();
            QTest::keyClicks(description, QStringLiteral("Closed"));
            ui.window.close();
        }
        QCOMPARE(scratch.stored_description(2), std::string("Closed"));
    }

    void record_new_and_delete_go_through_their_dialogs()
    {
        ui_scratch scratch(2);
        window_under_test ui(scratch);
        ui.window.open_database(scratch.database());
        dialog_answerer answers;
        QString proposed;
        answers.expect([&](QWidget* dialog) {
            auto* record = qobject_cast<dialog_new_record*>(dialog);
            proposed = record->record_id->text();
            record->station_name->setText(QStringLiteral("Station Three"));
            record->accept();
        });
        ui.trigger("record_new");
        QCOMPARE(proposed, QStringLiteral("3"));
        QCOMPARE(ui.position(), QStringLiteral("Record: 3 of 3"));
        QCOMPARE(ui.table_rows(), 4);
        QCOMPARE(ui.window.form()->weather_station->text(), QStringLiteral("Station Three"));

        QString caption;
        answers.expect([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            accept_dialog(dialog);
        });
        ui.trigger("record_delete");
        QCOMPARE(caption, QStringLiteral("Record Deleted"));
        QCOMPARE(ui.table_rows(), 3);
        QCOMPARE(answers.unexpected(), 0);
    }

    void record_duplicate_makes_the_copy_current()
    {
        ui_scratch scratch(2);
        window_under_test ui(scratch);
        ui.window.open_database(scratch.database());
        dialog_answerer answers;
        ui.trigger("record_duplicate");
        QCOMPARE(ui.position(), QStringLiteral("Record: 3 of 3"));
        QCOMPARE(ui.table_rows(), 4);
        QCOMPARE(scratch.stored_description(3), scratch.stored_description(1));
        QCOMPARE(answers.unexpected(), 0);
    }

    void generate_scenarios_previews_the_set_and_lists_the_new_records()
    {
        ui_scratch scratch(2);
        window_under_test ui(scratch);
        ui.window.open_database(scratch.database());
        const std::string factors = scratch.dir.file("factors.csv");
        write_file(factors, "Simulation Length,Parameters.Parm61\n10,0.5\n20,0.7\n");
        QString preview;
        dialog_answerer answers;
        answers.expect([&](QWidget* widget) {
            auto* dialog = static_cast<dialog_generate_scenarios*>(widget);
            dialog->file->setText(QString::fromStdString(factors));
            dialog->grid->setChecked(true);
            preview = dialog->preview->text();
            dialog->accept();
        });
        answers.expect(accept_dialog);
        QSignalSpy finished(&ui.window, &main_window::job_finished);
        ui.trigger("generate_scenarios");
        QVERIFY(finished.wait(30000));
        QCOMPARE(preview, QStringLiteral("4 scenarios over Simulation Length, Parameters.Parm61"));
        QCOMPARE(ui.table_rows(), 7);
        QCOMPARE(ui.position(), QStringLiteral("Record: 1 of 6"));
        QCOMPARE(answers.unexpected(), 0);
    }

    void a_lazy_list_shows_gaps_that_do_nothing_when_clicked()
    {
        ui_scratch scratch(3, false);
        window_under_test ui(scratch);
        ui.window.open_database(scratch.database());
        QCOMPARE(ui.position(), QStringLiteral("Record: 1"));
        ui.window.document().go_to_position(3);
        QCOMPARE(ui.position(), QStringLiteral("Record: 3"));
        record_table_model* lines = ui.window.table()->lines();
        QCOMPARE(lines->rowCount(), 4);
        QCOMPARE(lines->index(2, 0).data().toString(), QStringLiteral("..."));
        QCOMPARE(ui.current_row(), 3);
        view_control_record_table* table = ui.window.table();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(lines->index(2, 0)).center());
        QCOMPARE(ui.position(), QStringLiteral("Record: 3"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(lines->index(1, 0)).center());
        QCOMPARE(ui.position(), QStringLiteral("Record: 1"));
    }

    void an_empty_database_shows_no_records()
    {
        ui_scratch scratch(0);
        window_under_test ui(scratch);
        QVERIFY(ui.window.open_database(scratch.database()));
        QCOMPARE(ui.position(), QStringLiteral("No records in file"));
        QCOMPARE(ui.table_rows(), 1);
        QVERIFY(!ui.window.form()->id->isEnabled());
        QVERIFY(ui.enabled("record_next") && !ui.enabled("run_this_record"));
    }

    void file_new_open_and_close_through_the_menu()
    {
        ui_scratch scratch(0);
        window_under_test ui(scratch);
        const QString created = QString::fromStdString(scratch.dir.file("made.mdb"));
        dialog_answerer answers;
        auto choose = [created](QWidget* dialog) {
            auto* chooser = qobject_cast<QFileDialog*>(dialog);
            chooser->selectFile(created);
            // selectFile leaves a name box that already has the focus as it is, and whether it
            // has it yet depends on when the window was activated: type the path in as well.
            if (auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(created);
            static_cast<QDialog*>(chooser)->accept();
        };
        answers.expect(choose);
        ui.trigger("file_new");
        QVERIFY(QFile::exists(created));
        QVERIFY(!ui.window.document().is_open());
        answers.expect(choose);
        ui.trigger("file_open");
        QVERIFY(ui.window.document().is_open());
        QVERIFY(ui.window.windowTitle().startsWith(QStringLiteral("made.mdb")));
        QCOMPARE(ui.app.recent_files().value(0), created);
        ui.trigger("file_close");
        QVERIFY(!ui.window.document().is_open());
        QCOMPARE(ui.window.windowTitle(), QStringLiteral("i_VORN"));
        QVERIFY(!ui.enabled("record_first"));
        QCOMPARE(answers.unexpected(), 0);
    }
};

} // namespace

QObject* make_main_window_tests() { return new main_window_tests; }

} // namespace ivorn::testing

#include "main_window_qtest.moc"
