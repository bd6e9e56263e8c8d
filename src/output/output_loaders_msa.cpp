// The monthly subarea file ".MSA": one block per subarea and year, a line per variable with its
// name right-justified in a 4-character field and twelve monthly values; twelve Monthly Subarea
// Output rows per block.
#include <array>
#include <vector>

#include "core/text_utils.h"
#include "output/output_loaders_common.h"
#include "output/output_tables.h"

namespace ivorn {
namespace {

struct monthly_variable {
    const char* name;
    const char* column;
    unit_factor factor;
    bool newest_layout_only;
};

// In the order the file holds them.
const std::array<monthly_variable, 18> monthly_variables = {{
    {"PRCP", "Precipitation", unit_factor::depth, false},
    {"ET", "Evapotranspiration", unit_factor::depth, false},
    {"Q", "Runoff", unit_factor::depth, false},
    {"SSF", "Subsurface Flow", unit_factor::depth, false},
    {"PRK", "Percolation", unit_factor::depth, false},
    {"IRGA", "Irrigation", unit_factor::depth, false},
    {"FNO", "Organic N", unit_factor::mass, false},
    {"FNMA", "Ammonium N", unit_factor::mass, false},
    {"FPO", "Organic P", unit_factor::mass, false},
    {"FPL", "Mineral P", unit_factor::mass, false},
    {"RSSF", "Return Flow", unit_factor::depth, false},
    {"RSDC", "Carbon in Residue", unit_factor::mass, false},
    {"UNM", "N Uptake", unit_factor::mass, false},
    {"UPM", "P Uptake", unit_factor::mass, false},
    {"RZSW", "Rootzone Sw", unit_factor::none, true},
    {"STDO", "Crop Residue", unit_factor::tonnage, false},
    {"RSD", "Surface Residue", unit_factor::tonnage, false},
    {"PDSW", "Plow Depth Soil Water", unit_factor::none, true},
}};

struct monthly_layout {
    int name_first;
    int subarea_first, subarea_last;
    int said_first, said_last;
    int year_first, year_last;
    int month_first, month_width;
};

const monthly_layout layouts[2] = {{20, 1, 5, 6, 9, 15, 18, 24, 9}, {28, 1, 9, 10, 17, 23, 26, 32, 13}};

using month_values = std::array<float, months_per_year>;

// A block's lines from its PRCP line up to the next PRCP line, with the number of the first.
struct monthly_block {
    std::vector<std::string> lines;
    int first_line = 0;
};

bool names_variable(const std::string& line, const monthly_layout& layout, std::string_view name)
{
    return field_of(line, layout.name_first, layout.name_first + 3) == name;
}

void read_months(loader_file& file, const std::string& line, int line_number, const monthly_layout& layout,
                 month_values& values)
{
    for (int m = 0; m < months_per_year; ++m) {
        const int first = layout.month_first + layout.month_width * m;
        values[static_cast<size_t>(m)] = file.real(line, line_number, first, first + layout.month_width - 1);
    }
}

// Each variable is looked for in its own block only, after the one before it: a block that
// lacks one stops the load rather than borrow the next block's line.
bool store_block(vorn_output_class& out, loader_file& file, bulk_inserter& row, const std::array<int, 18>& columns,
                 const monthly_layout& layout, int variant, const monthly_block& block)
{
    const std::string& heading = block.lines.front();
    const int subarea = file.integer(heading, block.first_line, layout.subarea_first, layout.subarea_last);
    const int said = file.integer(heading, block.first_line, layout.said_first, layout.said_last);
    const int year = file.integer(heading, block.first_line, layout.year_first, layout.year_last);
    if (file.stopped())
        return false;
    std::array<month_values, monthly_variables.size()> values{};
    std::array<bool, monthly_variables.size()> present{};
    size_t next = 0;
    for (size_t v = 0; v < monthly_variables.size(); ++v) {
        if (monthly_variables[v].newest_layout_only && variant != 3)
            continue;
        const std::string target = format_printf("%4s", monthly_variables[v].name);
        while (next < block.lines.size() && !names_variable(block.lines[next], layout, target))
            ++next;
        if (next == block.lines.size()) {
            out.record_error(format_printf("Monthly block of subarea %d year %d lacks %s", subarea, year,
                                           monthly_variables[v].name),
                             file.path + " line " + std::to_string(block.first_line));
            return false;
        }
        read_months(file, block.lines[next], block.first_line + static_cast<int>(next), layout, values[v]);
        present[v] = true;
        ++next;
    }
    if (file.stopped())
        return false;
    if (!out.in_relative_window(year))
        return true;
    for (int m = 0; m < months_per_year; ++m) {
        row.set_integer(0, out.run_id);
        row.set_integer(1, subarea);
        row.set_integer(2, said);
        row.set_integer(3, year);
        row.set_integer(4, m + 1);
        for (size_t v = 0; v < monthly_variables.size(); ++v) {
            if (present[v])
                row.set_single(columns[v], out.convert(values[v][static_cast<size_t>(m)], monthly_variables[v].factor));
            else
                row.set(columns[v], field_value{});
        }
        if (!insert_output_row(out, row))
            return false;
    }
    return true;
}

} // namespace

bool load_monthly_subarea(vorn_output_class& out, output_sink& sink, int variant, std::string& log)
{
    loader_file file(out);
    if (!open_loader_file(out, file, ".MSA", log) || !file.skip_headings(variant == 1 ? 9 : 10))
        return false;
    const table_description& table = monthly_subarea_output_table();
    bulk_inserter* row = open_output_table(out, sink, table, "Cannot open table Monthly Subarea Output");
    if (!row)
        return false;
    const monthly_layout& layout = layouts[variant == 1 ? 0 : 1];
    std::array<const char*, monthly_variables.size()> names{};
    for (size_t v = 0; v < names.size(); ++v)
        names[v] = monthly_variables[v].column;
    const auto columns = column_positions(table, names);

    bool more = file.next();
    while (more && !names_variable(file.line, layout, "PRCP"))
        more = file.next();
    monthly_block block;
    while (more) {
        block.lines.assign(1, file.line);
        block.first_line = file.reader.line_number();
        while ((more = file.next()) && !names_variable(file.line, layout, "PRCP"))
            block.lines.push_back(file.line);
        ++file.data_lines;
        if (file.stopped() || !store_block(out, file, *row, columns, layout, variant, block))
            return false;
    }
    return file.finish(log);
}

} // namespace ivorn
