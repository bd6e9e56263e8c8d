// What the output windows need from the main window: the document (its database, current record
// and field help), a way to make another record current, and whether a run owns the database.
#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

namespace ivorn {

class doc_i_vorn;

struct output_view_context {
    doc_i_vorn* doc = nullptr;
    std::function<void(std::int32_t)> make_current;
    std::function<bool()> busy;

    // The current record's ID; false when there is none or the database is in use by a run.
    bool current_id(std::int32_t& id) const;
    bool usable() const;
};

// View / Table Output, View / Chart Output and View / Chart All Samples: windows of their own,
// owned by `parent`, each following the current record when it becomes active again.
QWidget* show_table_output(QWidget* parent, const output_view_context& context);
QWidget* show_chart_output(QWidget* parent, const output_view_context& context);
QWidget* show_chart_all_samples(QWidget* parent, const output_view_context& context);

} // namespace ivorn
