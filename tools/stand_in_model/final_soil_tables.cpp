// The final soil tables: each subarea's soil as the run left it, in the soil file layout, so that
// a later run of the record can start from it. 806 and 1307 name them with eight digits of the
// subarea ID, the other versions with four.
#include "core/text_utils.h"
#include "report_files.h"
#include "report_text.h"

namespace ivorn::stand_in {
namespace {

// The layer columns written with three decimals; the others have two.
bool three_decimals(int column)
{
    return column <= field_capacity || column == 15 || column == 25 || column == 26;
}

std::string final_soil_table(const simulated_run& run, int s)
{
    const soil_profile& soil = run.subarea(s).soil;
    const int last_year = run.duration() - 1;
    report_text out;
    out.line(soil.name.empty() ? std::string("SOIL") : soil.name);
    out.line(soil.line_2);
    out.line(soil.line_3);
    for (int column = 0; column < soil_layer_columns; ++column) {
        std::string line;
        for (int layer = 0; layer < max_soil_layers; ++layer) {
            const double value = layer < soil.layer_count
                ? run.soil_value(s, last_year, static_cast<soil_column>(column), layer)
                : soil.layers[static_cast<size_t>(column)][static_cast<size_t>(layer)];
            line += format_printf(three_decimals(column) ? "%8.3f" : "%8.2f", value);
        }
        out.line(line);
    }
    return out.str();
}

} // namespace

std::vector<std::pair<std::string, std::string>> final_soil_tables(const simulated_run& run)
{
    std::vector<std::pair<std::string, std::string>> tables;
    for (int s = 0; s < run.subarea_count(); ++s) {
        const long number = run.subarea(s).number;
        const std::string name = newer_report_files(run.version()) ? format_printf("%08ld.SOT", number)
                                                                  : format_printf("%04ld.SOT", number);
        tables.emplace_back(name, final_soil_table(run, s));
    }
    return tables;
}

} // namespace ivorn::stand_in
