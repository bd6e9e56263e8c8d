// The desktop app over N control records (default 100 000), offscreen: File / Open with the
// complete list until the first record is painted, then record moves each until the form and the
// table have repainted. Prints the time of each step; run with QT_QPA_PLATFORM=offscreen.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "control_record_fill.h"
#include "views/form_view.h"
#include "views/record_table_view.h"

namespace {

double milliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

// CPU time of the process: on a machine shared with other work, wall time says more about the
// neighbours than about the window.
double cpu_milliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Paints what the move changed now rather than at the next turn of the event loop.
void repaint(ivorn::main_window& window)
{
    window.form()->repaint();
    window.table()->viewport()->repaint();
}

void moves(ivorn::main_window& window, const char* name, int count)
{
    QAction* action = window.action(QString::fromLatin1(name));
    std::vector<double> times;
    std::vector<double> cpu;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpu_start = cpu_milliseconds();
        action->trigger();
        repaint(window);
        times.push_back(milliseconds(timer));
        cpu.push_back(cpu_milliseconds() - cpu_start);
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    std::printf("%-24s x%-4d mean %8.2f ms  median %8.2f ms  max %8.2f ms  (CPU median %.2f ms, max %.2f ms)\n",
                name, count, sum / count, times[times.size() / 2], times.back(), cpu[cpu.size() / 2], cpu.back());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const long records = argc > 1 ? std::atol(argv[1]) : 100000;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir scratch;
    const QString database = scratch.filePath(QStringLiteral("view_benchmark.mdb"));
    const QString settings = scratch.filePath(QStringLiteral("settings.ini"));
    QElapsedTimer filling;
    filling.start();
    if (!ivorn::bench::fill_control_records(database.toStdString(), records)) {
        std::fprintf(stderr, "cannot fill %s\n", qPrintable(database));
        return 1;
    }
    QSettings(settings, QSettings::IniFormat).setValue(QStringLiteral("Settings/RecordList"), 1);
    ivorn::app_i_vorn app(settings.toStdString());
    ivorn::main_window window(app);
    window.resize(1100, 640);
    window.show();
    QCoreApplication::processEvents();
    // A message the benchmark did not expect would wait for a click forever; it is counted instead.
    int dismissed = 0;
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++dismissed;
            dialog->accept();
        }
    });
    dismiss.start(50);
    std::printf("%ld control records (filled in %.0f ms), RecordList on\n", records, milliseconds(filling));

    QElapsedTimer timer;
    timer.start();
    const double cpu_start = cpu_milliseconds();
    window.open_database(database);
    repaint(window);
    std::printf("%-24s %8.2f ms  (CPU %.2f ms; %s)\n", "open to first record", milliseconds(timer),
                cpu_milliseconds() - cpu_start, qPrintable(window.form()->position->text()));
    moves(window, "record_next", 200);
    moves(window, "record_previous", 100);
    moves(window, "record_last", 5);
    moves(window, "record_first", 5);
    timer.restart();
    window.table()->scrollToBottom();
    window.table()->viewport()->repaint();
    std::printf("%-24s %8.2f ms\n", "scroll table to end", milliseconds(timer));
    std::printf("dialogs dismissed: %d\n", dismissed);
    return 0;
}
