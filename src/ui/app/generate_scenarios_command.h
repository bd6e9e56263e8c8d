// File / Generate Scenarios...: the dialog, then the set made on the worker thread.
#pragma once

namespace ivorn {

class main_window;

// Asks for the factors file with dialog_generate_scenarios and, when accepted, makes the set
// from the current record; the record list is refreshed when it is done.
void generate_scenarios_command(main_window& window);

} // namespace ivorn
