// Runs from the menu on the worker thread: the window keeps working while the stand-in model
// runs, the progress window's Cancel ends a set, and Stop ends a hung model with nothing left
// behind.
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QSignalSpy>
#include <QtTest>

#include <cstdlib>

#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "app/qt_user_interface.h"
#include "dialogs/progress_dialog.h"
#include "shell/doc_i_vorn.h"
#include "ui/widget_tests.h"
#include "ui/widget_test_support.h"
#include "views/form_view.h"

namespace ivorn::testing {
namespace {

struct run_window {
    explicit run_window(const ui_scratch& scratch) : app(scratch.settings_file()), window(with_variables(app))
    {
        window.show();
        window.open_database(scratch.database());
    }
    void trigger(const char* name) { window.action(QString::fromLatin1(name))->trigger(); }
    bool enabled(const char* name) const { return window.action(QString::fromLatin1(name))->isEnabled(); }

    app_i_vorn app;
    main_window window;
};

// The stand-in hangs for as long as this lives.
struct hanging_model {
    hanging_model() { ::setenv("IVORN_STAND_IN_FAILURE", "hang", 1); }
    ~hanging_model() { ::unsetenv("IVORN_STAND_IN_FAILURE"); }
};

class run_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void run_this_record_works_off_the_gui_thread()
    {
        ui_scratch scratch(1);
        run_window ui(scratch);
        dialog_answerer answers;
        QString caption;
        answers.expect([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            static_cast<QDialog*>(dialog)->accept();
        });
        QSignalSpy finished(&ui.window, &main_window::job_finished);
        int ticks = 0;
        QTimer heartbeat;
        QObject::connect(&heartbeat, &QTimer::timeout, [&] { ++ticks; });
        heartbeat.start(5);
        ui.trigger("run_this_record");
        QVERIFY(ui.window.busy());
        QVERIFY(ui.enabled("run_stop"));
        QVERIFY(!ui.enabled("record_next") && !ui.enabled("run_all_records") && !ui.enabled("file_open"));
        QVERIFY(!ui.window.form()->isEnabled());
        // The window paints while the model runs.
        QVERIFY(!ui.window.grab().isNull());
        QVERIFY(finished.wait(60000));
        QVERIFY(ticks > 0);
        QCOMPARE(caption, QStringLiteral("VORN succeeded"));
        QVERIFY(!ui.window.busy());
        QVERIFY(ui.enabled("record_next") && !ui.enabled("run_stop"));
        QCOMPARE(answers.unexpected(), 0);
    }

    void progress_cancel_and_stop_end_a_set_with_a_hung_model()
    {
        ui_scratch scratch(3);
        run_window ui(scratch);
        hanging_model hang;
        dialog_answerer answers;
        answers.expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        QString closing;
        answers.expect([&](QWidget* dialog) {
            closing = dialog->windowTitle();
            static_cast<QDialog*>(dialog)->accept();
        });
        QSignalSpy finished(&ui.window, &main_window::job_finished);
        ui.trigger("run_all_records");
        progress_dialog* progress = ui.window.port().progress();
        QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(processes_started_from(scratch.model_directory()) > 0, 20000);
        // Cancel alone waits for the run in progress, which never ends by itself.
        QTest::mouseClick(progress->cancel_button(), Qt::LeftButton);
        QTest::qWait(300);
        QVERIFY(ui.window.busy());
        QTest::mouseClick(progress->stop_button(), Qt::LeftButton);
        QVERIFY(finished.wait(30000));
        QCOMPARE(closing, QStringLiteral("Multiple Runs"));
        QCOMPARE(ui.window.document().last_run_set().attempted, 1L);
        QVERIFY(ui.window.document().last_run_set().cancelled);
        QCOMPARE(processes_started_from(scratch.model_directory()), 0);
    }

    void the_run_set_dialog_runs_models_side_by_side()
    {
        ui_scratch scratch(3);
        run_window ui(scratch);
        dialog_answerer answers;
        answers.expect([](QWidget* dialog) {
            auto* jobs = dialog->findChild<QSpinBox*>(QStringLiteral("jobs"));
            QVERIFY(jobs);
            QCOMPARE(jobs->value(), 1);
            jobs->setValue(2);
            static_cast<QDialog*>(dialog)->accept();
        });
        answers.expect([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        QSignalSpy finished(&ui.window, &main_window::job_finished);
        ui.trigger("run_all_records");
        QVERIFY(finished.wait(60000));
        QCOMPARE(ui.window.document().last_run_set().attempted, 3L);
        QCOMPARE(ui.window.document().last_run_set().successful, 3L);
        QCOMPARE(answers.unexpected(), 0);
    }

    void stop_ends_a_hung_single_run()
    {
        ui_scratch scratch(1);
        run_window ui(scratch);
        hanging_model hang;
        dialog_answerer answers;
        QString caption;
        answers.expect([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            static_cast<QDialog*>(dialog)->accept();
        });
        QSignalSpy finished(&ui.window, &main_window::job_finished);
        ui.trigger("run_this_record");
        QTRY_VERIFY_WITH_TIMEOUT(processes_started_from(scratch.model_directory()) > 0, 20000);
        ui.trigger("run_stop");
        QVERIFY(finished.wait(30000));
        QCOMPARE(caption, QStringLiteral("VORN appears to have failed"));
        QCOMPARE(processes_started_from(scratch.model_directory()), 0);
    }

    void closing_during_a_run_stops_it_first()
    {
        ui_scratch scratch(1);
        run_window ui(scratch);
        hanging_model hang;
        dialog_answerer answers;
        answers.expect([](QWidget* dialog) {
            auto* question = static_cast<QDialog*>(dialog);
            const auto buttons = question->findChildren<QPushButton*>();
            for (QPushButton* button : buttons)
                if (button->text().contains(QStringLiteral("Yes")))
                    button->click();
        });
        QSignalSpy finished(&ui.window, &main_window::job_finished);
        ui.trigger("run_this_record");
        QTRY_VERIFY_WITH_TIMEOUT(processes_started_from(scratch.model_directory()) > 0, 20000);
        ui.window.close();
        QVERIFY(finished.wait(30000));
        QTRY_VERIFY(!ui.window.isVisible());
        QCOMPARE(processes_started_from(scratch.model_directory()), 0);
    }
};

} // namespace

QObject* make_run_tests() { return new run_tests; }

} // namespace ivorn::testing

#include "run_qtest.moc"
