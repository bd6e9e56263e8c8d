// The sheets of the reference records: a crop ("Crops": Page 1 to 3, Growth, Identification &&
// Units), a fertilizer and a pesticide (one page each). Their list dialogs open and store them.
#pragma once

#include "sheets/page_description.h"

namespace ivorn {

const sheet_description& crop_sheet();
const sheet_description& fertilizer_sheet();
const sheet_description& pesticide_sheet();

} // namespace ivorn
