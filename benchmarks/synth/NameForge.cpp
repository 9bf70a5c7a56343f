#include "benchmarks/synth/NameForge.h"

#include <array>
#include <string_view>

namespace musarix::synth {

namespace {

template <std::size_t N>
std::string_view pick(SplitMix64& rng, const std::array<std::string_view, N>& list)
{
    return list[static_cast<std::size_t>(rng.below(N))];
}

constexpr std::array<std::string_view, 160> kSurnames = {
    "Müller",     "Schmidt",   "Schneider", "Fischer",     "Weber",     "Meyer",       "Wagner",
    "Becker",     "Schulz",    "Hoffmann",  "Schäfer",     "Koch",      "Bauer",       "Richter",
    "Klein",      "Wolf",      "Schröder",  "Neumann",     "Schwarz",   "Zimmermann",  "Braun",
    "Krüger",     "Hofmann",   "Hartmann",  "Lange",       "Schmitt",   "Werner",      "Schmitz",
    "Krause",     "Meier",     "Lehmann",   "Schmid",      "Schulze",   "Maier",       "Köhler",
    "Herrmann",   "König",     "Walter",    "Mayer",       "Huber",     "Kaiser",      "Fuchs",
    "Peters",     "Lang",      "Scholz",    "Möller",      "Weiß",      "Jung",        "Hahn",
    "Schubert",   "Vogel",     "Friedrich", "Keller",      "Günther",   "Frank",       "Berger",
    "Winkler",    "Roth",      "Beck",      "Lorenz",      "Baumann",   "Franke",      "Albrecht",
    "Schuster",   "Simon",     "Ludwig",    "Böhm",        "Winter",    "Kraus",       "Martin",
    "Schumacher", "Krämer",    "Vogt",      "Stein",       "Jäger",     "Otto",        "Sommer",
    "Groß",       "Seidel",    "Heinrich",  "Brandt",      "Haas",      "Schreiber",   "Graf",
    "Schulte",    "Dietrich",  "Ziegler",   "Kuhn",        "Kühn",      "Pohl",        "Engel",
    "Horn",       "Busch",     "Bergmann",  "Thomas",      "Voigt",     "Sauer",       "Arnold",
    "Wolff",      "Pfeiffer",  "Strauß",    "Süß",         "Grünewald", "Blümel",      "Rößler",
    "Nüßlein",    "Oßwald",    "Schüßler",  "Bach",        "Händel",    "Brahms",      "Mahler",
    "Schönberg",  "Weill",     "Eisler",    "Hindemith",   "Orff",      "Stockhausen", "Henze",
    "Reger",      "Bruckner",  "Dvořák",    "Janáček",     "Bartók",    "Sibelius",    "Ravel",
    "Debussy",    "Satie",     "Elgar",     "Purcell",     "Smith",     "Jones",       "Brown",
    "Davis",      "Miller",    "Wilson",    "Taylor",      "Johnson",   "Williams",    "Rossi",
    "Bianchi",    "Dubois",    "Lefèvre",   "García",      "Fernández", "Novák",       "Kowalski",
    "Nielsen",    "Andersson", "Ivanov",    "Łukasiewicz", "Øvergaard", "Çelik",       "Nakamura",
    "O'Brien",    "McCartney", "Gößling",   "Mäurer",      "Täuber",    "Düring",
};

constexpr std::array<std::string_view, 48> kSurnameHeads = {
    "Schön",   "Schwarz", "Weiß",   "Groß",   "Klein",  "Grün",  "Braun", "Roth",
    "Hoch",    "Lind",    "Rosen",  "Eichen", "Birken", "Stein", "Wald",  "Feld",
    "Berg",    "Bach",    "Brück",  "Mühl",   "Sonn",   "Stern", "Schul", "Schnee",
    "Schreib", "Schwan",  "Schütz", "Fröh",   "Süß",    "Kling", "Sang",  "Hof",
    "Kauf",    "Acker",   "Zimmer", "Heil",   "Licht",  "Nord",  "Ost",   "Süd",
    "Haber",   "Eck",     "Dör",    "Löw",    "Bräu",   "Köl",   "Straß", "Lauten",
};

constexpr std::array<std::string_view, 40> kSurnameTails = {
    "mann",   "er",    "berg",   "bach",     "feld",    "hofer",  "meier",  "müller",
    "wald",   "stein", "huber",  "ling",     "thal",    "hausen", "ner",    "ke",
    "el",     "inger", "mayr",   "bauer",    "schmidt", "reuter", "gruber", "städt",
    "dörfer", "brück", "heim",   "loh",      "rieder",  "weiß",   "kötter", "bühl",
    "länder", "lein",  "hammer", "schläger", "gärtner", "ß",      "ecker",  "ow",
};

constexpr std::array<std::string_view, 120> kGivenNames = {
    "Johann",    "Sebastian",  "Wolfgang",  "Amadeus",    "Ludwig",      "Franz",
    "Jürgen",    "Jörg",       "Günter",    "Björn",      "Sören",       "Uwe",
    "Klaus",     "Dieter",     "Hans",      "Peter",      "Michael",     "Thomas",
    "Andreas",   "Stefan",     "Matthias",  "Tobias",     "Lukas",       "Maximilian",
    "Felix",     "Jonas",      "Leon",      "Paul",       "Emil",        "Anton",
    "Konrad",    "Friedrich",  "Wilhelm",   "Heinrich",   "Karl",        "Otto",
    "Ernst",     "Hermann",    "Gustav",    "Richard",    "Robert",      "Carl",
    "Philipp",   "Emanuel",    "Maria",     "Clara",      "Anna",        "Sophie",
    "Charlotte", "Luise",      "Käthe",     "Lieselotte", "Ursula",      "Gisela",
    "Brigitte",  "Renate",     "Ingrid",    "Helga",      "Sabine",      "Petra",
    "Monika",    "Birgit",     "Anke",      "Jutta",      "Doris",       "Hannelore",
    "Bärbel",    "Dörte",      "Jördis",    "Annegret",   "Mareike",     "Lena",
    "Hannah",    "Mia",        "Emma",      "Lea",        "Marie",       "Johanna",
    "Greta",     "Frieda",     "Mathilde",  "Elisabeth",  "Magdalena",   "Dagmar",
    "Heike",     "Silke",      "Ute",       "Susanne",    "Nina",        "Zoë",
    "Chloé",     "Renée",      "José",      "André",      "René",        "Angélique",
    "John",      "George",     "Ringo",     "Mick",       "Keith",       "David",
    "Freddie",   "Elton",      "Aretha",    "Ella",       "Billie",      "Nat",
    "Miles",     "Thelonious", "Dizzy",     "Herbie",     "Joni",        "Nico",
    "Götz",      "Jürgen-Uwe", "Hans-Jörg", "Kai-Uwe",    "Marie-Luise", "Ann-Kathrin",
};

constexpr std::array<std::string_view, 8> kParticles = {
    "von", "van", "de", "von der", "zu", "di", "van der", "vom",
};

constexpr std::array<std::string_view, 96> kWords = {
    "Liebe",     "Nacht",     "Sommer",    "Winter",    "Herz",    "Träume",   "Straße",
    "Frühling",  "Sehnsucht", "Mädchen",   "König",     "Größe",   "Rückkehr", "Glück",
    "Tränen",    "Fluß",      "Märchen",   "Schön",     "Süßer",   "Grüße",    "Weißen",
    "Wälder",    "Überall",   "Öffnung",   "Mond",      "Sonne",   "Sterne",   "Himmel",
    "Erde",      "Feuer",     "Wasser",    "Wind",      "Regen",   "Schnee",   "Meer",
    "Berge",     "Stadt",     "Land",      "Heimat",    "Fremde",  "Reise",    "Abschied",
    "Ankunft",   "Morgen",    "Abend",     "Stunde",    "Zeit",    "Ewigkeit", "Tanz",
    "Lied",      "Klang",     "Stimme",    "Schweigen", "Ruf",     "Walzer",   "Sonate",
    "Fuge",      "Rhapsodie", "Ballade",   "Serenade",  "für",     "und",      "der",
    "die",       "das",       "im",        "am",        "ohne",    "mit",      "über",
    "unter",     "zwischen",  "Love",      "Night",     "Blue",    "Heart",    "Road",
    "Dream",     "Fire",      "Rain",      "Song",      "River",   "Moon",     "Soul",
    "Dämmerung", "Jägerlied", "Brünnlein", "Bäumchen",  "Gäßchen", "Fräulein", "Mann",
    "Männer",    "Frau",      "Kinder",    "Freunde",   "Engel",
};

constexpr std::array<std::string_view, 24> kBandAdjectives = {
    "Fantastischen", "Toten",  "Wilden", "Blauen", "Roten",   "Goldenen", "Schönen",   "Bösen",
    "Fröhlichen",    "Späten", "Müden",  "Großen", "Kleinen", "Weißen",   "Schwarzen", "Dunklen",
    "Lauten",        "Leisen", "Ewigen", "Jungen", "Alten",   "Süßen",    "Heißen",    "Kühlen",
};

constexpr std::array<std::string_view, 24> kBandNouns = {
    "Hosen",      "Ärzte",      "Prinzen",       "Vier",    "Brüder",   "Schwestern",
    "Engel",      "Jungs",      "Mädchen",       "Söhne",   "Bären",    "Füchse",
    "Wölfe",      "Vögel",      "Sterne",        "Löwen",   "Räuber",   "Gespenster",
    "Musikanten", "Spielleute", "Straßenkinder", "Träumer", "Matrosen", "Männer",
};

constexpr std::array<std::string_view, 16> kEnsembleKinds = {
    "Quartett", "Trio",         "Quintett",    "Orchester",       "Ensemble", "Chor",
    "Band",     "Combo",        "Big Band",    "Kammerorchester", "Consort",  "Sextett",
    "Singers",  "Philharmonie", "Sinfonietta", "Brass",
};

} // namespace

std::string NameForge::surname(SplitMix64& rng)
{
    std::string name;
    if (rng.chance(30)) {
        name += pick(rng, kParticles);
        name += ' ';
    }
    if (rng.chance(550)) {
        name += pick(rng, kSurnames);
    } else {
        name += pick(rng, kSurnameHeads);
        name += pick(rng, kSurnameTails);
    }
    if (rng.chance(40)) {
        name += '-';
        name += pick(rng, kSurnames);
    }
    return name;
}

std::string NameForge::givenNames(SplitMix64& rng)
{
    const auto roll = rng.below(100);
    const int count = roll < 70 ? 1 : roll < 95 ? 2 : 3;
    std::string names;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            names += ' ';
        }
        names += pick(rng, kGivenNames);
    }
    return names;
}

