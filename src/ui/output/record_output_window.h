// The base of the output windows that show one record: a window of its own that follows the
// current record when it becomes active again, rebuilding only when the record changed.
#pragma once

#include <QWidget>

#include <cstdint>

#include "ui/output/output_view_context.h"

namespace ivorn {

class record_output_window : public QWidget {
public:
    record_output_window(const output_view_context& context, QWidget* parent, int width, int height);

protected:
    bool event(QEvent* e) override;
    // Shows the current record unless it is the one shown; the derived window calls it once at
    // the end of its constructor, when `show_record` reaches its own override.
    void follow_current_record();
    virtual void show_record(std::int32_t id) = 0;

    output_view_context context_;
    std::int32_t record_id_ = 0;

private:
    bool shown_ = false;
};

} // namespace ivorn
