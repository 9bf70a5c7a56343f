#pragma once

#include "benchmarks/synth/SplitMix64.h"

#include <string>

namespace musarix::synth {

// Makes up the names of a large catalogue. The lists are tuned to resemble
// a German-language music encyclopedia rather than uniform noise: surnames
// are mostly German (with umlauts and ß), about one in ten starts with
// "Sch" and a few percent contain "mann", which is what the prefix and
// anywhere search patterns of the benchmark select. Lengths follow real
// names (a person name is typically 12 to 30 bytes).
class NameForge
{
public:
    // "Surname, Given names", sometimes with a lower-case particle
    // ("van Dyk, Paul") so that case-blind sorting is exercised.
    static std::string personName(SplitMix64& rng);
    static std::string bandName(SplitMix64& rng);
    static std::string albumTitle(SplitMix64& rng);
    static std::string trackTitle(SplitMix64& rng);
    static std::string surname(SplitMix64& rng);
    static std::string givenNames(SplitMix64& rng);

private:
    static std::string words(SplitMix64& rng, int count);
};

} // namespace musarix::synth
