// The ten herd slots of a control record with their shared herd owner number: written to and read
// from the site file, stored as the record's "Livestock" rows.
#pragma once

#include <array>

namespace ivorn {

constexpr int herd_slot_count = 10;

struct herd_slot {
    int herd_id = 0;
    int number_of_animals = 0;
    float fraction_herd_in_feeding_area = 0.0f;
    float grazing_rate = 0.0f;
    float daily_manure_dump = 0.0f;
    int manure_id = 0;
    float urine_volume = 0.0f;
};

struct herd_slots {
    int owner_number = 0;
    std::array<herd_slot, herd_slot_count> slots{};
};

} // namespace ivorn
