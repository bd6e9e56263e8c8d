// View / Chart Output: the current record's series of one output table. The variable chooser
// lists the table's columns under their labels with units, and shows the field help of the one
// picked; the chart follows every change, and can be saved as PNG or SVG, or printed.
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

#include "charts/output_charts.h"
#include "output/output_rows.h"
#include "output/series_sql.h"
#include "shell/doc_i_vorn.h"
#include "ui/output/record_output_window.h"

namespace ivorn {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

class chart_output_window : public record_output_window {
public:
    chart_output_window(const output_view_context& context, QWidget* parent)
        : record_output_window(context, parent, 1100, 640)
    {
        table_ = new QComboBox;
        variables_ = new QListWidget;
        help_ = new QTextEdit;
        help_->setReadOnly(true);
        help_->setMaximumHeight(110);
        subareas_ = new QComboBox;
        subareas_->addItems({tr("Subareas combined"), tr("Each subarea"), tr("One subarea:")});
        subarea_ = new QSpinBox;
        subarea_->setRange(1, 9999);
        auto* save = new QPushButton(tr("&Save..."));
        auto* print = new QPushButton(tr("&Print..."));

        auto* chooser = new QWidget;
        auto* grid = new QGridLayout(chooser);
        grid->addWidget(new QLabel(tr("Table:")), 0, 0);
        grid->addWidget(table_, 0, 1, 1, 2);
        grid->addWidget(new QLabel(tr("Variables:")), 1, 0, 1, 3);
        grid->addWidget(variables_, 2, 0, 1, 3);
        grid->addWidget(help_, 3, 0, 1, 3);
        grid->addWidget(subareas_, 4, 0, 1, 2);
        grid->addWidget(subarea_, 4, 2);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(save);
        buttons->addWidget(print);
        grid->addLayout(buttons, 5, 0, 1, 3);

        view_ = new QChartView;
        view_->setRenderHint(QPainter::Antialiasing);
        auto* splitter = new QSplitter;
        splitter->addWidget(chooser);
        splitter->addWidget(view_);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({300, 800});
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(splitter);

        connect(table_, &QComboBox::currentIndexChanged, this, [this] { fill_variables(); });
        connect(variables_, &QListWidget::itemChanged, this, [this] { redraw(); });
        connect(variables_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) { show_help(item); });
        connect(subareas_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
        connect(subarea_, &QSpinBox::valueChanged, this, [this] { if (subareas_->currentIndex() == 2) redraw(); });
        connect(save, &QPushButton::clicked, this, [this] { save_chart_file(); });
        connect(print, &QPushButton::clicked, this, [this] { print_chart(); });
        follow_current_record();
    }

private:
    void show_record(std::int32_t id) override
    {
        setWindowTitle(tr("Chart Output - record %1").arg(id));
        const QString keep = table_->currentText();
        QSignalBlocker block(table_);
        table_->clear();
        for (const table_description* table : output_tables_with_rows(*context_.doc->db(), id)) {
            if (find_series_layout(table->name))
                table_->addItem(q(table->name));
        }
        const int again = table_->findText(keep);
        table_->setCurrentIndex(again >= 0 ? again : 0);
        fill_variables();
    }

    const series_layout* layout() const { return find_series_layout(table_->currentText().toStdString()); }

    void fill_variables()
    {
        QSignalBlocker block(variables_);
        variables_->clear();
        const series_layout* chosen = layout();
        subareas_->setEnabled(chosen && !chosen->subarea.empty());
        subarea_->setEnabled(chosen && !chosen->subarea.empty());
        if (!chosen) {
            redraw();
            return;
        }
        // A water depth is what most tables are read for first; Area by Field would be a flat line.
        const std::vector<std::string> columns = chosen->value_columns();
        std::string first_choice = columns.empty() ? std::string() : columns.front();
        for (const std::string& column : columns) {
            if (column_unit(*chosen, column) == unit_factor::depth) {
                first_choice = column;
                break;
            }
        }
        int first_row = 0;
        for (const std::string& column : columns) {
            const std::string label = column_label(*context_.doc->db(), *chosen, record_id_, column);
            const std::string unit = unit_text(column_unit(*chosen, column));
            QString text = q(label);
            if (label != column)
                text += " [" + q(column) + "]";
            if (!unit.empty())
                text += " (" + q(unit) + ")";
            auto* item = new QListWidgetItem(text, variables_);
            item->setData(Qt::UserRole, q(column));
            item->setData(Qt::UserRole + 1, q(label));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(column == first_choice ? Qt::Checked : Qt::Unchecked);
            item->setToolTip(help_text(label, column));
            if (column == first_choice)
                first_row = variables_->count() - 1;
        }
        variables_->setCurrentRow(first_row);
        show_help(variables_->currentItem());
        redraw();
    }

