// The annual soil organic carbon and nitrogen file ".ACN": one block per subarea and year with a
// carbon, a nitrogen and (in the 2110 layout) a salt line of up to ten layers and their total.
#include <algorithm>
#include <array>

#include "core/text_utils.h"
#include "output/output_loaders_common.h"
#include "output/output_tables.h"

namespace ivorn {
namespace {

constexpr int max_layer_values = 11; // ten layers and the total
using layer_values = std::array<float, max_layer_values>;

void read_layer_values(loader_file& file, int columns, layer_values& values)
{
    for (int i = 0; i < columns; ++i)
        values[static_cast<size_t>(i)] = file.real(20 + 8 * i, 27 + 8 * i);
}

struct acn_block {
    int year = 0;
    int subarea = 0;
    int columns = 0;
    layer_values carbon{}, nitrogen{}, salt{};
};

// False at the end of the file. The file may end only between blocks: a block cut short by the
// end of the file is recorded as an error, never stored with the values of another line.
bool read_block(loader_file& file, int variant, acn_block& block)
{
    if (file.reader.rest_is_blank() || !file.next())
        return false;
    ++file.data_lines;
    const char* const inside = "a block of organic carbon and nitrogen";
    if (!file.skip_within(2, inside))
        return false;
    block.year = file.integer(10, 13);
    if (!file.skip_within(1, inside))
        return false;
    block.subarea = file.integer(15, variant == 2 ? 22 : 18);
    if (!file.skip_within(21, inside))
        return false;
    const int columns = (static_cast<int>(file.line.size()) - 19) / 8;
    block.columns = std::clamp(columns, 0, max_layer_values);
    read_layer_values(file, block.columns, block.carbon);
    if (!file.skip_within(6, inside))
        return false;
    read_layer_values(file, block.columns, block.nitrogen);
    if (!file.skip_within(2, inside))
        return false;
    if (variant != 2)
        read_layer_values(file, block.columns, block.salt);
    return !file.stopped();
}

// The total stands in the last column; the layers are the columns before it.
float take_total(layer_values& values, int columns)
{
    if (columns < 1)
        return 0.0f;
    const float total = values[static_cast<size_t>(columns - 1)];
    values[static_cast<size_t>(columns - 1)] = 0.0f;
    return total;
}

bool write_organic_row(vorn_output_class& out, bulk_inserter& row, acn_block& block)
{
    row.set_integer(0, out.run_id);
    row.set_integer(1, block.subarea);
    row.set_integer(2, block.year);
    const float total_carbon = take_total(block.carbon, block.columns);
    const float total_nitrogen = take_total(block.nitrogen, block.columns);
    row.set("Total Organic C", field_value(static_cast<double>(total_carbon * out.mass)));
    row.set("Total Organic N", field_value(static_cast<double>(total_nitrogen * out.mass)));
    const int first_n = row.table().column_index("Organic N Layer 1");
    const int first_c = row.table().column_index("Organic C Layer 1");
    for (int k = 0; k < 10; ++k) {
        row.set_single(first_c + k, block.carbon[static_cast<size_t>(k)] * out.mass);
        row.set_single(first_n + k, block.nitrogen[static_cast<size_t>(k)] * out.mass);
    }
    return insert_output_row(out, row);
}

bool write_salt_row(vorn_output_class& out, bulk_inserter& row, acn_block& block)
{
    row.set_integer(0, out.run_id);
    row.set_integer(1, block.subarea);
    row.set_integer(2, block.year);
    row.set_single(3, take_total(block.salt, block.columns) * out.mass);
    for (int k = 0; k < 10; ++k)
        row.set_single(4 + k, block.salt[static_cast<size_t>(k)] * out.mass);
    return insert_output_row(out, row);
}

} // namespace

bool load_organic_carbon_nitrogen(vorn_output_class& out, output_sink& sink, int variant, std::string& log)
{
    loader_file file(out);
    if (!open_loader_file(out, file, ".ACN", log) || !file.skip_headings(variant == 2 ? 8 : 7))
        return false;
    bulk_inserter* organic = open_output_table(out, sink, organic_c_and_n_output_table(),
                                               "Cannot open table Organic N and C Output");
    if (!organic)
        return false;
    bulk_inserter* salt = open_output_table(out, sink, soil_salt_output_table(), "Cannot open table Soil Salt Output");
    if (!salt)
        return false;
    acn_block block;
    while (read_block(file, variant, block = acn_block{})) {
        if (!out.in_calendar_window(block.year))
            continue;
        const bool has_salt = block.columns >= 1 && block.salt[static_cast<size_t>(block.columns - 1)] > 0.0f;
        if (!write_organic_row(out, *organic, block))
            return false;
        if (variant != 2 && has_salt && !write_salt_row(out, *salt, block))
            return false;
    }
    return file.finish(log);
}

} // namespace ivorn
