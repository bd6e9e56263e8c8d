// The shared list writer of crops, fertilizers and pesticides.
#include "core/vorn_production_supply.h"

namespace ivorn {

void vorn_production_supply::write_record(model_file_writer&, int) const {}

bool vorn_production_supply_list::write_file(const std::string& file_name, int model_version,
                                             line_end_style line_ends, std::string_view header) const
{
    model_file_writer out;
    if (!out.open(file_name, line_ends))
        return false;
    if (!header.empty())
        out.write(header);
    for (const vorn_production_supply* record : *this)
        record->write_record(out, model_version);
    return out.close();
}

} // namespace ivorn
