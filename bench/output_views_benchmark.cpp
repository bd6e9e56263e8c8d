// Times the output charts on generated outputs: Chart Output of a record with 100 subareas over
// 100 years (combined, and a line per subarea), and Chart All Samples over 10 000 records, each
// from its query to the painted chart: i_vorn_output_views_benchmark [RECORDS].
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtCharts/QChartView>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

#include "bench_support.h"
#include "charts/output_charts.h"
#include "shell/project_database.h"

using namespace ivorn;

namespace {

bool fill(database& db, int records)
{
    std::string log;
    if (!db.execute("BEGIN", log))
        return false;
    cached_statement yearly =
        db.statement("INSERT INTO \"Yearly Output\" (\"Select Id\", \"Farm Id\", \"Subarea\", \"Year\", \"Area by Field\", "
                     "\"Prcp\", \"Q\", \"Tmx\") VALUES (1, 1, ?1, ?2, ?3, ?4, ?5, ?6)");
    for (int s = 1; s <= 100; ++s) {
        for (int y = 1; y <= 100; ++y) {
            sqlite3_bind_int(yearly.get(), 1, s);
            sqlite3_bind_int(yearly.get(), 2, 1990 + y);
            sqlite3_bind_double(yearly.get(), 3, 1 + s % 7);
            sqlite3_bind_double(yearly.get(), 4, 600 + (s * 37 + y * 11) % 300);
            sqlite3_bind_double(yearly.get(), 5, 40 + (s * 13 + y * 29) % 90);
            sqlite3_bind_double(yearly.get(), 6, 12 + (y % 9));
            sqlite3_step(yearly.get());
            sqlite3_reset(yearly.get());
        }
    }
    cached_statement watershed =
        db.statement("INSERT INTO \"Annual Watershed Output\" (Id, Year, Prcp, Q) VALUES (?1, ?2, ?3, ?4)");
    for (int r = 1; r <= records; ++r) {
        for (int y = 1; y <= 10; ++y) {
            sqlite3_bind_int(watershed.get(), 1, r);
            sqlite3_bind_int(watershed.get(), 2, 2000 + y);
            sqlite3_bind_double(watershed.get(), 3, 500 + (r * 31 + y * 17) % 400);
            sqlite3_bind_double(watershed.get(), 4, 30 + (r * 7 + y * 3) % 80);
            sqlite3_step(watershed.get());
            sqlite3_reset(watershed.get());
        }
    }
    return db.execute("COMMIT", log);
}

// Paints the chart once, as a window showing it would.
void draw(QChart* chart)
{
    QChartView view(chart);
    view.resize(900, 600);
    QImage image(900, 600, QImage::Format_ARGB32);
    QPainter painter(&image);
    view.render(&painter);
}

void record_chart_step(database& db, bool each_subarea)
{
    record_chart data;
    std::string log;
    if (!load_record_chart(db, {1, "Yearly Output", {"Prcp", "Q"}, std::nullopt, each_subarea}, data, log))
        std::fprintf(stderr, "%s", log.c_str());
    draw(build_record_chart(data));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    const std::string path = dir.filePath("outputs.mdb").toStdString();
    std::string log;
    database db;
    if (!create_project_database(path, log) || !open_project_database(db, path, log) || !fill(db, records)) {
        std::fprintf(stderr, "%s", log.c_str());
        return 1;
    }
    std::printf("Chart Output, 100 subareas x 100 years; Chart All Samples, %d records x 10 years\n", records);
    bench::timed("Chart Output, subareas combined (2 columns)", [&] { record_chart_step(db, false); });
    bench::timed("Chart Output, a line per subarea (200 lines)", [&] { record_chart_step(db, true); });
    bench::timed("  of which the summary query", [&] {
        std::vector<record_summary> summaries;
        summarize_records(db, {"Annual Watershed Output", "Prcp"}, summaries, log);
    });
    bench::timed("Chart All Samples, mean and range", [&] {
        std::vector<record_summary> summaries;
        summarize_records(db, {"Annual Watershed Output", "Prcp"}, summaries, log);
        draw(build_samples_chart(summaries, "Prcp", "mm"));
    });
    std::vector<record_summary> x, y;
    summarize_records(db, {"Annual Watershed Output", "Prcp"}, x, log);
    summarize_records(db, {"Annual Watershed Output", "Q"}, y, log);
    bench::timed("  of which the painting", [&] {
        std::vector<std::int32_t> ids;
        draw(build_xy_chart(x, y, "Prcp (mm)", "Q (mm)", ids));
    });
    bench::timed("Chart All Samples, two variables", [&] {
        std::vector<record_summary> x, y;
        std::vector<std::int32_t> ids;
        summarize_records(db, {"Annual Watershed Output", "Prcp"}, x, log);
        summarize_records(db, {"Annual Watershed Output", "Q"}, y, log);
        draw(build_xy_chart(x, y, "Prcp (mm)", "Q (mm)", ids));
    });
    return 0;
}
