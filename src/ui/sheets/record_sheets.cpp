// Opening the control record's sheets: each on the binding list of what it edits.
#include "sheets/record_sheets.h"

#include "sheets/property_sheet.h"
#include "site/control_record.h"

namespace ivorn {

namespace {

bool edit(QWidget* parent, const sheet_description& sheet, binding_list bindings, control_record& record,
          const list_field_help& help)
{
    property_sheet dialog(parent, sheet, std::move(bindings), help);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record.modified = true;
    return true;
}

} // namespace

std::vector<control_record_sheet> control_record_sheets()
{
    return {{&run_header_sheet(), [](control_record& record) { return record.bindings(); }},
            {&parameter_sheet(), [](control_record& record) { return record.parameters.bindings(); }}};
}

bool edit_run_header(QWidget* parent, control_record& record, const list_field_help& help)
{
    return edit(parent, run_header_sheet(), record.bindings(), record, help);
}

bool edit_parameters(QWidget* parent, control_record& record, const list_field_help& help)
{
    return edit(parent, parameter_sheet(), record.parameters.bindings(), record, help);
}

} // namespace ivorn
