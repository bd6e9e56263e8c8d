// View / Table Output: a tab per output table holding rows of the current record, each a lazy
// sortable table with a filter, copy of the selection as tab-separated text and CSV export of
// the rows shown, written as `ivorn export` writes a table.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <fstream>
#include <functional>
#include <set>

#include "output/output_rows.h"
#include "shell/doc_i_vorn.h"
#include "store/csv_export.h"
#include "ui/output/output_rows_model.h"
#include "ui/output/output_view_context.h"
#include "ui/output/record_output_window.h"

namespace ivorn {

namespace {

// One table's page: filter bar, the table, copy and export.
class table_output_page : public QWidget {
public:
    table_output_page(database& db, const table_description& table, std::int32_t record_id,
                      const output_view_context& context, QWidget* parent)
        : QWidget(parent)
    {
        model_ = new output_rows_model(db, table, record_id, this);
        model_->set_blocked([context] { return !context.usable(); });
        usable_ = [context] { return context.usable(); };
        auto* filter = new QLineEdit;
        filter->setPlaceholderText(tr("Filter: text the row must contain"));
        filter->setClearButtonEnabled(true);
        auto* column = new QComboBox;
        column->addItem(tr("Any column"));
        for (const column_description& c : table.columns)
            column->addItem(QString::fromStdString(c.name));
        auto apply = [this, filter, column] { model_->set_filter(filter->text(), column->currentIndex() - 1); update_count(); };
        connect(filter, &QLineEdit::returnPressed, this, apply);
        connect(column, &QComboBox::currentIndexChanged, this, apply);
        auto* copy = new QPushButton(tr("&Copy"));
        auto* export_csv = new QPushButton(tr("&Export CSV..."));
        count_ = new QLabel;
        auto* bar = new QHBoxLayout;
        bar->addWidget(filter, 1);
        bar->addWidget(column);
        bar->addWidget(count_);
        bar->addWidget(copy);
        bar->addWidget(export_csv);

        view_ = new QTableView;
        view_->setModel(model_);
        // No indicator before sorting is enabled: enabling sorts by it, and the stored order is
        // what a table first shows.
        view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        view_->setSortingEnabled(true);
        view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
        view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view_->setWordWrap(false);
        view_->horizontalHeader()->setDefaultSectionSize(96);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(bar);
        layout->addWidget(view_);
        connect(copy, &QPushButton::clicked, this, [this] { copy_selection(); });
        connect(export_csv, &QPushButton::clicked, this, [this] { export_rows(); });
        auto* shortcut = new QShortcut(QKeySequence::Copy, view_);
        connect(shortcut, &QShortcut::activated, this, [this] { copy_selection(); });
        update_count();
    }

    output_rows_model* model() const { return model_; }

private:
    void update_count() { count_->setText(model_->rowCount() == 1 ? tr("1 row") : tr("%1 rows").arg(model_->rowCount())); }

    void copy_selection()
    {
        const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
        if (selected.isEmpty())
            return;
        std::set<int> rows, columns;
        for (const QModelIndex& index : selected) {
            rows.insert(index.row());
            columns.insert(index.column());
        }
        QString text;
        for (const int r : rows) {
            QStringList cells;
            for (const int c : columns)
                cells << (view_->selectionModel()->isSelected(model_->index(r, c)) ? model_->index(r, c).data().toString()
                                                                                  : QString());
            text += cells.join('\t') + '\n';
        }
        QApplication::clipboard()->setText(text);
    }

    void export_rows()
    {
        if (!usable_()) {
            QMessageBox::information(this, tr("Export CSV"), tr("A run is using the database; export when it has ended."));
            return;
        }
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Export CSV"), QString::fromStdString(model_->table().name) + ".csv", tr("CSV files (*.csv)"));
        if (path.isEmpty())
            return;
        std::ofstream out(path.toStdString(), std::ios::binary);
        write_csv_header(out, model_->table());
        for (int r = 0; r < model_->rowCount() && out; ++r) {
            const std::vector<field_value>* values = model_->row(r);
            if (!values) {
                QMessageBox::warning(this, tr("Export CSV"),
                                     tr("Unable to read row %1; %2 holds the %3 rows before it.").arg(r + 1).arg(path).arg(r));
                return;
            }
            write_csv_row(out, *values);
        }
        if (!out)
            QMessageBox::warning(this, tr("Export CSV"), tr("Unable to write %1").arg(path));
    }

    output_rows_model* model_ = nullptr;
    std::function<bool()> usable_;
    QTableView* view_ = nullptr;
    QLabel* count_ = nullptr;
};

class table_output_window : public record_output_window {
public:
    table_output_window(const output_view_context& context, QWidget* parent)
        : record_output_window(context, parent, 960, 560)
    {
        tabs_ = new QTabWidget;
        empty_ = new QLabel;
        empty_->setAlignment(Qt::AlignCenter);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(tabs_);
        layout->addWidget(empty_);
        follow_current_record();
    }

private:
    void show_record(std::int32_t id) override
    {
        setWindowTitle(tr("Table Output - record %1").arg(id));
        const int keep = tabs_->currentIndex();
        while (tabs_->count() > 0) {
            QWidget* page = tabs_->widget(0);
            tabs_->removeTab(0);
            delete page;
        }
        database& db = *context_.doc->db();
        for (const table_description* table : output_tables_with_rows(db, id))
            tabs_->addTab(new table_output_page(db, *table, id, context_, tabs_), QString::fromStdString(table->name));
        tabs_->setCurrentIndex(std::min(keep, tabs_->count() - 1));
        tabs_->setVisible(tabs_->count() > 0);
        empty_->setVisible(tabs_->count() == 0);
        empty_->setText(tr("Record %1 has no rows in any output table. Run it first (Run / This Record).").arg(id));
    }

    QTabWidget* tabs_ = nullptr;
    QLabel* empty_ = nullptr;
};

} // namespace

bool output_view_context::usable() const { return doc && doc->is_open() && doc->db() && !(busy && busy()); }

bool output_view_context::current_id(std::int32_t& id) const
{
    if (!usable() || !doc->current_record())
        return false;
    id = doc->current_record()->id;
    return true;
}

QWidget* show_table_output(QWidget* parent, const output_view_context& context)
{
    auto* window = new table_output_window(context, parent);
    window->show();
    return window;
}

} // namespace ivorn
