#include "odbc/OCL.h"
#include "pages/PersonFormat.h"
#include "pages/tests/CatalogueFixture.h"
#include "shell/Global.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Dagger = QString(QChar(0x2020));

// Cities, countries and professions, and persons that each show one case.
const char* const PersonRows = R"SQL(
INSERT INTO CITY VALUES (1, 'Salzburg'), (2, 'Wien');
INSERT INTO COUNTRY VALUES (1, 'A', 'Österreich'), (2, 'USA', 'Vereinigte Staaten'),
                           (3, 'GB', 'Großbritannien'), (4, NULL, 'Ohne Kürzel');
INSERT INTO BERUF VALUES (1, 'Sängerin', 'Sänger'), (2, 'Gitarristin', 'Gitarrist'),
                         (3, 'Komponistin', 'Komponist'), (4, 'Pianistin', 'Pianist'),
                         (5, 'Lehrerin', 'Lehrer'), (6, NULL, 'Mönch');
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_GESCH, PERS_BUERG, PERS_ALIAS, LAND_ID, LAND_ID2,
                    PERS_GEBT, PERS_GEBM, PERS_GEBJ, PERS_GEBORT,
                    PERS_TODT, PERS_TODM, PERS_TODJ, PERS_TODORT) VALUES
  (1, 'Mozart, Wolfgang Amadeus', 0, NULL, 0, 1, NULL, 27, 1, 1756, 1, 5, 12, 1791, 2),
  (2, 'Smith, John', 0, 'Smith , Johnny ', 1, 2, 3, NULL, NULL, 1950, NULL, NULL, NULL, NULL, NULL),
  (3, 'Cher', 1, 'Sarkisian, Cherilyn', 2, NULL, NULL, NULL, NULL, 1946, NULL, NULL, NULL, NULL, NULL),
  (4, 'Niemand', 0, 'Xaver', 0, 1, 2, NULL, NULL, NULL, NULL, NULL, NULL, 1990, NULL),
  (5, 'Einfach, Ein', 0, NULL, 7, 1, NULL, 1, 4, 1900, 2, 2, 4, 1950, 2),
  (6, 'Leer', 0, NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  (7, 'Unbekannt', 1, NULL, 0, 4, 1, NULL, NULL, NULL, 99, NULL, NULL, NULL, 99);
INSERT INTO PERSBERU VALUES (1, 3, 1), (1, 4, 2), (1, 5, 4),
                            (2, 1, 1), (2, 2, 2), (2, 3, 3),
                            (3, 1, 1),
                            (5, 1, 1), (5, 5, 4),
                            (7, 6, 1), (7, 1, 2);
-- Months outside 1 ... 12 only come from damaged data; the checks of the
-- schema would refuse them.
PRAGMA ignore_check_constraints = ON;
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_GEBT, PERS_GEBM, PERS_GEBJ, PERS_TODT, PERS_TODM,
                    PERS_TODJ) VALUES (8, 'Monatlos', 5, 0, 1950, 3, 13, 2001);
INSERT INTO BAND (BAND_ID, BAND_NAME) VALUES (1, 'Queen');
INSERT INTO TITLE (TITE_ID, TITE_NAME) VALUES (1, 'Bohemian Rhapsody');
INSERT INTO ALBUM (ALBU_ID, ALBU_NAME, BAND_ID) VALUES (1, 'A Night at the Opera', 1);
)SQL";

class PersonFormat : public ::testing::Test
{
protected:
    // The person's row, read as the person page reads it.
    THstmt& Person(int Id)
    {
        FStmt = std::make_unique<THstmt>(CatalogDbc, "Hstmt1");
        FStmt->SetSQL("SELECT * FROM PERSON WHERE PERS_ID = " + std::to_string(Id));
        FStmt->Prepare();
        FStmt->Execute();
        EXPECT_TRUE(FStmt->FetchFirst()) << "person " << Id;
        return *FStmt;
    }

    TCatalogueFixture FCatalogue{PersonRows};
    std::unique_ptr<THstmt> FStmt;
};

TEST(PersonName, GivenNamesComeFirstAndBlanksAroundTheCommaGo)
{
    EXPECT_EQ(FormatPersonName(QStringLiteral("Mozart, Wolfgang Amadeus")),
              QStringLiteral("Wolfgang Amadeus Mozart"));
    EXPECT_EQ(FormatPersonName(QStringLiteral("  Smith  ,   John  ")),
              QStringLiteral("John Smith"));
    EXPECT_EQ(FormatPersonName(QStringLiteral("Smith,John")), QStringLiteral("John Smith"));
    // Only blanks are trimmed, and only the first comma divides.
    EXPECT_EQ(FormatPersonName(QStringLiteral("Doe,\tJane")), QStringLiteral("\tJane Doe"));
    EXPECT_EQ(FormatPersonName(QStringLiteral("Earth, Wind, Fire")),
              QStringLiteral("Wind, Fire Earth"));
}

