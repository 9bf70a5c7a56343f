#pragma once

// The catalogue builder: reads a catalogue source folder (format in
// catalogue/README.md) and writes a data directory with Musarix.db,
// Musarix.St, Musarix.Sb and Musarix.Sy.
//
// Everything is written into a fresh temporary directory beside the output
// directory and put in its place only when complete (an existing output
// directory is swapped out atomically and then removed). A failed build
// removes its temporary directory and leaves the output directory exactly as
// it was. The same source gives byte-identical files.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TBuildSummary
{
    std::vector<std::pair<std::string, int>> RowsPerTable; // every table, by name
    int Texts = 0;                                         // distinct text items in Musarix.St
    int Pictures = 0;                                      // distinct picture items in Musarix.St
    int Sounds = 0;                                        // distinct sound items in Musarix.Sb
    int SystemItems = 0;
    std::int64_t TextStoreBytes = 0;
    std::int64_t SoundStoreBytes = 0;
    std::int64_t SystemStoreBytes = 0;
};

// Builds the catalogue of SourceDir into OutputDir. Throws TBuildError (see
// BuildError.h) with file, line and reason when the source is bad or the
// output cannot be written. OutputDir may not exist yet (its parent folder is
// created when missing); an existing OutputDir is replaced only when it holds
// nothing but catalogue files, so that a mistyped path cannot wipe a folder.
TBuildSummary BuildCatalogue(const std::string& SourceDir, const std::string& OutputDir);

// The identification texts written into the three containers.
inline constexpr const char* TextStoreIdentification = "Musarix Texte und Bilder";
inline constexpr const char* SoundStoreIdentification = "Musarix Tonbeispiele";
inline constexpr const char* SystemStoreIdentification = "Musarix System";
