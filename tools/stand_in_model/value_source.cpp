// FNV-1a over the inputs, splitmix64 to spread each place's hash.
#include "value_source.h"

namespace ivorn::stand_in {
namespace {

std::uint64_t fnv1a(std::uint64_t hash, std::string_view text)
{
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace

void value_source::absorb(std::string_view text) { seed_ = mix(fnv1a(seed_, text)); }

void value_source::absorb(long number) { seed_ = mix(seed_ ^ static_cast<std::uint64_t>(number)); }

double value_source::unit(std::string_view name, long a, long b, long c) const
{
    std::uint64_t hash = fnv1a(seed_, name);
    hash = mix(hash ^ static_cast<std::uint64_t>(a));
    hash = mix(hash ^ static_cast<std::uint64_t>(b));
    hash = mix(hash ^ static_cast<std::uint64_t>(c));
    return static_cast<double>(hash >> 11) / 9007199254740992.0;
}

double value_source::between(double low, double high, std::string_view name, long a, long b, long c) const
{
    return low + (high - low) * unit(name, a, b, c);
}

bool value_source::happens(double probability, std::string_view name, long a, long b, long c) const
{
    return unit(name, a, b, c) < probability;
}

} // namespace ivorn::stand_in
