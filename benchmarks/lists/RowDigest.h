#pragma once

#include <cstdint>
#include <string_view>

namespace musarix::bench {

// An order-sensitive hash over (name, id) rows. Every reader of the list
// feeds it, so a run that returned other rows than plain SQLite, or rows in
// another order, shows up as a differing value instead of a fast number.
class RowDigest
{
public:
    void add(std::string_view name, std::int64_t id)
    {
        for (const char c : name) {
            mix(static_cast<unsigned char>(c));
        }
        mix(0x100U + static_cast<std::uint64_t>(id));
    }

    std::uint64_t value() const { return hash_; }

private:
    void mix(std::uint64_t v)
    {
        hash_ ^= v;
        hash_ *= 0x100000001B3ULL;
    }

    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

} // namespace musarix::bench
