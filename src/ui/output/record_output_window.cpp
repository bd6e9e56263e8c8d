// Following the current record: the windows are not told of moves, they look when activated.
#include "ui/output/record_output_window.h"

#include <QEvent>

namespace ivorn {

record_output_window::record_output_window(const output_view_context& context, QWidget* parent, int width,
                                           int height)
    : QWidget(parent), context_(context)
{
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(width, height);
}

bool record_output_window::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        follow_current_record();
    return QWidget::event(e);
}

void record_output_window::follow_current_record()
{
    std::int32_t id = 0;
    if (!context_.current_id(id) || (shown_ && id == record_id_))
        return;
    shown_ = true;
    record_id_ = id;
    show_record(id);
}

} // namespace ivorn
