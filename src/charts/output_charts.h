// The Qt Charts drawn from the output tables, built in one place for the desktop app's chart
// windows and for `ivorn chart`: a record's series over time, every record's summary of one
// column, and two columns against each other, one point per record.
#pragma once

#include <QString>
#include <QtCharts/QChart>

#include <string>
#include <vector>

#include "output/record_series.h"
#include "output/record_summary.h"

namespace ivorn {

// A line chart of the series; the caller owns it.
QChart* build_record_chart(const record_chart& data);

// Per record, in ID order along the x axis: a box (mean and std, whiskers at min and max) for
// up to a few hundred records, else the min-max range as a band with the means as points. The x
// position of a record is its index in `summaries` either way.
QChart* build_samples_chart(const std::vector<record_summary>& summaries, const QString& variable,
                            const QString& unit);

// One point per record present in both: x from the first summary's mean, y from the second's.
// `ids` gets the record of each point, in point order.
QChart* build_xy_chart(const std::vector<record_summary>& x, const std::vector<record_summary>& y,
                       const QString& x_title, const QString& y_title, std::vector<std::int32_t>& ids);

// Renders the chart at this size into a PNG or SVG file, chosen by the file's extension. Needs a
// QApplication (the offscreen platform will do). The chart is handed to a view that owns it.
bool save_chart(QChart* chart, const QString& path, int width, int height, std::string& log);

} // namespace ivorn
