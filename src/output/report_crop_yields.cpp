// The crop-yield lines after each monthly table: one yield line per harvested crop (its layout
// depends on the model version) and, two lines below it, the crop's stresses.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/field_readers.h"
#include "core/text_utils.h"
#include "output/vorn_output_class.h"

namespace ivorn {
namespace {

// Values of one harvest in the order the crop yield slots keep them.
enum crop_value { yield, water, nitrogen, phosphorus, yln, ylp, temperature, biomass, crop_value_count };

struct yield_line {
    std::string name;
    float first_yield = 0.0f, second_yield = 0.0f, biomass = 0.0f, yln = 0.0f, ylp = 0.0f;
};

int scan_yield_line(int vorn_version, const std::string& line, std::vector<char>& name, yield_line& out)
{
    // The name buffer is as long as the line, so no word can overrun it.
    float* v[5] = {&out.first_yield, &out.second_yield, &out.biomass, &out.yln, &out.ylp};
    if (vorn_version == 806)
        return std::sscanf(line.c_str(), "%s YLD= %f/  %ft/ha  BIOM= %ft/ha  WUEF= %*ft/mm  YLN= %fkg/ha  YLP= %f",
                           name.data(), v[0], v[1], v[2], v[3], v[4]);
    if (vorn_version == 1307)
        return std::sscanf(line.c_str(),
                           "%s YLD=  %f/  %ft/ha  BIOM=  %ft/ha  WUEF=      %*fkg/mm  YLN=   %fkg/ha  YLP=   %f",
                           name.data(), v[0], v[1], v[2], v[3], v[4]);
    return std::sscanf(line.c_str(), "%s YLD= %f/  %fT/HA  BIOM= %fT/HA  WUEF= %*fT/MM  YLN= %fKG/HA  YLP= %f",
                       name.data(), v[0], v[1], v[2], v[3], v[4]);
}

bool finite_values(const yield_line& line)
{
    for (float v : {line.first_yield, line.second_yield, line.biomass, line.yln, line.ylp}) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

bool vorn_output_class::read_stresses(float stresses[4])
{
    if (vorn_version == 806 || vorn_version == 1307) {
        const int columns[4][2] = {{40, 44}, {49, 53}, {58, 62}, {70, 74}};
        for (int i = 0; i < 4; ++i)
            read_float_field(line_, columns[i][0], columns[i][1], stresses[i]);
        return true;
    }
    const int items = std::sscanf(line_.c_str(), "%*s%*s%*s%*s%f%*s%*s%f%*s%*s%f%*s%*s%f", &stresses[0], &stresses[1],
                                  &stresses[2], &stresses[3]);
    for (int i = 0; i < 4; ++i) {
        if (!std::isfinite(stresses[i]))
            stresses[i] = 0.0f;
    }
    if (items != 4) {
        record_error("Unable to read stress values for crop");
        return false;
    }
    return true;
}

bool vorn_output_class::place_crop(int subarea, int year_index, const std::string& name, const float values[8])
{
    for (crop_yield_slot& slot : subareas[static_cast<size_t>(subarea)].crop_yields) {
        if (slot.name.empty())
            slot.name = name;
        if (!names_equal(slot.name, name))
            continue;
        year_values* arrays[crop_value_count] = {&slot.yield, &slot.water_stress, &slot.nitrogen_stress,
                                                 &slot.phosphorus_stress, &slot.yln, &slot.ylp,
                                                 &slot.temperature_stress, &slot.biomass};
        for (int i = 0; i < crop_value_count; ++i) {
            (*arrays[i])[static_cast<size_t>(year_index)] = values[i];
            (*arrays[i])[static_cast<size_t>(duration)] += values[i];
        }
        ++slot.harvest_count;
        return true;
    }
    // The report names more crops than a subarea keeps: the run still loads without this one,
    // and the log says so once.
    const std::string note = format_printf("Crop %s of subarea %d left out: a subarea keeps at most %d crops\r\n",
                                           name.c_str(), subarea + 1, max_subarea_crops);
    if (notes.find(note) == std::string::npos)
        notes += note;
    return true;
}

bool vorn_output_class::read_crop_yields(int subarea, int year)
{
    const int year_index = year - start_year;
    for (;;) {
        if (!find_line(8, "YLD")) {
            record_error("Cannot find yearly crop info\n", format_printf("year = %d field = %d", year, subarea));
            return false;
        }
        if (line_.find('*') != std::string::npos) {
            ++report_stars;
            std::replace(line_.begin(), line_.end(), '*', '0');
        }
        std::vector<char> name(line_.size() + 1, '\0');
        yield_line crop;
        const int items = scan_yield_line(vorn_version, line_, name, crop);
        crop.name = cut_to_width(name.data(), 9);
        if (items != 6 || !finite_values(crop)) {
            record_error("Unable to read annual yield line", crop.name);
            if (!finite_values(crop))
                crop = yield_line{crop.name};
        }
        if (!skip_lines(2))
            return false;
        float stresses[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        read_stresses(stresses);
        const float values[crop_value_count] = {crop.first_yield == 0.0f ? crop.second_yield : crop.first_yield,
                                                stresses[0], stresses[1], stresses[2], crop.yln, crop.ylp,
                                                stresses[3], crop.biomass};
        if (!place_crop(subarea, year_index, crop.name, values))
            return false;
        if (!next_line() || line_.size() < 4 || line_[0] == '1')
            return true;
    }
}

} // namespace ivorn