    QString help_text(const std::string& label, const std::string& column) const
    {
        std::string text;
        const list_field_help& help = context_.doc->field_help();
        if (help.find_field_help(label, 0, text) || help.find_field_help(column, 0, text))
            return q(text).replace("\r\n", "\n");
        // Without an entry the box still says what the line will mean.
        const series_layout* chosen = layout();
        QString shown = q(label);
        if (chosen) {
            const std::string unit = unit_text(column_unit(*chosen, column));
            if (!unit.empty())
                shown += " (" + q(unit) + ")";
            const std::string combined = combination_text(*chosen, column, true, 2);
            if (!combined.empty())
                shown += tr(": with subareas combined, the %1.").arg(q(combined.substr(0, combined.find(" of "))));
        }
        return shown + "\n" + tr("No entry for this name in %1.").arg(q(field_help_file_name));
    }

    void show_help(QListWidgetItem* item)
    {
        if (!item) {
            help_->clear();
            return;
        }
        help_->setPlainText(help_text(item->data(Qt::UserRole + 1).toString().toStdString(),
                                      item->data(Qt::UserRole).toString().toStdString()));
    }

    void redraw()
    {
        if (!context_.usable())
            return;
        record_series_request request;
        request.record_id = record_id_;
        request.table = table_->currentText().toStdString();
        for (int i = 0; i < variables_->count(); ++i) {
            if (variables_->item(i)->checkState() == Qt::Checked)
                request.columns.push_back(variables_->item(i)->data(Qt::UserRole).toString().toStdString());
        }
        const series_layout* chosen = layout();
        if (chosen && !chosen->subarea.empty()) {
            request.each_subarea = subareas_->currentIndex() == 1;
            if (subareas_->currentIndex() == 2)
                request.subarea = subarea_->value();
        }
        std::string log;
        QChart* chart = nullptr;
        has_data_ = !request.columns.empty() && load_record_chart(*context_.doc->db(), request, data_, log);
        if (has_data_) {
            chart = build_record_chart(data_);
        } else {
            chart = new QChart;
            chart->setTitle(request.columns.empty() ? tr("Tick one or more variables.")
                                                    : q(log).trimmed().replace("\r\n", "\n"));
        }
        QChart* old = view_->chart();
        view_->setChart(chart);
        delete old;
    }

    void save_chart_file()
    {
        if (!has_data_)
            return;
        const QString path = QFileDialog::getSaveFileName(this, tr("Save Chart"), tr("chart.png"),
                                                          tr("PNG image (*.png);;SVG drawing (*.svg)"));
        if (path.isEmpty())
            return;
        // The file gets a chart of its own, drawn at the size shown, by the code `ivorn chart` uses.
        std::string log;
        if (!save_chart(build_record_chart(data_), path, view_->width(), view_->height(), log))
            QMessageBox::warning(this, tr("Save Chart"), q(log).trimmed());
    }

    void print_chart()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        QPainter painter(&printer);
        view_->render(&painter);
    }

    QComboBox* table_ = nullptr;
    QListWidget* variables_ = nullptr;
    QTextEdit* help_ = nullptr;
    QComboBox* subareas_ = nullptr;
    QSpinBox* subarea_ = nullptr;
    QChartView* view_ = nullptr;
    record_chart data_;
    bool has_data_ = false;
};

} // namespace

QWidget* show_chart_output(QWidget* parent, const output_view_context& context)
{
    auto* window = new chart_output_window(context, parent);
    window->show();
    return window;
}

} // namespace ivorn
