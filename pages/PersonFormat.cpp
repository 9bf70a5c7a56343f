#include "pages/PersonFormat.h"

#include "odbc/OCL.h"
#include "shell/Global.h"
#include "shell/SqlText.h"
#include "shell/TextUtil.h"

namespace {

// PEBE_POS of the profession a person had before the current ones.
constexpr int FormerProfessionPos = 4;

const QString Dagger = QString(QChar(0x2020));

QString Col(THstmt& Stmt, const char* Name)
{
    return QString::fromStdString(Stmt.ColStringByName(Name));
}

int ColInt(THstmt& Stmt, const char* Name)
{
    return Stmt.ColIntegerByName(Name);
}

QString LookupByKey(const char* Sql, int Key)
{
    return LookupText(QString::fromLatin1(Sql) + QString::number(Key), 1);
}

// Day, month and year of one end of a life, read before any lookup runs:
// the lookups take SharedStmt, which may be the statement on the person.
struct TLifeEnd
{
    QString Day;
    QString MonthText;
    int Month = 0;
    QString Year;
    QString PlaceText;
    int Place = 0;
};

TLifeEnd ReadLifeEnd(THstmt& Person, const char* Day, const char* Month, const char* Year,
                     const char* Place)
{
    TLifeEnd end;
    end.Day = Col(Person, Day);
    end.MonthText = Col(Person, Month);
    end.Month = ColInt(Person, Month);
    end.Year = Col(Person, Year);
    end.PlaceText = Col(Person, Place);
    end.Place = ColInt(Person, Place);
    return end;
}

// The line without its sign; Place is what stands for the place.
QString DateAndPlace(const TLifeEnd& End, const QString& Place)
{
    QString line;
    if (!End.Day.isEmpty())
        line += End.Day + QStringLiteral(". ");
    if (!End.MonthText.isEmpty())
        line += MonthName(End.Month) + QLatin1Char(' ');
    if (!End.Year.isEmpty())
        line += End.Year + QLatin1Char(' ');
    return line + Place;
}

// Accented letters and their plain forms, in pairs.
constexpr char16_t FoldTable[][2] = {
    {u'À', u'A'}, {u'Á', u'A'}, {u'Â', u'A'}, {u'Ä', u'A'}, {u'Å', u'A'}, {u'Ç', u'C'},
    {u'È', u'E'}, {u'É', u'E'}, {u'Ê', u'E'}, {u'Ë', u'E'}, {u'Ì', u'I'}, {u'Í', u'I'},
    {u'Î', u'I'}, {u'Ï', u'I'}, {u'Ñ', u'N'}, {u'Ò', u'O'}, {u'Ó', u'O'}, {u'Ô', u'O'},
    {u'Ö', u'O'}, {u'Ù', u'U'}, {u'Ú', u'U'}, {u'Û', u'U'}, {u'Ü', u'U'}, {u'à', u'a'},
    {u'á', u'a'}, {u'â', u'a'}, {u'ä', u'a'}, {u'å', u'a'}, {u'ç', u'c'}, {u'è', u'e'},
    {u'é', u'e'}, {u'ê', u'e'}, {u'ë', u'e'}, {u'ì', u'i'}, {u'í', u'i'}, {u'î', u'i'},
    {u'ï', u'i'}, {u'ñ', u'n'}, {u'ò', u'o'}, {u'ó', u'o'}, {u'ô', u'o'}, {u'ö', u'o'},
    {u'ù', u'u'}, {u'ú', u'u'}, {u'û', u'u'}, {u'ü', u'u'},
};

} // namespace

const std::array<QString, 13> MonthNames = {
    QString(),
    QStringLiteral("Januar"),
    QStringLiteral("Februar"),
    QStringLiteral("März"),
    QStringLiteral("April"),
    QStringLiteral("Mai"),
    QStringLiteral("Juni"),
    QStringLiteral("Juli"),
    QStringLiteral("August"),
    QStringLiteral("September"),
    QStringLiteral("Oktober"),
    QStringLiteral("November"),
    QStringLiteral("Dezember"),
};

QString MonthName(int Month)
{
    if (Month < 0 || Month >= static_cast<int>(MonthNames.size()))
        return QString();
    return MonthNames[static_cast<std::size_t>(Month)];
}

QString FormatPersonName(const QString& Name)
{
    const qsizetype comma = Name.indexOf(QLatin1Char(','));
    if (comma < 0)
        return Name;
    return TrimBlanks(Name.mid(comma + 1, 255)) + QLatin1Char(' ') + TrimBlanks(Name.left(comma));
}

QString FoldAccents(const QString& Text)
{
    QString folded = Text;
    for (QChar& letter : folded) {
        for (const auto& pair : FoldTable) {
            if (letter.unicode() == pair[0]) {
                letter = QChar(pair[1]);
                break;
            }
        }
    }
    folded.replace(QChar(u'ß'), QStringLiteral("ss"));
    return folded;
}

QString LookupText(const QString& Sql, int Column)
{
    SetSQLText(*SharedStmt, Sql);
    SharedStmt->Prepare();
    SharedStmt->Execute();
    if (!SharedStmt->FetchFirst())
        return QString();
    return QString::fromStdString(SharedStmt->ColString(Column));
}

QString CityName(int CityId)
{
    return LookupByKey("SELECT CITY_NAME FROM CITY WHERE CITY_ID = ", CityId);
}