TEST(PersonName, NameWithoutCommaStaysAsItIs)
{
    EXPECT_EQ(FormatPersonName(QStringLiteral("Cher")), QStringLiteral("Cher"));
    EXPECT_EQ(FormatPersonName(QStringLiteral(" Prince ")), QStringLiteral(" Prince "));
    EXPECT_EQ(FormatPersonName(QString()), QString());
}

TEST(PersonName, CommaAtEitherEndLeavesOneBlank)
{
    EXPECT_EQ(FormatPersonName(QStringLiteral("Madonna,")), QStringLiteral(" Madonna"));
    EXPECT_EQ(FormatPersonName(QStringLiteral(", Sting")), QStringLiteral("Sting "));
}

TEST(AccentFolding, AccentedLettersBecomePlainAndSharpSBecomesDoubleS)
{
    EXPECT_EQ(FoldAccents(QStringLiteral("ÀÁÂÄÅ ÇÈÉÊË ÌÍÎÏ Ñ ÒÓÔÖ ÙÚÛÜ")),
              QStringLiteral("AAAAA CEEEE IIII N OOOO UUUU"));
    EXPECT_EQ(FoldAccents(QStringLiteral("àáâäå çèéêë ìíîï ñ òóôö ùúûü")),
              QStringLiteral("aaaaa ceeee iiii n oooo uuuu"));
    EXPECT_EQ(FoldAccents(QStringLiteral("Motörhead auf der Straße")),
              QStringLiteral("Motorhead auf der Strasse"));
}

TEST(AccentFolding, LettersOutsideTheTableStay)
{
    // The tilde vowels were never folded; letters beyond Latin-1 are kept too.
    EXPECT_EQ(FoldAccents(QStringLiteral("São Tomé, Ãõ")), QStringLiteral("São Tome, Ãõ"));
    EXPECT_EQ(FoldAccents(QStringLiteral("Dvořák, Øyvind, ÿ")),
              QStringLiteral("Dvořak, Øyvind, ÿ"));
    EXPECT_EQ(FoldAccents(QStringLiteral("ABC abc 123")), QStringLiteral("ABC abc 123"));
}

TEST(Months, TwelveNamesAndEmptyOutsideThem)
{
    EXPECT_EQ(MonthNames.size(), 13u);
    EXPECT_TRUE(MonthNames[0].isEmpty());
    EXPECT_EQ(MonthName(1), QStringLiteral("Januar"));
    EXPECT_EQ(MonthName(3), QStringLiteral("März"));
    EXPECT_EQ(MonthName(12), QStringLiteral("Dezember"));
    for (const QString& name : MonthNames)
        EXPECT_LE(name.size(), 9);
    EXPECT_TRUE(MonthName(0).isEmpty());
    EXPECT_TRUE(MonthName(13).isEmpty());
    EXPECT_TRUE(MonthName(-1).isEmpty());
}

TEST_F(PersonFormat, KeyLookupsGiveTheNameOrNothing)
{
    EXPECT_EQ(CityName(1), QStringLiteral("Salzburg"));
    EXPECT_EQ(CountryCode(2), QStringLiteral("USA"));
    EXPECT_EQ(BandName(1), QStringLiteral("Queen"));
    EXPECT_EQ(TitleName(1), QStringLiteral("Bohemian Rhapsody"));
    EXPECT_EQ(AlbumName(1), QStringLiteral("A Night at the Opera"));
    EXPECT_TRUE(CityName(0).isEmpty());
    EXPECT_TRUE(CityName(99).isEmpty());
    EXPECT_TRUE(CountryCode(4).isEmpty()); // a country without abbreviation
    EXPECT_EQ(
        LookupText(QStringLiteral("SELECT CITY_ID, CITY_NAME FROM CITY ORDER BY CITY_ID DESC"), 2),
        QStringLiteral("Wien"));
}

TEST_F(PersonFormat, FailingLookupRaisesTheOdbcError)
{
    EXPECT_THROW(LookupText(QStringLiteral("SELECT NOTHING FROM NOWHERE"), 1), EODBC);
}

