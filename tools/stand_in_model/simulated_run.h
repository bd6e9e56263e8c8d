// The made-up results of one run, shared by every report so that they agree with each other:
// the crops and pesticides each subarea's schedule names, each harvest, and every monthly value.
// Values come from a value_source seeded with the run's inputs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input_set.h"
#include "value_source.h"

namespace ivorn::stand_in {

inline constexpr int max_crops_per_subarea = 10;

struct crop_in_run {
    long number = 0;
    std::string name;        // one word of at most four characters
    int rotation_year = 0;   // the schedule year that plants it (0: every year)
    float curve_number = 0.0f;
};

struct pesticide_in_run {
    long number = 0;
    std::string name;        // one word of at most sixteen characters
};

struct harvest_values {
    double grain = 0, forage = 0, biomass = 0, water_use = 0, nitrogen_in_yield = 0, phosphorus_in_yield = 0;
    double water_stress = 0, nitrogen_stress = 0, phosphorus_stress = 0, temperature_stress = 0;
    double aeration_stress = 0, salt_stress = 0;
    double nitrogen_applied = 0, phosphorus_applied = 0;
};

class simulated_run {
public:
    explicit simulated_run(const input_set& inputs);

    const input_set& inputs() const { return inputs_; }
    model_version version() const { return inputs_.version; }
    int subarea_count() const { return static_cast<int>(inputs_.subareas.size()); }
    const subarea_input& subarea(int s) const { return inputs_.subareas[static_cast<size_t>(s)]; }
    int duration() const { return inputs_.duration; }
    int calendar_year(int y) const { return inputs_.start_year + y; }

    // The operation's code as the listing shows it: from the tillage file, or, without one, 5
    // (plant in rows) for an operation naming a crop and 0 for the others.
    int listed_code(const field_operation& op) const;
    // The crop an operation plants, when it plants one of the subarea's crops.
    const crop_in_run* planted_crop(int s, const field_operation& op) const;

    // Every crop the subarea's schedule plants, at most ten; a schedule without any gives fallow.
    const std::vector<crop_in_run>& crops(int s) const { return crops_[static_cast<size_t>(s)]; }
    // The crops with a harvest in year index y: those its rotation year plants, else all of them.
    std::vector<const crop_in_run*> harvested(int s, int y) const;
    harvest_values harvest(int s, int y, const crop_in_run& crop) const;

    const std::vector<pesticide_in_run>& pesticides(int s) const { return pesticides_[static_cast<size_t>(s)]; }
    // Every pesticide of the run, in order of first appearance.
    const std::vector<pesticide_in_run>& run_pesticides() const { return run_pesticides_; }
    double pesticide_amount(int s, int y, const pesticide_in_run& pesticide, int amount) const;

    double monthly(int s, int y, int m, std::string_view name) const;
    // The annual column: the total of the months or their mean, by variable.
    double annual(int s, int y, std::string_view name) const;
    double watershed_monthly(int y, int m, std::string_view name) const;
    double watershed_annual(int y, std::string_view name) const;
    // Any other value of a subarea (a per-subarea quantity named by `what`).
    double subarea_value(int s, std::string_view what, long a, long b, double low, double high) const;
    // Any other value of the run as a whole.
    double run_value(std::string_view what, long a, long b, long c, double low, double high) const;

    // A soil layer value at the end of year index y: the input value drifting a little.
    double soil_value(int s, int y, soil_column column, int layer) const;

private:
    const input_set& inputs_;
    value_source run_values_;
    std::vector<value_source> subarea_values_;
    std::vector<std::vector<crop_in_run>> crops_;
    std::vector<std::vector<pesticide_in_run>> pesticides_;
    std::vector<pesticide_in_run> run_pesticides_;
};

} // namespace ivorn::stand_in