QString CountryCode(int LandId)
{
    return LookupByKey("SELECT LAND_ABK FROM COUNTRY WHERE LAND_ID = ", LandId);
}

QString BandName(int BandId)
{
    return LookupByKey("SELECT BAND_NAME FROM BAND WHERE BAND_ID = ", BandId);
}

QString TitleName(int TitleId)
{
    return LookupByKey("SELECT TITE_NAME FROM TITLE WHERE TITE_ID = ", TitleId);
}

QString AlbumName(int AlbumId)
{
    return LookupByKey("SELECT ALBU_NAME FROM ALBUM WHERE ALBU_ID = ", AlbumId);
}

QString CivilNameLine(THstmt& Person)
{
    const QString civil = Col(Person, "PERS_BUERG");
    if (civil.isEmpty())
        return QString();
    QString word;
    switch (ColInt(Person, "PERS_ALIAS")) {
    case 1:
        word = QStringLiteral("eigentlich");
        break;
    case 2:
        word = QStringLiteral("auch");
        break;
    default:
        word = QStringLiteral("bürgerlich");
        break;
    }
    return QLatin1Char('(') + word + QStringLiteral(": ") + FormatPersonName(civil) +
           QLatin1Char(')');
}

QString NationalityAndProfessions(THstmt& Person)
{
    // Everything the profession query needs is read from the person's row
    // before SharedStmt takes the lookups and the query: Person may be
    // SharedStmt itself.
    const int landId = ColInt(Person, "LAND_ID");
    const int landId2 = ColInt(Person, "LAND_ID2");
    const bool female = ColInt(Person, "PERS_GESCH") == 1;
    const int personId = ColInt(Person, "PERS_ID");

    QString line = CountryCode(landId);
    if (!line.isEmpty()) {
        const QString second = CountryCode(landId2);
        if (!second.isEmpty())
            line += QLatin1Char('-') + second;
        line += QLatin1Char(' ');
    }

    THstmt& stmt = *SharedStmt;
    SetSQLText(stmt, female ? QStringLiteral("SELECT BERUF.BERU_ID, BERUF.BERU_NAMEF, "
                                             "PERSBERU.PEBE_POS")
                            : QStringLiteral("SELECT BERUF.BERU_ID, BERUF.BERU_NAMEM, "
                                             "PERSBERU.PEBE_POS"));
    AppendSQLText(stmt, QStringLiteral(" FROM PERSBERU, BERUF WHERE"));
    AppendSQLText(stmt, QStringLiteral("PERSBERU.PERS_ID = ") + QString::number(personId) +
                            QStringLiteral(" AND"));
    AppendSQLText(stmt, QStringLiteral("BERUF.BERU_ID = PERSBERU.BERU_ID"));
    AppendSQLText(stmt, QStringLiteral("ORDER BY PEBE_POS"));
    stmt.Prepare();
    stmt.Execute();

    int listed = 0;
    qsizetype lastSeparator = -1;
    QString former;
    while (stmt.FetchNext()) {
        for (int row = 1; row <= stmt.NumRowsFetched(); ++row) {
            const QString name = QString::fromStdString(stmt.CellString(2, row));
            if (stmt.CellInteger(3, row) == FormerProfessionPos) {
                former = name;
                continue;
            }
            if (name.isEmpty())
                continue;
            if (listed > 0) {
                lastSeparator = line.size();
                line += QStringLiteral(", ");
            }
            line += name;
            ++listed;
        }
    }
    if (listed == 0)
        return QString();
    if (listed >= 2) {
        line.replace(lastSeparator, 2, QStringLiteral(" und "));
        if (!former.isEmpty())
            line += QStringLiteral(" (urspr. ") + former + QLatin1Char(')');
    }
    return line;
}

QString BirthLine(THstmt& Person)
{
    const TLifeEnd birth =
        ReadLifeEnd(Person, "PERS_GEBT", "PERS_GEBM", "PERS_GEBJ", "PERS_GEBORT");
    const QString place = birth.PlaceText.isEmpty() ? QString() : CityName(birth.Place);
    const QString line = DateAndPlace(birth, place);
    return line.isEmpty() ? line : QStringLiteral("* ") + line;
}

QString DeathLine(THstmt& Person, bool SamePlace)
{
    const TLifeEnd death =
        ReadLifeEnd(Person, "PERS_TODT", "PERS_TODM", "PERS_TODJ", "PERS_TODORT");
    const int birthPlace = ColInt(Person, "PERS_GEBORT");
    QString place;
    if (!death.PlaceText.isEmpty()) {
        place =
            SamePlace && death.Place == birthPlace ? QStringLiteral("ebd.") : CityName(death.Place);
    }
    const QString line = DateAndPlace(death, place);
    return line.isEmpty() ? line : Dagger + QLatin1Char(' ') + line;
}

QString LifeYears(THstmt& Person)
{
    const QString born = Col(Person, "PERS_GEBJ");
    const QString died = Col(Person, "PERS_TODJ");
    if (born.isEmpty() && died.isEmpty())
        return QString();
    if (died.isEmpty())
        return QStringLiteral("* ") + born;
    if (born.isEmpty())
        return Dagger + QLatin1Char(' ') + died;
    return born + QLatin1Char('-') + died;
}