TEST_F(PersonFormat, CivilNameLineNamesTheKindOfName)
{
    EXPECT_EQ(CivilNameLine(Person(2)), QStringLiteral("(eigentlich: Johnny Smith)"));
    EXPECT_EQ(CivilNameLine(Person(3)), QStringLiteral("(auch: Cherilyn Sarkisian)"));
    EXPECT_EQ(CivilNameLine(Person(4)), QStringLiteral("(bürgerlich: Xaver)"));
    EXPECT_TRUE(CivilNameLine(Person(1)).isEmpty());
}

TEST_F(PersonFormat, ProfessionsAreJoinedWithCommasAndAFinalUnd)
{
    EXPECT_EQ(NationalityAndProfessions(Person(2)),
              QStringLiteral("USA-GB Sänger, Gitarrist und Komponist"));
    // Two current professions carry the former one in parentheses.
    EXPECT_EQ(NationalityAndProfessions(Person(1)),
              QStringLiteral("A Komponist und Pianist (urspr. Lehrer)"));
}

TEST_F(PersonFormat, FemaleNamesAndNoCountry)
{
    // No country: the line begins with the profession.
    EXPECT_EQ(NationalityAndProfessions(Person(3)), QStringLiteral("Sängerin"));
}

TEST_F(PersonFormat, OneCurrentProfessionShowsNoFormerOne)
{
    EXPECT_EQ(NationalityAndProfessions(Person(5)), QStringLiteral("A Sänger"));
}

TEST_F(PersonFormat, CountryWithoutProfessionGivesNothing)
{
    EXPECT_TRUE(NationalityAndProfessions(Person(4)).isEmpty());
    EXPECT_TRUE(NationalityAndProfessions(Person(6)).isEmpty());
}

TEST_F(PersonFormat, EmptyFirstCountryDropsTheSecondAndEmptyNamesAreSkipped)
{
    // Country 4 has no abbreviation, so country 1 behind it is not named; the
    // female name of profession 6 is empty and is not counted.
    EXPECT_EQ(NationalityAndProfessions(Person(7)), QStringLiteral("Sängerin"));
}

TEST_F(PersonFormat, BirthAndDeathLinesWithFullDates)
{
    EXPECT_EQ(BirthLine(Person(1)), QStringLiteral("* 27. Januar 1756 Salzburg"));
    EXPECT_EQ(DeathLine(Person(1), true), Dagger + QStringLiteral(" 5. Dezember 1791 Wien"));
}

TEST_F(PersonFormat, SamePlaceOfDeathIsEbd)
{
    EXPECT_EQ(BirthLine(Person(5)), QStringLiteral("* 1. April 1900 Wien"));
    EXPECT_EQ(DeathLine(Person(5), true), Dagger + QStringLiteral(" 2. April 1950 ebd."));
    EXPECT_EQ(DeathLine(Person(5), false), Dagger + QStringLiteral(" 2. April 1950 Wien"));
}

TEST_F(PersonFormat, YearAloneKeepsItsTrailingBlank)
{
    EXPECT_EQ(BirthLine(Person(3)), QStringLiteral("* 1946 "));
    EXPECT_TRUE(DeathLine(Person(3), true).isEmpty());
    EXPECT_TRUE(BirthLine(Person(6)).isEmpty());
    EXPECT_TRUE(DeathLine(Person(6), false).isEmpty());
}

TEST_F(PersonFormat, MonthZeroAndMonthAboveTwelveLeaveTheNameEmpty)
{
    EXPECT_EQ(BirthLine(Person(8)), QStringLiteral("* 5.  1950 "));
    EXPECT_EQ(DeathLine(Person(8), true), Dagger + QStringLiteral(" 3.  2001 "));
}

TEST_F(PersonFormat, UnknownCityLeavesThePlaceOut)
{
    // Same city key on both ends, but with the rule off the lookup finds none.
    EXPECT_TRUE(BirthLine(Person(7)).isEmpty());
    EXPECT_TRUE(DeathLine(Person(7), false).isEmpty());
    EXPECT_EQ(DeathLine(Person(7), true), Dagger + QStringLiteral(" ebd."));
}

TEST_F(PersonFormat, LifeYearsFromEitherOrBothYears)
{
    EXPECT_EQ(LifeYears(Person(1)), QStringLiteral("1756-1791"));
    EXPECT_EQ(LifeYears(Person(3)), QStringLiteral("* 1946"));
    EXPECT_EQ(LifeYears(Person(4)), Dagger + QStringLiteral(" 1990"));
    EXPECT_TRUE(LifeYears(Person(6)).isEmpty());
}

} // namespace
