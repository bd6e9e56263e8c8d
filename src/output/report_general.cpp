// The main report's frame: the general information (duration and start date), the count of
// subareas with the crops of their operation schedules, the subarea areas and the soil tables.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "core/field_readers.h"
#include "core/text_utils.h"
#include "output/vorn_output_class.h"

namespace ivorn {
namespace {

int furthest(std::initializer_list<int> consumed)
{
    int most = 0;
    for (int n : consumed)
        most = std::max(most, n);
    return most;
}

bool all_finite(std::initializer_list<float> values)
{
    for (float v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

bool holds_at(const std::string& line, int column, std::string_view target)
{
    return line.size() >= static_cast<size_t>(column) + target.size()
           && line.compare(static_cast<size_t>(column - 1), target.size(), target) == 0;
}

} // namespace

void vorn_output_class::read_general_information()
{
    if (!find_line(22, "GENERAL INFORMATION")) {
        record_error("Unable to find General Information");
        return;
    }
    if (!find_line(22, "GENERAL INFORMATION")) {
        record_error("Unable to find General Information 2");
        return;
    }
    skip_lines(1);
    // These two are read from the stream itself, across line ends, as formatted input does. Each
    // scan takes at most seven words, so the lines holding eight are all it can see.
    constexpr int general_scan_lines = 8;
    int years = 0;
    int n[4] = {-1, -1, -1, -1};
    const int duration_items =
        std::sscanf(report_.look_ahead(general_scan_lines), " SIMULATION%n DURATION =%n %d%n Y \n%n", &n[0], &n[1], &years, &n[2], &n[3]);
    report_.advance(static_cast<size_t>(furthest({n[0], n[1], n[2], n[3]})));
    if (duration_items != 1)
        record_error("Unable to read simulation duration");
    else if (years < 1 || years > max_report_years)
        record_error(format_printf("Simulation duration of %d years is outside the limit of 1 to %d years", years,
                                   max_report_years));
    else
        duration = years;

    int date[3] = {0, 0, 0};
    int m[5] = {-1, -1, -1, -1, -1};
    const int date_items = std::sscanf(report_.look_ahead(general_scan_lines), " BEGINNING%n DATE =%n%d %d %d%n\n%n", &m[0], &m[1], &date[0],
                                       &date[1], &date[2], &m[2], &m[3]);
    report_.advance(static_cast<size_t>(furthest({m[0], m[1], m[2], m[3]})));
    if (date_items >= 1)
        start_year = date[0];
    if (date_items >= 2)
        start_month = date[1];
    if (date_items >= 3)
        start_day = date[2];
    if (date_items != 3)
        record_error("Unable to read start date");
}

bool vorn_output_class::read_schedule_crop(int subarea, int& crop_count)
{
    subarea_output& sa = subareas[static_cast<size_t>(subarea)];
    // Each crop keeps the curve number of the line where it first occurs: the value goes to the
    // next free slot and stays there only when the name that follows is a new one.
    float curve_number = 0.0f;
    read_float_field(line_, 97, 100, curve_number);
    if (crop_count < max_subarea_crops)
        sa.schedule_crops[static_cast<size_t>(crop_count)].curve_number = curve_number;
    if (!next_line())
        return false;
    std::vector<char> word(line_.size() + 1, '\0');
    std::string name;
    if (std::sscanf(line_.c_str(), "%*s %s", word.data()) == 1)
        name = cut_to_width(word.data(), 9);
    for (auto& crop : sa.schedule_crops) {
        if (names_equal(crop.name, name))
            return true;
        if (crop.name.empty()) {
            crop.name = name;
            ++crop_count;
            return true;
        }
    }
    return true;
}

int vorn_output_class::scan_blocks(int start_column, std::string_view start_target, std::string_view other_target,
                                   int end_column, std::string_view end_target, int subarea, bool outer)
{
    const line_reader::position began = report_.tell();
    int count = 0;
    while (next_line()) {
        const bool long_enough = line_.size() >= static_cast<size_t>(start_column) + start_target.size() && line_.size() > 34;
        const bool start_line = long_enough
                                && (holds_at(line_, start_column, start_target)
                                    || (!other_target.empty() && holds_at(line_, start_column, other_target)));
        if (start_line && outer) {
            if (count >= max_report_subareas) {
                record_error("Report exceeds the limit of 100 subareas");
                return count;
            }
            for (auto& crop : subareas[static_cast<size_t>(count)].schedule_crops)
                crop = schedule_crop{};
            subareas[static_cast<size_t>(count)].crop_count = scan_blocks(21, " 5 ", " 6 ", 1, "1", count, false);
            ++count;
        } else if (start_line && !read_schedule_crop(subarea, count)) {
            return 0;
        }
        if (holds_at(line_, end_column, end_target))
            return count;
    }
    report_.seek(began);
    record_error("Start target not found ", start_target);
    return 0;
}

bool vorn_output_class::read_subarea_areas()
{
    if (wide_layout()) {
        if (!find_line(1, "              SA         WSA")) {
            record_error("Unable to find the subarea area table");
            return false;
        }
        next_line();
        next_line();
    } else if (!find_line(1, "        SA       WSA") || !find_line(1, "       1")) {
        record_error("Unable to find the subarea area table");
        return false;
    }
    for (int s = 0; s < subarea_count; ++s) {
        float area = 0.0f;
        if (std::sscanf(line_.c_str(), "%*s %*s %f", &area) == 1 && all_finite({area}))
            subareas[static_cast<size_t>(s)].area = std::fabs(area);
        next_line();
    }
    return true;
}

bool vorn_output_class::read_soil_properties(int subarea)
{
    subarea_output& sa = subareas[static_cast<size_t>(subarea)];
    find_line(3, vorn_version == 2110 ? " NO     (M)" : " NO     (m)");
    skip_lines(2);
    float v[6] = {};
    if (std::sscanf(line_.c_str(), "%*s %f %*s %f %f %*s %*s %*s %f %*s %f %*s %f", &v[0], &v[1], &v[2], &v[3], &v[4],
                    &v[5]) != 6
        || !all_finite({v[0], v[1], v[2], v[3], v[4], v[5]})) {
        record_error("Cannot read 1st soil array\n");
        return false;
    }
    sa.soil_depth = v[0];
    sa.soil_water_1 = v[1];
    sa.soil_water_2 = v[2];
    sa.soil_bulk_density = v[3];
    sa.soil_sand = v[4];
    sa.soil_clay = v[5];
    find_line(3, " NO");
    skip_lines(2);
    float ph = 0.0f;
    if (std::sscanf(line_.c_str(), "%*s %*s %f", &ph) != 1 || !all_finite({ph})) {
        record_error("Cannot read 2nd soil array\n");
        return false;
    }
    sa.soil_ph = ph;
    return true;
}

} // namespace ivorn
