#include "catalogue/tests/LinkTargets.h"

#include "catalogue/tests/BuiltCatalogue.h"

#include <map>

namespace {

// A key code must be a plain number, else it could never match a key and
// would only make the query fail.
bool IsKey(const std::string& Text)
{
    if (Text.empty())
        return false;
    for (const char c : Text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::optional<std::string> LinkTargetQuery(const std::string& Code)
{
    // Lower-case codes name the record by key, upper-case ones by its exact
    // name. Persons only count when they have a page of their own.
    static const std::map<std::string, std::string> ByKey = {
        {"p", "SELECT 1 FROM PERSON WHERE PERS_DATA = 1 AND PERS_ID = "},
        {"b", "SELECT 1 FROM BAND WHERE BAND_ID = "},
        {"a", "SELECT 1 FROM ALBUM WHERE ALBU_ID = "},
        {"t", "SELECT 1 FROM TITLE WHERE TITE_ID = "},
        {"v", "SELECT 1 FROM TITLE WHERE TITE_LYRICS IS NOT NULL AND TITE_ID = "},
        {"i", "SELECT 1 FROM INSTRUME WHERE INST_ID = "},
        {"g", "SELECT 1 FROM CATEGORY WHERE CATE_ID = "},
        {"s", "SELECT 1 FROM STUDIO WHERE STUD_ID = "},
        {"l", "SELECT 1 FROM LABEL WHERE LABE_ID = "},
        {"f", "SELECT 1 FROM FREI WHERE FREI_ID = "},
        {"F", "SELECT 1 FROM FREI WHERE FREI_ID = "},
        {"mi", "SELECT 1 FROM STYLES WHERE STYL_SOUND IS NOT NULL AND INST_ID > 0 AND STYL_ID = "},
        {"mc", "SELECT 1 FROM STYLES WHERE STYL_SOUND IS NOT NULL AND STYL_ID = "},
    };
    static const std::map<std::string, std::string> ByName = {
        {"P", "SELECT 1 FROM PERSON WHERE PERS_DATA = 1 AND PERS_NAME COLLATE BINARY = "},
        {"B", "SELECT 1 FROM BAND WHERE BAND_NAME COLLATE BINARY = "},
        {"A", "SELECT 1 FROM ALBUM WHERE ALBU_NAME COLLATE BINARY = "},
        {"T", "SELECT 1 FROM TITLE WHERE TITE_NAME COLLATE BINARY = "},
        {"I", "SELECT 1 FROM INSTRUME WHERE INST_NAMED COLLATE BINARY = "},
        {"S", "SELECT 1 FROM STUDIO WHERE STUD_NAME COLLATE BINARY = "},
        {"L", "SELECT 1 FROM LABEL WHERE LABE_NAME COLLATE BINARY = "},
        {"G", "SELECT 1 FROM CATEGORY WHERE CATE_NAME COLLATE BINARY = "},
    };

    const std::size_t colon = Code.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::string letters = Code.substr(0, colon);
    const std::string target = Code.substr(colon + 1);

    if (letters == "c") {
        const std::size_t comma = target.find(',');
        if (comma == std::string::npos)
            return std::nullopt;
        const std::string album = target.substr(0, comma);
        const std::string title = target.substr(comma + 1);
        if (!IsKey(album) || !IsKey(title))
            return std::nullopt;
        return "SELECT 1 FROM CONTENTS WHERE ALBU_ID = " + album + " AND TITE_ID = " + title;
    }
    if (const auto key = ByKey.find(letters); key != ByKey.end())
        return IsKey(target) ? std::optional(key->second + target) : std::nullopt;
    if (const auto name = ByName.find(letters); name != ByName.end())
        return name->second + TBuiltCatalogue::Literal(target);
    return std::nullopt;
}
