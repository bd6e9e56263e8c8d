// record_page: the widgets of one page description over one record's binding list, and the data
// exchange between them. Filling shows the members; taking back checks every changed field
// against its column first and copies only when all of them fit, so a refused page leaves the
// record exactly as it was.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

#include "sheets/page_description.h"
#include "store/field_binding.h"
#include "store/table_description.h"

namespace ivorn {

class record_page : public QWidget {
public:
    // `bindings` must outlive the page. A field whose column the table or the bindings lack is
    // shown disabled with "(not bound)", so a faulty description is visible rather than silent.
    record_page(const page_description& page, const table_description& table, const binding_list& bindings,
                QWidget* parent = nullptr);

    // The members into the editors (reals as "%g").
    void fill();
    // Empty when every changed field fits its column; otherwise the message naming the first
    // field that does not, and `field` set to its editor.
    QString check(QWidget*& field) const;
    // The changed fields into the members; unchanged ones are left alone, so a real shown to six
    // digits is not rounded by merely pressing OK. Call check() first.
    void take_back();

    // The model variable of an editor of this page; null when the widget is none of its editors.
    const std::string* variable_of(const QWidget* widget) const;
    // Every editor with its field, in page order (for the tests and the help box).
    struct bound_editor {
        const field_entry* field = nullptr;
        const column_description* column = nullptr;
        const bound_member* member = nullptr;
        editor_kind editor = editor_kind::automatic;
        QWidget* widget = nullptr;
        // What fill() showed: the text, or the combo index, or the check state.
        QString shown_text;
        int shown_index = -1;
        bool shown_checked = false;
    };
    const std::vector<bound_editor>& editors() const { return editors_; }
    const page_description& description() const { return page_; }

private:
    QWidget* make_editor(bound_editor& editor);
    bool changed(const bound_editor& editor) const;

    const page_description& page_;
    std::vector<bound_editor> editors_;
};

// The editor a field gets once `automatic` is resolved by its column's type.
editor_kind resolved_editor(const field_entry& field, const column_description& column);

} // namespace ivorn
