#pragma once

// Generated assets in the catalogue source. A picture or sound column may
// name a file or describe a generated placeholder:
//
//   gen: kind=pattern width=180 height=240 seed=mahler     (a picture)
//   synth: timbre=piano tempo=96 C4 E4 G4 C5:2 R:1 C4+E4+G4:4  (a sound)
//
// After the prefix come words: "key=value" options and, for sounds, notes.

#include <map>
#include <string>
#include <vector>

struct TGeneratorRecipe
{
    std::string Prefix; // "gen" or "synth"
    std::map<std::string, std::string> Options;
    std::vector<std::string> Words; // the words that are no options
};

// True when Value starts with Prefix followed by ":" (e.g. "gen:").
bool IsGeneratorValue(const std::string& Value, const std::string& Prefix);

// Splits "prefix: words..." (the prefix is checked by the caller).
TGeneratorRecipe ParseGeneratorRecipe(const std::string& Value);

// Option readers; they throw TBuildError(File, Line, ...) for malformed values
// and for values outside [Min, Max].
int IntOption(const TGeneratorRecipe& Recipe, const std::string& Key, int Default, int Min, int Max,
              const std::string& File, int Line);
double RealOption(const TGeneratorRecipe& Recipe, const std::string& Key, double Default,
                  double Min, double Max, const std::string& File, int Line);
std::string TextOption(const TGeneratorRecipe& Recipe, const std::string& Key,
                       const std::string& Default);

// Throws when Recipe has an option not in Known (a misspelt option would
// otherwise be ignored silently).
void CheckOptions(const TGeneratorRecipe& Recipe, const std::vector<std::string>& Known,
                  const std::string& File, int Line);

// A stable 32-bit hash (FNV-1a) for seeds.
unsigned SeedHash(const std::string& Text);
