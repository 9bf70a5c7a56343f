#include "tools/Generator.h"

#include "tools/BuildError.h"
#include "tools/SourceText.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <sstream>

bool IsGeneratorValue(const std::string& Value, const std::string& Prefix)
{
    return Value.size() > Prefix.size() && Value.compare(0, Prefix.size(), Prefix) == 0 &&
           Value[Prefix.size()] == ':';
}

TGeneratorRecipe ParseGeneratorRecipe(const std::string& Value)
{
    TGeneratorRecipe recipe;
    const std::size_t colon = Value.find(':');
    recipe.Prefix = Trimmed(Value.substr(0, colon));
    std::istringstream words(colon == std::string::npos ? std::string() : Value.substr(colon + 1));
    std::string word;
    while (words >> word) {
        const std::size_t eq = word.find('=');
        if (eq != std::string::npos && eq > 0)
            recipe.Options[word.substr(0, eq)] = word.substr(eq + 1);
        else
            recipe.Words.push_back(word);
    }
    return recipe;
}

int IntOption(const TGeneratorRecipe& Recipe, const std::string& Key, int Default, int Min, int Max,
              const std::string& File, int Line)
{
    const auto it = Recipe.Options.find(Key);
    if (it == Recipe.Options.end())
        return Default;
    int value = 0;
    const std::string& text = it->second;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < Min || value > Max)
        throw TBuildError(File, Line,
                          Recipe.Prefix + ": " + Key + "=" + text + " is not a whole number from " +
                              std::to_string(Min) + " to " + std::to_string(Max));
    return value;
}

double RealOption(const TGeneratorRecipe& Recipe, const std::string& Key, double Default,
                  double Min, double Max, const std::string& File, int Line)
{
    const auto it = Recipe.Options.find(Key);
    if (it == Recipe.Options.end())
        return Default;
    const std::string& text = it->second;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value >= Min && value <= Max)) {
        std::ostringstream message;
        message << Recipe.Prefix << ": " << Key << "=" << text << " is not a number from " << Min
                << " to " << Max;
        throw TBuildError(File, Line, message.str());
    }
    return value;
}

std::string TextOption(const TGeneratorRecipe& Recipe, const std::string& Key,
                       const std::string& Default)
{
    const auto it = Recipe.Options.find(Key);
    return it == Recipe.Options.end() ? Default : it->second;
}

void CheckOptions(const TGeneratorRecipe& Recipe, const std::vector<std::string>& Known,
                  const std::string& File, int Line)
{
    for (const auto& [key, value] : Recipe.Options)
        if (std::find(Known.begin(), Known.end(), key) == Known.end()) {
            std::string list;
            for (const std::string& k : Known)
                list += (list.empty() ? "" : ", ") + k;
            throw TBuildError(File, Line,
                              Recipe.Prefix + ": unknown option \"" + key + "\" (known: " + list +
                                  ")");
        }
}

unsigned SeedHash(const std::string& Text)
{
    unsigned hash = 2166136261u;
    for (const char c : Text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}
