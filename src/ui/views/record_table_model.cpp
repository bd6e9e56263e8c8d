// The table view's lines.
#include "views/record_table_model.h"

#include <QBrush>
#include <QFont>
#include <QPalette>
#include <QApplication>

#include <algorithm>

#include "site/control_record_descriptions.h"

namespace ivorn {

int record_table_model::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int record_table_model::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant record_table_model::data(const QModelIndex& index, int role) const
{
    const line* shown = line_at(index.row());
    if (!shown)
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        if (shown->kind == line_kind::header)
            return QStringLiteral("#    ID Description");
        if (shown->kind == line_kind::gap)
            return QStringLiteral("...");
        return QString::fromStdString(shown->text);
    case Qt::BackgroundRole:
        if (row == current_row_)
            return QApplication::palette().brush(QPalette::Highlight);
        return {};
    case Qt::ForegroundRole:
        if (row == current_row_)
            return QApplication::palette().brush(QPalette::HighlightedText);
        return {};
    case Qt::FontRole:
        if (shown->kind == line_kind::header) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags record_table_model::flags(const QModelIndex& index) const
{
    const line* shown = line_at(index.row());
    if (!shown || shown->kind != line_kind::entry)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

const record_table_model::line* record_table_model::line_at(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < lines_.size() ? &lines_[static_cast<size_t>(row)] : nullptr;
}

int record_table_model::row_of(long position) const
{
    // Lines are in position order; a gap carries the position of the entry it precedes and sorts
    // before it, the header is position 0.
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), position, [](const line& l, long wanted) {
        return l.position < wanted || (l.position == wanted && l.kind != line_kind::entry);
    });
    if (found == lines_.end() || found->kind != line_kind::entry || found->position != position)
        return -1;
    return static_cast<int>(found - lines_.begin());
}

void record_table_model::recount(const list_control_record_descriptions& list, long current_position)
{
    beginResetModel();
    lines_.clear();
    lines_.reserve(list.count() + 1);
    lines_.push_back({});
    long previous = 0;
    for (const control_record_description* entry : list) {
        if (entry->position != previous + 1)
            lines_.push_back({line_kind::gap, entry->position, 0, {}});
        lines_.push_back({line_kind::entry, entry->position, entry->id, entry->text});
        previous = entry->position;
    }
    current_row_ = current_position > 0 ? row_of(current_position) : -1;
    endResetModel();
}

bool record_table_model::matches(const list_control_record_descriptions& list, int row) const
{
    const line* shown = line_at(row);
    if (!shown || shown->kind != line_kind::entry)
        return true;
    const control_record_description* entry = list.find_by_position(shown->position);
    return entry && entry->id == shown->id && entry->text == shown->text;
}

int record_table_model::move_highlight(const list_control_record_descriptions& list, long current_position)
{
    const size_t entries = static_cast<size_t>(std::count_if(
        lines_.begin(), lines_.end(), [](const line& l) { return l.kind == line_kind::entry; }));
    const int row = current_position > 0 ? row_of(current_position) : -1;
    if (entries != list.count() || (current_position > 0 && row < 0) || !matches(list, current_row_)
        || !matches(list, row)) {
        recount(list, current_position);
        return current_row_;
    }
    set_current_row(row);
    return row;
}

void record_table_model::set_current_row(int row)
{
    const int old = current_row_;
    current_row_ = row;
    if (old >= 0)
        Q_EMIT dataChanged(index(old, 0), index(old, 0));
    if (row >= 0)
        Q_EMIT dataChanged(index(row, 0), index(row, 0));
}

} // namespace ivorn
