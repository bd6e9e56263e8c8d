// The sheets described so far, and opening them on the current control record. OK marks the
// record modified, so the document stores it at the next move, run or close.
#pragma once

#include <vector>

#include "sheets/page_description.h"
#include "store/field_binding.h"

class QWidget;

namespace ivorn {

class control_record;
class list_field_help;

// "Run Header": the record's simulation, method and geometry fields and its coded options.
const sheet_description& run_header_sheet();
// "Parameters": the record's parameter set.
const sheet_description& parameter_sheet();
// Every sheet of the control record with the binding list it edits, for walking them all.
struct control_record_sheet {
    const sheet_description* sheet;
    binding_list (*bindings)(control_record& record);
};
std::vector<control_record_sheet> control_record_sheets();

// Shows the sheet modally; true (and the record marked modified) on OK.
bool edit_run_header(QWidget* parent, control_record& record, const list_field_help& help);
bool edit_parameters(QWidget* parent, control_record& record, const list_field_help& help);

} // namespace ivorn
