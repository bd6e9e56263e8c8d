// The file chooser of each import command, described as data, and the command that asks for the
// file before it imports.
#include "shell/import_commands.h"

namespace ivorn {
namespace {

constexpr const char* reference_filter = "All Files\n*.*\nText\n*.dat";

struct command_chooser {
    import_command command;
    import_chooser chooser;
};

constexpr command_chooser choosers[] = {
    {import_command::pesticides, {"pest2110.dat", reference_filter}},
    {import_command::fertilizers, {"fert2110.dat", reference_filter}},
    {import_command::crops, {"crop2110.dat", "*.dat"}},
    {import_command::operations, {"till2110.dat", reference_filter}},
    {import_command::parameters, {"parm2110.dat", reference_filter}},
    {import_command::soil, {"muufsoil.dat", "Soil files\n*.dat\nAll files\n*.*"}},
    {import_command::weather, {"weatne.dat", "Weather files\n*.dat\nAll files\n*.*"}},
    {import_command::wind, {"windne.dat", "Wind files\n*.dat\nAll files\n*.*"}},
    {import_command::weather_links, {"master.wth", "Weather link files\n*.weather\nAll files\n*.*"}},
    {import_command::dataset, {"vornfile.dat", "*.dat"}},
};

bool import_chosen(doc_i_vorn& doc, import_command command, const std::string& path)
{
    switch (command) {
    case import_command::pesticides: return doc.import_pesticides(path);
    case import_command::fertilizers: return doc.import_fertilizers(path);
    case import_command::crops: return doc.import_crops(path);
    case import_command::operations: return doc.import_operations(path);
    case import_command::parameters: return doc.import_parameters(path);
    case import_command::soil: return doc.import_soil(path);
    case import_command::weather: return doc.import_weather(path);
    case import_command::wind: return doc.import_wind(path);
    case import_command::weather_links: return doc.import_weather_links(path);
    case import_command::dataset: {
        std::int32_t new_id = 0;
        return doc.import_dataset(path, new_id);
    }
    }
    return false;
}

} // namespace

import_chooser chooser_of(import_command command)
{
    for (const auto& entry : choosers) {
        if (entry.command == command)
            return entry.chooser;
    }
    return {"", ""};
}

bool run_import_command(doc_i_vorn& doc, import_command command)
{
    if (!doc.is_open())
        return false;
    const import_chooser chooser = chooser_of(command);
    std::string path;
    if (doc.ui().choose_file(chooser.default_name, chooser.filter, path))
        return import_chosen(doc, command, path);
    // The parameter import reports even a cancelled choice, with an empty list.
    if (command == import_command::parameters)
        doc.ui().show_error_list("Read errors", "Click This", "");
    return false;
}

} // namespace ivorn
