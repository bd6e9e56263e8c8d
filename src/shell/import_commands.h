// The File / Import menu as commands: each offers its default file with its filter through the
// user-interface port, then runs the document's import of the chosen file. The desktop app's
// menu and any other front end that lets the user choose the file go through here.
#pragma once

#include "shell/doc_i_vorn.h"

namespace ivorn {

enum class import_command {
    pesticides,
    fertilizers,
    crops,
    operations,
    parameters,
    soil,
    weather,
    wind,
    weather_links,
    dataset,
};

// What the file chooser offers: the default file name and the filter, its parts separated by "\n".
struct import_chooser {
    const char* default_name;
    const char* filter;
};

import_chooser chooser_of(import_command command);

// Asks for the file, then imports it. A cancelled chooser ends the command (Import Paramater file
// then shows its empty "Read errors" list); true only when the chosen file was imported.
bool run_import_command(doc_i_vorn& doc, import_command command);

} // namespace ivorn
