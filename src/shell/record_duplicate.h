// Record / Duplicate: a second run definition made from the current one, to be changed from
// there, without importing the model data set again.
#pragma once

#include <cstdint>

#include "shell/doc_i_vorn.h"

namespace ivorn {

// The current record, stored first with the form's unsaved edits, is copied with everything it
// owns under the next free ID, and the copy becomes the current record. The log, when any, is
// shown as the document shows its logs. False when there is no current record or nothing was made.
bool duplicate_current_record(doc_i_vorn& doc, std::int32_t& new_id);

} // namespace ivorn
