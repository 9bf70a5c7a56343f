// musarix-synth <output.db>: writes the large synthetic catalogue that the
// list benchmarks run on.

#include "benchmarks/synth/SyntheticCatalogue.h"
#include "odbc/CatalogSchema.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.db>\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const musarix::synth::CatalogueSize size;
    std::printf("Writing %lld persons, %lld bands, %lld albums and %lld recordings to %s ...\n",
                static_cast<long long>(size.persons), static_cast<long long>(size.bands),
                static_cast<long long>(size.albums), static_cast<long long>(size.recordings),
                path.c_str());
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    try {
        musarix::synth::SyntheticCatalogue(size).write(path, CatalogSchemaSql());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "musarix-synth: %s\n", e.what());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("Done in %.1f s.\n", took.count());
    return 0;
}
