// File / Generate Scenarios: the scenario set `ivorn scenarios` makes, from the current record,
// with the record list refreshed afterwards.
#pragma once

#include <string>
#include <vector>

#include "shell/doc_i_vorn.h"
#include "shell/scenario_set.h"

namespace ivorn {

// What the dialog asks for: the factors file and how to read it.
struct scenario_file_choice {
    std::string path;
    bool grid = false;
    std::string description_column;
};

// The factors file read and checked, without touching the database: the preview of what
// generating would make. False, with the reason in `log`, when the file would be refused.
bool preview_scenarios(const scenario_file_choice& choice, factor_table& table, std::string& log);

// The current record, stored first with the form's unsaved edits, is the base of one new record
// per scenario (one transaction); the record list is then read anew, the base staying current.
// The log is shown as the document shows its logs. False when nothing was made.
bool generate_scenarios_from_current(doc_i_vorn& doc, const scenario_file_choice& choice,
                                     std::vector<made_scenario>& made);

} // namespace ivorn
