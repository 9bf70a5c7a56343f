// musarix-build <source-folder> <output-data-dir>
//
// Builds the catalogue (Musarix.db and the stores Musarix.St, Musarix.Sb,
// Musarix.Sy) from a catalogue source folder; see catalogue/README.md.

#include "tools/BuildError.h"
#include "tools/CatalogBuilder.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(
            stderr,
            "usage: musarix-build <source-folder> <output-data-dir>\n"
            "Builds Musarix.db, Musarix.St, Musarix.Sb and Musarix.Sy from a catalogue source\n"
            "(format: catalogue/README.md). The output folder is replaced only after a\n"
            "complete, successful build.\n");
        return 2;
    }
    const std::string source = argv[1];
    const std::string output = argv[2];
    try {
        const TBuildSummary summary = BuildCatalogue(source, output);
        int rows = 0;
        for (const auto& [table, count] : summary.RowsPerTable)
            rows += count;
        std::printf("musarix-build: %s -> %s\n", source.c_str(), output.c_str());
        std::printf("  %d rows in %zu tables\n", rows, summary.RowsPerTable.size());
        std::printf("  Musarix.St: %d texts, %d pictures, %lld bytes\n", summary.Texts,
                    summary.Pictures, static_cast<long long>(summary.TextStoreBytes));
        std::printf("  Musarix.Sb: %d sounds, %lld bytes\n", summary.Sounds,
                    static_cast<long long>(summary.SoundStoreBytes));
        std::printf("  Musarix.Sy: %d system items, %lld bytes\n", summary.SystemItems,
                    static_cast<long long>(summary.SystemStoreBytes));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "musarix-build: error: %s\n", e.what());
        std::fprintf(stderr, "musarix-build: nothing was written; %s is unchanged.\n",
                     output.c_str());
        return 1;
    }
}
