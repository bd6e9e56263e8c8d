// Rows are read one by one through the store as the view paints them and kept in a small cache
// that is dropped whenever it grows past a few screens, so memory stays flat on any table size.
#include "ui/output/output_rows_model.h"

#include <QLocale>

namespace ivorn {

namespace {
constexpr size_t cache_limit = 2000;
}

output_rows_model::output_rows_model(database& db, const table_description& table, std::int32_t record_id,
                                     QObject* parent)
    : QAbstractTableModel(parent)
{
    std::string log;
    ok_ = rows_.open(db, table, record_id, log);
}

int output_rows_model::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(std::min<size_t>(rows_.size(), INT32_MAX));
}

int output_rows_model::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !ok_ ? 0 : static_cast<int>(rows_.table().columns.size());
}

const std::vector<field_value>* output_rows_model::row(int index) const
{
    const auto found = cache_.find(index);
    if (found != cache_.end())
        return &found->second;
    if (blocked_ && blocked_())
        return nullptr;
    if (cache_.size() > cache_limit)
        cache_.clear();
    std::vector<field_value> values;
    if (!rows_.read(static_cast<size_t>(index), values))
        return nullptr;
    return &cache_.emplace(index, std::move(values)).first->second;
}

QString output_rows_model::display_text(const field_value& value)
{
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return QString::number(*integer);
    // Singles carry about seven digits; six show every one that means something.
    if (const auto* real = std::get_if<double>(&value))
        return QString::number(*real, 'g', 6);
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    return {};
}

QVariant output_rows_model::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    const std::vector<field_value>* values = row(index.row());
    if (!values || static_cast<size_t>(index.column()) >= values->size())
        return {};
    const field_value& value = (*values)[static_cast<size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return std::holds_alternative<std::string>(value) ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                                                          : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    return display_text(value);
}

QVariant output_rows_model::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || static_cast<size_t>(section) >= rows_.table().columns.size())
        return {};
    return QString::fromStdString(rows_.table().columns[static_cast<size_t>(section)].name);
}

void output_rows_model::sort(int column, Qt::SortOrder order)
{
    sort_column_ = column;
    descending_ = order == Qt::DescendingOrder;
    rearrange();
}

void output_rows_model::set_filter(const QString& text, int column)
{
    filter_ = text.trimmed().toStdString();
    filter_column_ = column;
    rearrange();
}

void output_rows_model::rearrange()
{
    if (!ok_ || (blocked_ && blocked_()))
        return;
    beginResetModel();
    std::string log;
    rows_.arrange(sort_column_, descending_, filter_, filter_column_, log);
    cache_.clear();
    endResetModel();
}

} // namespace ivorn
