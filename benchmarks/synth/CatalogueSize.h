#pragma once

#include <cstdint>

namespace musarix::synth {

// How large the synthetic catalogue is. The defaults are the size the list
// benchmarks are quoted for; smaller sizes keep tests of the generator fast.
struct CatalogueSize
{
    std::int64_t persons = 200'000;
    std::int64_t bands = 50'000;
    std::int64_t albums = 100'000;
    std::int64_t recordings = 1'000'000;
};

} // namespace musarix::synth
