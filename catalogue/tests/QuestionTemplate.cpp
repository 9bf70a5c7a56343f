#include "catalogue/tests/QuestionTemplate.h"

#include <array>
#include <string_view>

namespace {

// Replaces every occurrence, searching only 255 characters ahead of the
// current position, as the program does; a placeholder further back than
// that stays, and the check then fails on the statement.
void ReplaceAll(std::string& Text, std::string_view Pattern, const std::string& Value)
{
    if (Pattern.empty())
        return;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t found = Text.find(Pattern, pos);
        if (found == std::string::npos || found + Pattern.size() > pos + 255)
            return;
        Text.replace(found, Pattern.size(), Value);
        pos = found + Value.size();
    }
}

std::string Quoted(const std::string& Value)
{
    return "\"" + Value + "\"";
}

// "01h 03m 25s" -> "010325" between double quotes.
std::string Duration(std::string Value)
{
    ReplaceAll(Value, "h ", {});
    ReplaceAll(Value, "m ", {});
    ReplaceAll(Value, "s", {});
    return Quoted(Value);
}

void FillItem(std::string& Line, const TQuestionItem& Item)
{
    static constexpr std::array<std::string_view, 35> Placeholders = {
        "",         "<PersName>", "<PersID>",   "<BandName>",   "<BandID>",  "<TiteName>",
        "<TiteID>", "<AlbuName>", "<AlbuID>",   "<InstNameD>",  "<InstID>",  "<StudName>",
        "<StudID>", "<LabeName>", "<LabeID>",   "<CateName>",   "<CateID>",  "<LandID>",
        "<CityID>", "<J>",        "<M>",        "<T>",          "<W>",       "<Dauer>",
        "<TypeID>", "<HilfName>", "<HilfID>",   "<InstNameE>",  "<CateID2>", "<J2>",
        "<BeruID>", "<Dauer2>",   "<FachName>", "<StueckName>", "<LabeCode>"};
    if (Item.Topic < 1 || Item.Topic > 34)
        return;
    const std::string_view placeholder = Placeholders[static_cast<std::size_t>(Item.Topic)];
    switch (Item.Topic) {
    case 2:
    case 4:
    case 6:
    case 8:
    case 10:
    case 12:
    case 14:
    case 16:
    case 17:
    case 18:
    case 20:
    case 22:
    case 24:
    case 26:
    case 28:
    case 30:
        ReplaceAll(Line, placeholder, Item.Subst);
        break;
    case 19:
    case 29:
        ReplaceAll(Line, placeholder, Item.Name);
        break;
    case 21: {
        const std::size_t comma = Item.Subst.find(',');
        const std::string day = Item.Subst.substr(0, comma).substr(0, 2);
        const std::string month =
            comma == std::string::npos ? std::string() : Item.Subst.substr(comma + 1, 2);
        ReplaceAll(Line, "<T>", day);
        ReplaceAll(Line, "<M>", month);
        break;
    }
    case 23:
    case 31:
        ReplaceAll(Line, placeholder, Duration(Item.Name));
        break;
    default:
        ReplaceAll(Line, placeholder, Quoted(Item.Name));
        break;
    }
}

} // namespace

std::vector<std::string> QuestionLines(const std::string& Template,
                                       const std::vector<TQuestionItem>& Items)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tilde = Template.find('~', start);
        std::string line =
            Template.substr(start, tilde == std::string::npos ? std::string::npos : tilde - start);
        for (const TQuestionItem& item : Items)
            FillItem(line, item);
        lines.push_back(std::move(line));
        if (tilde == std::string::npos)
            return lines;
        start = tilde + 1;
    }
}

std::string QuestionStatement(const std::string& Template, const std::vector<TQuestionItem>& Items)
{
    std::string statement;
    for (const std::string& line : QuestionLines(Template, Items)) {
        if (!statement.empty())
            statement += ' ';
        statement += line;
    }
    return statement;
}
