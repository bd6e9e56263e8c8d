// `ivorn compare` and `ivorn chart`: the per-record summary of an output column, and Chart Output
// rendered into a file without a display.
#include <iostream>

#include "cli/commands.h"
#include "core/text_utils.h"
#include "output/record_series.h"
#include "output/record_summary.h"
#include "shell/project_database.h"
#include "store/csv_export.h"

#ifdef IVORN_WITH_CHARTS
#include <QApplication>

#include "charts/output_charts.h"
#endif

namespace ivorn {

namespace {

int failed(const std::string& log)
{
    print_log(log);
    return exit_failed;
}

std::string number(double value, bool csv) { return format_printf(csv ? "%.9g" : "%.4g", value); }

std::string summary_line(const std::string& head, long long records, const value_summary& v, bool csv,
                         const std::string& tail)
{
    if (csv) {
        std::string line = head + (records >= 0 ? "," + std::to_string(records) : "");
        line += "," + std::to_string(v.n);
        for (const double value : {v.mean, v.min, v.max, v.std})
            line += "," + number(value, true);
        return line + (tail.empty() ? "" : "," + tail);
    }
    std::string line = format_printf("%-12s", head.c_str());
    if (records >= 0)
        line += format_printf(" %8lld", records);
    line += format_printf(" %8lld", v.n);
    for (const double value : {v.mean, v.min, v.max, v.std})
        line += format_printf(" %12s", number(value, false).c_str());
    return line + (tail.empty() ? "" : "  " + tail);
}

int print_by_factor(database& db, const summary_request& request, const compare_options& options)
{
    std::vector<level_summary> levels;
    std::string log;
    if (!summarize_by_factor(db, request, *options.by, levels, log))
        return failed(log);
    const bool csv = options.format == "csv";
    std::cout << (csv ? csv_field(*options.by) + ",records,n,mean,min,max,std"
                      : format_printf("%-12s %8s %8s %12s %12s %12s %12s", one_line(*options.by).c_str(), "records",
                                      "n", "mean", "min", "max", "std"))
              << '\n';
    for (const level_summary& level : levels)
        std::cout << summary_line(csv ? csv_field(level.level) : one_line(level.level), level.records, level.values,
                                  csv, "")
                  << '\n';
    return exit_ok;
}

} // namespace

int command_compare(cli_session&, const compare_options& options)
{
    database db;
    std::string log;
    if (!open_project_database(db, options.db_path, log))
        return failed(log);
    summary_request request{options.table, options.column};
    if (options.records && !read_id_range(*options.records, request.first_id, request.last_id)) {
        print_log("--records takes A-B, two record IDs with A not above B, e.g. 1-40");
        return exit_usage;
    }
    if (options.by)
        return print_by_factor(db, request, options);
    std::vector<record_summary> summaries;
    if (!summarize_records(db, request, summaries, log))
        return failed(log);
    const bool csv = options.format == "csv";
    std::cout << (csv ? "ID,n,mean,min,max,std,Description"
                      : format_printf("%-12s %8s %12s %12s %12s %12s  %s", "ID", "n", "mean", "min", "max", "std",
                                      "Description"))
              << '\n';
    for (const record_summary& s : summaries) {
        const std::string description = csv ? csv_field(s.description) : one_line(s.description);
        std::cout << summary_line(std::to_string(s.id), -1, s.values, csv, csv && description.empty() ? "" : description)
                  << (csv && description.empty() ? "," : "") << '\n';
    }
    return exit_ok;
}

int command_chart(cli_session&, const chart_options& options)
{
#ifdef IVORN_WITH_CHARTS
    database db;
    std::string log;
    if (!open_project_database(db, options.db_path, log))
        return failed(log);
    record_series_request request{options.record_id, options.table, options.columns, options.subarea,
                                  options.all_subareas};
    record_chart data;
    if (!load_record_chart(db, request, data, log))
        return failed(log);
    // Charts are drawn by widgets; without a display they draw on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes about what it lacks are no news to a script.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << text.toStdString() << '\n';
    });
    int argc = 1;
    char name[] = "ivorn";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    if (!save_chart(build_record_chart(data), QString::fromStdString(options.out), options.width, options.height, log))
        return failed(log);
    std::cout << "Chart written to " << options.out << '\n';
    return exit_ok;
#else
    (void)options;
    print_log("This ivorn was built without the desktop app's libraries (IVORN_BUILD_GUI=OFF) and cannot draw charts.");
    return exit_failed;
#endif
}

} // namespace ivorn
