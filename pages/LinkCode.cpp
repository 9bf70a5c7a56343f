#include "pages/LinkCode.h"

#include <stdexcept>

namespace {

// The kind pushed for each letter that carries a key.
int KindOfKeyLetter(QChar Letter)
{
    switch (Letter.unicode()) {
    case 'p':
        return 1;
    case 'b':
        return 3;
    case 'a':
        return 4;
    case 't':
        return 5;
    case 'v':
        return 100;
    case 'i':
        return 0;
    case 'g':
        return 12;
    case 's':
        return 13;
    case 'l':
        return 14;
    case 'f':
    case 'F':
        return 101;
    default:
        return -1;
    }
}

struct TNameLookup
{
    char Letter;
    int Kind;
    const char* Sql;
};

constexpr TNameLookup NameLookups[] = {
    {'P', 1, "SELECT PERS_ID FROM PERSON WHERE (PERS_NAME = "},
    {'B', 3, "SELECT BAND_ID FROM BAND WHERE (BAND_NAME = "},
    {'A', 4, "SELECT ALBU_ID FROM ALBUM WHERE (ALBU_NAME = "},
    {'T', 5, "SELECT TITE_ID FROM TITLE WHERE (TITE_NAME = "},
    {'I', 0, "SELECT INST_ID FROM INSTRUME WHERE (INST_NAMED = "},
    {'S', 13, "SELECT STUD_ID FROM STUDIO WHERE (STUD_NAME = "},
    {'L', 14, "SELECT LABE_ID FROM LABEL WHERE (LABE_NAME = "},
    {'G', 12, "SELECT CATE_ID FROM CATEGORY WHERE (CATE_NAME = "},
};

} // namespace

int LinkKeyToInt(const QString& Text)
{
    bool ok = false;
    const int value = Text.trimmed().toInt(&ok);
    if (!ok) {
        throw std::runtime_error(
            QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(Text).toStdString());
    }
    return value;
}

TLinkTarget ParseLinkCode(const QString& Code)
{
    TLinkTarget target;
    if (Code.isEmpty())
        return target;
    const QChar letter = Code.at(0);
    const QString rest = Code.mid(2, 256);

    if (const int kind = KindOfKeyLetter(letter); kind >= 0) {
        target.Action = TLinkTarget::TAction::Open;
        target.Kind = kind;
        target.Id = LinkKeyToInt(rest);
        return target;
    }
    if (letter == QLatin1Char('c')) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        // Without a comma the album part is empty, which is no number.
        const QString album = comma < 0 ? QString() : rest.left(comma);
        const QString title = comma < 0 ? rest : rest.mid(comma + 1, 8);
        target.Action = TLinkTarget::TAction::Open;
        target.Kind = 6;
        target.Id = LinkKeyToInt(album);
        target.SubId = LinkKeyToInt(title);
        return target;
    }
    for (const TNameLookup& lookup : NameLookups) {
        if (letter == QLatin1Char(lookup.Letter)) {
            target.Action = TLinkTarget::TAction::OpenByName;
            target.Kind = lookup.Kind;
            target.NameSql =
                QString::fromLatin1(lookup.Sql) + QLatin1Char('"') + rest + QStringLiteral("\")");
            return target;
        }
    }
    if (letter == QLatin1Char('m')) {
        target.Action = TLinkTarget::TAction::Sound;
        target.SoundKind = Code.size() > 1 ? Code.at(1) : QChar();
        // The rest still starts with the colon.
        bool ok = false;
        target.Id = rest.mid(1).trimmed().toInt(&ok);
        if (!ok)
            target.Id = 0;
        return target;
    }
    return target;
}
