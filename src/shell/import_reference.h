// The reference-file import commands: each reads one of the model's own data files into the
// document's list (or, for parameters, into every control record) and stores it in its table.
// What they show goes through the user_interface port; each returns whether the import landed.
#pragma once

#include <string>

#include "core/vorn_production_supply.h"
#include "reference/vorn_operation.h"
#include "shell/user_interface.h"
#include "store/database.h"

namespace ivorn {

// The list is emptied and read anew (after a failed read it holds what was read). Only after a
// successful read is the whole list written into its table, in one transaction, and "File read
// ok" shown; otherwise the "Read errors" list is shown and the table is as it was.
bool import_crop_file(database& db, vorn_production_supply_list& crops, const std::string& path, user_interface& ui);
bool import_fertilizer_file(database& db, vorn_production_supply_list& fertilizers, const std::string& path,
                            user_interface& ui);
bool import_pesticide_file(database& db, vorn_production_supply_list& pesticides, const std::string& path,
                           user_interface& ui);
bool import_operations_file(database& db, operation_list_class& operations, const std::string& path,
                            int model_version, user_interface& ui);

// Every control record, in table order, gets the file's parameters over its own and stores
// them, all in one transaction. A file that does not open or holds no line is an error; a
// database without control records is left as it was, with a message saying so.
bool import_parameter_file(database& db, const std::string& path, int model_version, user_interface& ui);

} // namespace ivorn
