// Chart building and image output. Axes get whole-year ticks, the legend says how subareas were
// combined; a chart with more series than a legend can show names them in its title instead.
#include "charts/output_charts.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBoxPlotSeries>
#include <QtCharts/QBoxSet>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>

namespace ivorn {

namespace {

constexpr int legend_limit = 16;
constexpr size_t box_limit = 300;
constexpr size_t described_limit = 12;

QString q(const std::string& text) { return QString::fromStdString(text); }

// Ticks on whole numbers (years, record positions), at most about ten of them.
void whole_number_ticks(QValueAxis* axis, double low, double high)
{
    const double first = std::floor(low);
    const double last = std::max(std::ceil(high), first + 1);
    double interval = 1;
    for (const double step : {1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0}) {
        interval = step;
        if ((last - first) / step <= 10)
            break;
    }
    axis->setRange(first, last);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(first);
    axis->setTickInterval(interval);
    axis->setLabelFormat("%.0f");
}

QValueAxis* value_axis(const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat("%.4g");
    return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void pad_range(QValueAxis* axis, double low, double high)
{
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    const double pad = (high - low) * 0.05;
    // Amounts that cannot be negative keep zero as the axis' floor.
    axis->setRange(low >= 0 && low - pad < 0 ? 0.0 : low - pad, high + pad);
    axis->applyNiceNumbers();
}

} // namespace

QChart* build_record_chart(const record_chart& data)
{
    auto* chart = new QChart;
    chart->setTitle(q(data.title));
    auto* x = value_axis(q(data.x_title));
    auto* y = value_axis(q(data.y_title));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    double x_low = HUGE_VAL, x_high = -HUGE_VAL, y_low = HUGE_VAL, y_high = -HUGE_VAL;
    for (const chart_series& series : data.series) {
        auto* line = new QLineSeries;
        line->setName(q(series.name));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(series.points.size()));
        for (const series_point& p : series.points) {
            points.append(QPointF(p.x, p.y));
            x_low = std::min(x_low, p.x);
            x_high = std::max(x_high, p.x);
            y_low = std::min(y_low, p.y);
            y_high = std::max(y_high, p.y);
        }
        line->replace(points);
        // A single year is a point, not a line.
        line->setPointsVisible(points.size() < 2);
        attach(chart, line, x, y);
    }
    if (x_low > x_high)
        x_low = x_high = 0;
    whole_number_ticks(x, x_low, x_high);
    pad_range(y, std::min(y_low, 0.0), y_high > y_low ? y_high : y_low);
    if (data.series.size() > legend_limit) {
        chart->legend()->hide();
        chart->setTitle(q(data.title) + QString(" (%1 series)").arg(data.series.size()));
    } else {
        chart->legend()->setAlignment(Qt::AlignBottom);
    }
    return chart;
}

namespace {

// Few records: a box per record, named by its ID, so no line joins one record to the next.
QChart* samples_as_boxes(const std::vector<record_summary>& summaries, const QString& axis_title)
{
    auto* chart = new QChart;
    auto* boxes = new QBoxPlotSeries;
    boxes->setName("box: mean \u00b1 std, whiskers: min and max over the stored years");
    QStringList ids;
    double y_low = HUGE_VAL, y_high = -HUGE_VAL;
    for (const record_summary& s : summaries) {
        const value_summary& v = s.values;
        auto* set = new QBoxSet(v.min, std::max(v.min, v.mean - v.std), v.mean, std::min(v.max, v.mean + v.std), v.max,
                                QString::number(s.id));
        boxes->append(set);
        // A handful of records have room for their descriptions under their IDs.
        QString label = QString::number(s.id);
        if (summaries.size() <= described_limit && !s.description.empty())
            label += "\n" + q(s.description).left(18);
        ids << label;
        y_low = std::min(y_low, v.min);
        y_high = std::max(y_high, v.max);
    }
    chart->addSeries(boxes);
    auto* x = new QBarCategoryAxis;
    x->append(ids);
    x->setTitleText(summaries.size() <= described_limit ? "Record" : "Record ID");
    auto* y = value_axis(axis_title);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    boxes->attachAxis(x);
    boxes->attachAxis(y);
    pad_range(y, y_low, y_high);
    return chart;
}

// Many records: the min-max range as a band along the records in ID order, the means as points.
QChart* samples_as_band(const std::vector<record_summary>& summaries, const QString& axis_title)
{
    auto* chart = new QChart;
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    // Thousands of markers take seconds to paint; a line through the means reads as well here.
    auto* mean = new QLineSeries;
    QList<QPointF> highs, lows, means;
    double y_low = HUGE_VAL, y_high = -HUGE_VAL;
    for (size_t i = 0; i < summaries.size(); ++i) {
        const value_summary& v = summaries[i].values;
        highs.append(QPointF(static_cast<double>(i), v.max));
        lows.append(QPointF(static_cast<double>(i), v.min));
        means.append(QPointF(static_cast<double>(i), v.mean));
        y_low = std::min(y_low, v.min);
        y_high = std::max(y_high, v.max);
    }
    upper->replace(highs);
    lower->replace(lows);
    mean->replace(means);
    auto* band = new QAreaSeries(upper, lower);
    band->setName("min to max over the stored years");
    band->setColor(QColor(120, 160, 220, 110));
    band->setBorderColor(QColor(90, 130, 200));
    mean->setName("mean");
    mean->setColor(QColor(200, 60, 40));
    auto* x = value_axis("Record (position in ID order)");
    whole_number_ticks(x, 0, static_cast<double>(summaries.size()));
    auto* y = value_axis(axis_title);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, band, x, y);
    attach(chart, mean, x, y);
    x->setRange(-0.5, static_cast<double>(summaries.size()) - 0.5);
    pad_range(y, y_low, y_high);
    return chart;
}

} // namespace

