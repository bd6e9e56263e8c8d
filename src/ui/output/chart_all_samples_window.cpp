// View / Chart All Samples: one output column over every record that has rows for it, as the
// mean with its min-max range per record, or two columns against each other, one point per
// record. Hovering names a record; clicking it makes it the current record.
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QBoxPlotSeries>
#include <QtCharts/QBoxSet>
#include <QtCharts/QChartView>
#include <QtCharts/QXYSeries>

#include <cmath>

#include "charts/output_charts.h"
#include "shell/doc_i_vorn.h"
#include "ui/output/output_view_context.h"

namespace ivorn {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// A table chooser and the column chooser that follows it.
struct variable_choice {
    QComboBox* table = new QComboBox;
    QComboBox* column = new QComboBox;

    void fill_tables()
    {
        for (const series_layout& layout : series_layouts())
            table->addItem(q(layout.table->name));
    }
    void fill_columns(const char* preferred)
    {
        const QString keep = column->currentText();
        QSignalBlocker block(column);
        column->clear();
        if (const series_layout* layout = find_series_layout(table->currentText().toStdString())) {
            for (const std::string& name : layout->value_columns())
                column->addItem(q(name));
        }
        const int again = column->findText(keep.isEmpty() ? QString(preferred) : keep);
        column->setCurrentIndex(std::max(again, 0));
    }
    summary_request request() const { return {table->currentText().toStdString(), column->currentText().toStdString()}; }
    QString unit() const
    {
        const series_layout* layout = find_series_layout(table->currentText().toStdString());
        return layout ? q(unit_text(column_unit(*layout, column->currentText().toStdString()))) : QString();
    }
    QString title() const
    {
        const QString u = unit();
        return column->currentText() + (u.isEmpty() ? QString() : " (" + u + ")");
    }
};

class chart_all_samples_window : public QWidget {
public:
    chart_all_samples_window(const output_view_context& context, QWidget* parent) : QWidget(parent), context_(context)
    {
        setWindowFlag(Qt::Window);
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(tr("Chart All Samples"));
        resize(1000, 620);
        mode_ = new QComboBox;
        mode_->addItems({tr("One variable: mean and range per record"), tr("Two variables: one point per record")});
        first_.fill_tables();
        second_.fill_tables();
        first_.table->setCurrentText("Annual Watershed Output");
        second_.table->setCurrentText("Crop Yield Output");
        first_.fill_columns("Prcp");
        second_.fill_columns("Grain Yield");
        status_ = new QLabel;
        auto* grid = new QGridLayout;
        grid->addWidget(new QLabel(tr("Chart:")), 0, 0);
        grid->addWidget(mode_, 0, 1, 1, 2);
        x_label_ = new QLabel;
        grid->addWidget(x_label_, 1, 0);
        grid->addWidget(first_.table, 1, 1);
        grid->addWidget(first_.column, 1, 2);
        y_label_ = new QLabel(tr("Y:"));
        grid->addWidget(y_label_, 2, 0);
        grid->addWidget(second_.table, 2, 1);
        grid->addWidget(second_.column, 2, 2);
        grid->setColumnStretch(2, 1);
        view_ = new QChartView;
        view_->setRenderHint(QPainter::Antialiasing);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addWidget(view_, 1);
        layout->addWidget(status_);
        for (variable_choice* choice : {&first_, &second_}) {
            connect(choice->table, &QComboBox::currentIndexChanged, this, [this, choice] {
                choice->fill_columns("");
                redraw();
            });
            connect(choice->column, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
        }
        connect(mode_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
        redraw();
    }

private:
    bool xy() const { return mode_->currentIndex() == 1; }

    void redraw()
    {
        x_label_->setText(xy() ? tr("X:") : tr("Variable:"));
        y_label_->setVisible(xy());
        second_.table->setVisible(xy());
        second_.column->setVisible(xy());
        if (!context_.usable())
            return;
        database& db = *context_.doc->db();
        std::string log;
        std::vector<record_summary> second;
        QChart* chart = nullptr;
        ids_.clear();
        if (summarize_records(db, first_.request(), summaries_, log) &&
            (!xy() || summarize_records(db, second_.request(), second, log))) {
            if (xy()) {
                chart = build_xy_chart(summaries_, second, first_.title(), second_.title(), ids_);
            } else {
                chart = build_samples_chart(summaries_, first_.column->currentText(), first_.unit());
                for (const record_summary& s : summaries_)
                    ids_.push_back(s.id);
            }
            status_->setText(tr("Point at a record to see its figures; click it to make it the current record."));
        } else {
            summaries_.clear();
            chart = new QChart;
            chart->setTitle(q(log).trimmed().replace("\r\n", "\n"));
            status_->clear();
        }
        if (xy())
            xy_points_.clear();
        for (QAbstractSeries* series : chart->series())
            connect_series(series);
        QChart* old = view_->chart();
        view_->setChart(chart);
        delete old;
    }

    void connect_series(QAbstractSeries* series)
    {
        if (auto* xy_series = qobject_cast<QXYSeries*>(series)) {
            if (xy())
                xy_points_ = xy_series->points();
            connect(xy_series, &QXYSeries::clicked, this, [this](const QPointF& p) { pick(p, true); });
            connect(xy_series, &QXYSeries::hovered, this, [this](const QPointF& p, bool on) { if (on) pick(p, false); });
        } else if (auto* area = qobject_cast<QAreaSeries*>(series)) {
            connect(area, &QAreaSeries::clicked, this, [this](const QPointF& p) { pick(p, true); });
        } else if (auto* boxes = qobject_cast<QBoxPlotSeries*>(series)) {
            // A box's place among the boxes is its record's place in the summaries.
            const auto position = [boxes](QBoxSet* set) { return QPointF(boxes->boxSets().indexOf(set), 0); };
            connect(boxes, &QBoxPlotSeries::clicked, this, [this, position](QBoxSet* set) { pick(position(set), true); });
            connect(boxes, &QBoxPlotSeries::hovered, this, [this, position](bool on, QBoxSet* set) {
                if (on)
                    pick(position(set), false);
            });
        }
    }

    // The record under a point: by position along the x axis, or the nearest point of the x-y chart.
    int record_at(const QPointF& p) const
    {
        if (!xy()) {
            const long index = std::lround(p.x());
            return index >= 0 && static_cast<size_t>(index) < ids_.size() ? static_cast<int>(index) : -1;
        }
        int best = -1;
        double distance = HUGE_VAL;
        for (int i = 0; i < xy_points_.size(); ++i) {
            const double d = std::hypot(xy_points_[i].x() - p.x(), xy_points_[i].y() - p.y());
            if (d < distance) {
                distance = d;
                best = i;
            }
        }
        return best;
    }

    void pick(const QPointF& p, bool make_current)
    {
        const int index = record_at(p);
        if (index < 0 || static_cast<size_t>(index) >= ids_.size())
            return;
        const std::int32_t id = ids_[static_cast<size_t>(index)];
        QString text = tr("Record %1").arg(id);
        for (const record_summary& s : summaries_) {
            if (s.id != id)
                continue;
            text += ": " + q(s.description) +
                    tr("\n%1 mean %2, min %3, max %4 (%5 values)")
                        .arg(first_.column->currentText())
                        .arg(s.values.mean, 0, 'g', 5)
                        .arg(s.values.min, 0, 'g', 5)
                        .arg(s.values.max, 0, 'g', 5)
                        .arg(s.values.n);
        }
        if (!make_current) {
            QToolTip::showText(QCursor::pos(), text, view_);
            return;
        }
        status_->setText(tr("Record %1 is the current record.").arg(id));
        if (context_.make_current)
            context_.make_current(id);
    }

    output_view_context context_;
    QComboBox* mode_ = nullptr;
    variable_choice first_, second_;
    QLabel* x_label_ = nullptr;
    QLabel* y_label_ = nullptr;
    QLabel* status_ = nullptr;
    QChartView* view_ = nullptr;
    std::vector<record_summary> summaries_;
    QList<QPointF> xy_points_;
    std::vector<std::int32_t> ids_;
};

} // namespace

QWidget* show_chart_all_samples(QWidget* parent, const output_view_context& context)
{
    auto* window = new chart_all_samples_window(context, parent);
    window->show();
    return window;
}

} // namespace ivorn
