// "Operations": the dialog of one tillage or equipment operation with its operation-code choice.
#pragma once

#include "sheets/page_description.h"

class QWidget;

namespace ivorn {

class list_field_help;
class vorn_operation;

const sheet_description& operation_sheet();
// Shows "Operations" on one operation; true when OK took its values.
bool edit_operation(QWidget* parent, vorn_operation& operation, const list_field_help& help);

} // namespace ivorn