QChart* build_samples_chart(const std::vector<record_summary>& summaries, const QString& variable, const QString& unit)
{
    const QString axis_title = unit.isEmpty() ? variable : variable + " (" + unit + ")";
    QChart* chart = summaries.size() <= box_limit ? samples_as_boxes(summaries, axis_title)
                                                  : samples_as_band(summaries, axis_title);
    chart->setTitle(variable + QString(" over %1 records").arg(summaries.size()));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart* build_xy_chart(const std::vector<record_summary>& x_values, const std::vector<record_summary>& y_values,
                       const QString& x_title, const QString& y_title, std::vector<std::int32_t>& ids)
{
    std::map<std::int32_t, double> y_of;
    for (const record_summary& s : y_values)
        y_of[s.id] = s.values.mean;
    auto* chart = new QChart;
    auto* points = new QScatterSeries;
    points->setName("one point per record (means over the stored years)");
    points->setMarkerSize(x_values.size() > 200 ? 5 : 9);
    if (x_values.size() > 1000)
        points->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    QList<QPointF> list;
    ids.clear();
    double x_low = HUGE_VAL, x_high = -HUGE_VAL, y_low = HUGE_VAL, y_high = -HUGE_VAL;
    for (const record_summary& s : x_values) {
        const auto found = y_of.find(s.id);
        if (found == y_of.end())
            continue;
        list.append(QPointF(s.values.mean, found->second));
        ids.push_back(s.id);
        x_low = std::min(x_low, s.values.mean);
        x_high = std::max(x_high, s.values.mean);
        y_low = std::min(y_low, found->second);
        y_high = std::max(y_high, found->second);
    }
    points->replace(list);
    chart->setTitle(y_title + " against " + x_title + QString(", %1 records").arg(list.size()));
    auto* x = value_axis(x_title);
    auto* y = value_axis(y_title);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, points, x, y);
    if (list.isEmpty())
        x_low = x_high = y_low = y_high = 0;
    pad_range(x, x_low, x_high);
    pad_range(y, y_low, y_high);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

bool save_chart(QChart* chart, const QString& path, int width, int height, std::string& log)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != "png" && suffix != "svg") {
        delete chart;
        log += "The chart file must end in .png or .svg: " + path.toStdString() + "\r\n";
        return false;
    }
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(width, height);
    view.show();
    QApplication::processEvents();
    bool saved = false;
    if (suffix == "png") {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view.render(&painter);
        painter.end();
        saved = image.save(path, "PNG");
    } else {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setTitle(chart->title());
        QPainter painter;
        saved = painter.begin(&generator);
        if (saved) {
            view.render(&painter);
            saved = painter.end();
        }
    }
    if (!saved)
        log += "Unable to write the chart file " + path.toStdString() + "\r\n";
    return saved;
}

} // namespace ivorn
