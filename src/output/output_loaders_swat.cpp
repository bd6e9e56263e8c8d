// What the monthly ".MSW" and daily ".SWT" SWAT files share.
#include "output/output_loaders_swat.h"

#include <algorithm>

#include "core/text_utils.h"

namespace ivorn {

const swat_file_layout monthly_swat_layout = {84, 22, 22, 30, 77, 22};
// A daily name takes 22 of its 34 heading columns.
const swat_file_layout daily_swat_layout = {114, 22, 34, 19, 113, 34};

void swat_pesticide_amounts(loader_file& file, const swat_file_layout& layout, int k, swat_columns qpst,
                            swat_columns ypst, float& q, float& y)
{
    const int shift = layout.pesticide_width * k;
    q = file.real(qpst.first + shift, qpst.last + shift);
    y = file.real(ypst.first + shift, ypst.last + shift);
}

bool read_swat_heading(loader_file& file, int heading_lines, const swat_file_layout& layout,
                       std::vector<std::string>& names)
{
    if (!file.skip_headings(heading_lines))
        return false;
    names.clear();
    for (int k = 0; k < layout.max_pesticides; ++k) {
        const int first = layout.pesticide_name_first + layout.pesticide_name_spacing * k;
        names.push_back(latin1_to_utf8(trim_copy(field_of(file.line, first, first + layout.pesticide_name_width - 1))));
    }
    return file.skip_headings(2);
}

int swat_pesticides_on_line(const std::string& line, const swat_file_layout& layout, size_t names)
{
    const int on_line = (static_cast<int>(line.size()) - layout.fixed_columns) / layout.pesticide_width;
    return std::clamp(on_line, 0, static_cast<int>(names));
}

} // namespace ivorn
