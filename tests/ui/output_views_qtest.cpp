// The output views: a chart rendered to PNG at the size asked and not blank, an SVG, the Table
// Output model's count, sort and filter over 200 000 stored rows, and the View commands opening
// their windows over a record without outputs.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include "app/main_window.h"
#include "charts/output_charts.h"
#include "output/output_tables.h"
#include "shell/project_database.h"
#include "ui/output/output_rows_model.h"
#include "ui/widget_test_support.h"
#include "ui/widget_tests.h"

namespace ivorn::testing {
namespace {

record_chart two_series()
{
    record_chart data;
    data.title = "Yearly Output, record 1";
    data.x_title = "Year";
    data.y_title = "mm";
    data.series = {{"Prcp (area-weighted mean of 2 subareas)", "Prcp", {{1, 700}, {2, 820}, {3, 640}}},
                   {"Q (area-weighted mean of 2 subareas)", "Q", {{1, 80}, {2, 95}, {3, 61}}}};
    return data;
}

class output_view_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chart_files_have_the_size_asked_and_show_something()
    {
        QTemporaryDir dir;
        std::string log;
        const QString png = dir.filePath("chart.png");
        QVERIFY2(save_chart(build_record_chart(two_series()), png, 640, 360, log), log.c_str());
        const QImage image(png);
        QCOMPARE(image.size(), QSize(640, 360));
        const QRgb background = image.pixel(0, 0);
        int differing = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                differing += image.pixel(x, y) != background;
        QVERIFY(differing > 200);

        const QString svg = dir.filePath("chart.svg");
        QVERIFY2(save_chart(build_record_chart(two_series()), svg, 640, 360, log), log.c_str());
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("<svg") && text.contains("Prcp"));

        QVERIFY(!save_chart(build_record_chart(two_series()), dir.filePath("chart.gif"), 640, 360, log));
        QVERIFY(log.find("must end in .png or .svg") != std::string::npos);
    }

    void table_output_model_counts_sorts_and_filters_a_large_table()
    {
        QTemporaryDir dir;
        std::string log;
        const std::string path = dir.filePath("big.mdb").toStdString();
        QVERIFY(create_project_database(path, log));
        database db;
        QVERIFY(open_project_database(db, path, log));
        QVERIFY(db.execute("BEGIN", log));
        cached_statement insert = db.statement("INSERT INTO \"Residue Output\" VALUES (?1, 1, ?2, ?3, ?4)");
        for (int i = 0; i < 200000; ++i) {
            sqlite3_bind_int(insert.get(), 1, i % 50 == 0 ? 2 : 1); // every 50th row belongs to record 2
            sqlite3_bind_int(insert.get(), 2, 1 + i / 12);
            sqlite3_bind_int(insert.get(), 3, 1 + i % 12);
            sqlite3_bind_double(insert.get(), 4, (i * 7919 % 200000) / 10.0);
            QCOMPARE(sqlite3_step(insert.get()), SQLITE_DONE);
            sqlite3_reset(insert.get());
        }
        QVERIFY(db.execute("COMMIT", log));

        output_rows_model model(db, residue_output_table(), 1);
        QCOMPARE(model.rowCount(), 196000);
        QCOMPARE(model.columnCount(), 5);
        QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("Rsd"));
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("1"));
        model.sort(4, Qt::DescendingOrder);
        QCOMPARE(model.rowCount(), 196000);
        QCOMPARE(model.index(0, 4).data().toString(), QStringLiteral("19999.9"));
        model.sort(4, Qt::AscendingOrder);
        QCOMPARE(model.index(0, 4).data().toString(), QStringLiteral("0.1"));
        QVERIFY(model.index(1, 4).data().toString().toDouble() >= 0.1);
        model.set_filter(QStringLiteral("19999.9"), 4);
        QCOMPARE(model.rowCount(), 1);
    }

    void view_commands_open_their_windows_for_a_record_without_outputs()
    {
        ui_scratch scratch(2);
        app_i_vorn app(scratch.settings_file());
        main_window window(with_variables(app));
        window.show();
        QVERIFY(window.open_database(scratch.database()));
        for (const char* name : {"view_table_output", "view_chart_output", "view_chart_all_samples"})
            window.action(QString::fromLatin1(name))->trigger();
        QStringList titles;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget != &window)
                titles << widget->windowTitle();
        }
        titles.sort();
        QCOMPARE(titles, QStringList({"Chart All Samples", "Chart Output - record 1", "Table Output - record 1"}));
    }
};

} // namespace

QObject* make_output_view_tests() { return new output_view_tests; }

} // namespace ivorn::testing

#include "output_views_qtest.moc"
