// The property sheet of the editing dialogs: the pages of a sheet description as tabs over one
// record, OK and Cancel, and the help box beside them following the focus. OK takes back every
// page only when every page's changed fields fit their columns; Cancel takes nothing.
#pragma once

#include <QDialog>
#include <QPointer>

#include <vector>

#include "sheets/page_description.h"
#include "store/field_binding.h"

class QTabWidget;

namespace ivorn {

class edit_help_text;
class list_field_help;
class record_page;

class property_sheet : public QDialog {
    Q_OBJECT
public:
    // `bindings` is the record's binding list; the sheet keeps it, the record must outlive the sheet.
    property_sheet(QWidget* parent, const sheet_description& sheet, binding_list bindings,
                   const list_field_help& help);

    // Every page into the record, or nothing: empty when taken, otherwise the refusal, with the
    // offending field's page shown and the focus on the field.
    QString take_back();
    void accept() override;

    QTabWidget* tabs() const { return tabs_; }
    edit_help_text* help_box() const { return help_box_; }
    const std::vector<record_page*>& pages() const { return pages_; }

private:
    const sheet_description& sheet_;
    binding_list bindings_;
    const list_field_help& help_;
    QTabWidget* tabs_ = nullptr;
    edit_help_text* help_box_ = nullptr;
    std::vector<record_page*> pages_;
    QPointer<QWidget> refused_field_;
};

} // namespace ivorn
