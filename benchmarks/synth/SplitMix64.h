#pragma once

#include <cstdint>

namespace musarix::synth {

// The synthetic catalogue must come out byte-identical on every machine so
// that benchmark numbers from different runs describe the same data. The
// std:: distributions are implementation-defined, so the generator draws
// from this fixed algorithm (Steele, Lea and Flood's SplitMix64) and derives
// everything else with plain integer arithmetic.
class SplitMix64
{
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A value in [0, bound). The modulo bias is below 2^-40 for the small
    // bounds used here and, unlike rejection sampling, keeps the number of
    // draws per value fixed, which keeps the streams easy to reason about.
    std::uint64_t below(std::uint64_t bound) { return bound == 0 ? 0 : next() % bound; }

    // A value in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high)
    {
        const auto span = static_cast<std::uint64_t>(high - low) + 1U;
        return low + static_cast<std::int64_t>(below(span));
    }

    // True with the given chance in per mille.
    bool chance(unsigned perMille) { return below(1000) < perMille; }

    // An independent stream, so that adding a column to one table does not
    // shift every value of the tables generated after it.
    SplitMix64 fork(std::uint64_t salt)
    {
        return SplitMix64(next() ^ (salt * 0xD1B54A32D192ED03ULL));
    }

private:
    std::uint64_t state_;
};

} // namespace musarix::synth
