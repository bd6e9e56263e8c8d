// The table view of the control records.
#include "views/record_table_view.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>

#include "shell/doc_i_vorn.h"
#include "views/record_table_model.h"

namespace ivorn {

view_control_record_table::view_control_record_table(doc_i_vorn& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(new record_table_model(this))
{
    setModel(model_);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    // Fixed row heights let the view place 100 000 lines without measuring them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setStyleSheet(QStringLiteral("QTableView { background-color: rgb(192, 192, 192); }"));
    connect(this, &QTableView::clicked, this, &view_control_record_table::line_clicked);
    update_from_document(1);
}

void view_control_record_table::update_from_document(int hint)
{
    const long position = doc_.current_position();
    int row = -1;
    if (hint == 0) {
        row = model_->move_highlight(doc_.record_list(), position);
    } else {
        model_->recount(doc_.record_list(), position);
        row = model_->current_row();
    }
    if (row >= 0)
        scrollTo(model_->index(row, 0));
}

namespace {

bool is_record_move_key(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Home:
    case Qt::Key_End:
        return modifiers == Qt::ControlModifier;
    default:
        return false;
    }
}

} // namespace

bool view_control_record_table::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && is_record_move_key(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QTableView::event(event);
}

void view_control_record_table::keyPressEvent(QKeyEvent* event)
{
    // Reached only when no shortcut took the key (a window of its own): it belongs to the window.
    if (is_record_move_key(event)) {
        event->ignore();
        return;
    }
    QTableView::keyPressEvent(event);
}

void view_control_record_table::line_clicked(const QModelIndex& index)
{
    const record_table_model::line* clicked = model_->line_at(index.row());
    if (!clicked || clicked->kind != record_table_model::line_kind::entry || index.row() == model_->current_row())
        return;
    Q_EMIT go_to_position(clicked->position);
}

} // namespace ivorn