std::string NameForge::personName(SplitMix64& rng)
{
    std::string name = surname(rng);
    name += ", ";
    name += givenNames(rng);
    return name;
}

std::string NameForge::words(SplitMix64& rng, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += pick(rng, kWords);
    }
    return text;
}

std::string NameForge::bandName(SplitMix64& rng)
{
    switch (rng.below(6)) {
    case 0: {
        std::string name = "Die ";
        name += pick(rng, kBandAdjectives);
        name += ' ';
        name += pick(rng, kBandNouns);
        return name;
    }
    case 1: {
        std::string name(pick(rng, kSurnames));
        name += '-';
        name += pick(rng, kEnsembleKinds);
        return name;
    }
    case 2: {
        std::string name(pick(rng, kEnsembleKinds));
        name += ' ';
        name += pick(rng, kSurnameHeads);
        name += pick(rng, kSurnameTails);
        return name;
    }
    case 3: {
        std::string name = "The ";
        name += words(rng, 2);
        return name;
    }
    case 4: {
        std::string name(pick(rng, kSurnameHeads));
        name += pick(rng, kBandNouns);
        return name;
    }
    default:
        return words(rng, static_cast<int>(rng.between(1, 3)));
    }
}

std::string NameForge::albumTitle(SplitMix64& rng)
{
    return words(rng, static_cast<int>(rng.between(1, 5)));
}

std::string NameForge::trackTitle(SplitMix64& rng)
{
    std::string title = words(rng, static_cast<int>(rng.between(1, 6)));
    if (rng.chance(60)) {
        title += " (Live)";
    } else if (rng.chance(40)) {
        title += " op. ";
        title += std::to_string(rng.between(1, 140));
    }
    return title;
}

} // namespace musarix::synth
