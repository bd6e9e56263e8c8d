// Deterministic "simulated" numbers. The stand-in does not simulate anything: each value is a
// hash of the run's own inputs and of where the value goes (subarea, year, month, name), scaled
// into a plausible range. Same inputs, same reports; another record, other reports.
#pragma once

#include <cstdint>
#include <string_view>

namespace ivorn::stand_in {

class value_source {
public:
    value_source() = default;
    explicit value_source(std::uint64_t seed) : seed_(seed) {}

    // Mixes more input text into the seed.
    void absorb(std::string_view text);
    void absorb(long number);

    // A number in [low, high) for the given place.
    double between(double low, double high, std::string_view name, long a = 0, long b = 0, long c = 0) const;
    // Whether an event with the given probability happens at that place.
    bool happens(double probability, std::string_view name, long a = 0, long b = 0, long c = 0) const;

private:
    double unit(std::string_view name, long a, long b, long c) const;
    std::uint64_t seed_ = 0x9e3779b97f4a7c15ULL;
};

} // namespace ivorn::stand_in
