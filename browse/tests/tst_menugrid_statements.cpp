// The statements of all 25 category lists, as the screen sends them to the
// database, for an empty search field, a prefix and a search anywhere.

#include "browse/MenuGrid.h"
#include "controls/ShLabel.h"
#include "odbc/OVCL.h"
#include "pages/tests/CatalogueFixture.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

// The lists as the catalogue's documentation gives them: title, the
// statement before the search clause, the clause with %1 for the pattern,
// and the rest. The lyrics and covers lists have a second entry for their
// second sort order.
struct TExpectedList
{
    int Kind;
    int SortItem;
    const char* Title;
    const char* Head;
    const char* Clause;
    const char* Tail;
};

const TExpectedList Expected[] = {
    {0, 0, "Personen", "SELECT PERS_NAME, PERS_ID FROM PERSON WHERE PERS_DATA = 1",
     "AND PERS_NAME LIKE \"%1\"", "ORDER BY PERS_NAME"},
    {1, 0, "Bands / Interpreten", "SELECT BAND_NAME, BAND_ID FROM BAND",
     "WHERE BAND_NAME LIKE \"%1\"", "ORDER BY BAND_NAME"},
    {2, 0, "Instrumente",
     "SELECT INST_NAMED, INST_ID FROM INSTRUME WHERE INST_ID <> 218 AND INST_PSEU = 0 AND "
     "INST_SPEZ = 0",
     "AND INST_NAMED LIKE \"%1\"", "ORDER BY INST_NAMED"},
    {3, 0, "Hilfsmittel",
     "SELECT INST_NAMED, INST_ID FROM INSTRUME WHERE INST_ID <> 218 AND INST_PSEU = 1 AND "
     "INST_SPEZ = 0",
     "AND INST_NAMED LIKE \"%1\"", "ORDER BY INST_NAMED"},
    {4, 0, "Studios", "SELECT STUD_NAME, STUD_ID FROM STUDIO", "WHERE STUD_NAME LIKE \"%1\"",
     "ORDER BY STUD_NAME"},
    {5, 0, "Labels", "SELECT LABE_NAME, LABE_ID FROM LABEL", "WHERE LABE_NAME LIKE \"%1\"",
     "ORDER BY LABE_NAME"},
    {6, 0, "Stilrichtungen",
     "SELECT CATE_NAME, CATE_ID FROM CATEGORY WHERE (CATE_ID <> 162) AND (CATE_ID <> 14) AND "
     "(CATE_ID <> -1)",
     "AND (CATE_NAME LIKE \"%1\")", "ORDER BY CATE_NAME"},
    {7, 0, "Song- und Liedertexte",
     "SELECT TITLE.TITE_NAME, PERSON.PERS_NAME, TITLE.TITE_ID FROM TITLE, TEXTER, PERSON WHERE "
     "(TITLE.TITE_LYR = 1) AND",
     "(TITLE.TITE_NAME LIKE \"%1\") AND",
     "(TEXTER.TITE_ID = TITLE.TITE_ID) AND (PERSON.PERS_ID = TEXTER.PERS_ID) ORDER BY "
     "TITLE.TITE_NAME"},
    {7, 1, "Song- und Liedertexte",
     "SELECT TITLE.TITE_NAME, PERSON.PERS_NAME, TITLE.TITE_ID FROM TITLE, TEXTER, PERSON WHERE "
     "(TITLE.TITE_LYR = 1) AND (TEXTER.TITE_ID = TITLE.TITE_ID) AND (PERSON.PERS_ID = "
     "TEXTER.PERS_ID)",
     "AND (PERSON.PERS_NAME LIKE \"%1\")", "ORDER BY PERSON.PERS_NAME"},
    {8, 0, "Opern-Libretti",
     "SELECT FREI_NAME, FREI_ID FROM FREI WHERE FREI_ART = 1 AND FREI_TYP = 1",
     "AND FREI_NAME LIKE \"%1\"", "ORDER BY FREI.FREI_NAME"},
    {9, 0, "Fachbegriffe", "SELECT FREI_NAME, FREI_ID FROM FREI WHERE FREI_ART = 2",
     "AND FREI_NAME LIKE \"%1\"", "ORDER BY FREI_NAME"},
    {10, 0, "Musical-Texte",
     "SELECT FREI_NAME, FREI_ID FROM FREI WHERE FREI_ART = 5 AND FREI_TYP = 1",
     "AND FREI_NAME LIKE \"%1\"", "ORDER BY FREI.FREI_NAME"},
    {11, 0, "Bemerkenswertes", "SELECT FREI_NAME, FREI_ID FROM FREI WHERE FREI_ART = 6",
     "AND FREI_NAME LIKE \"%1\"", "ORDER BY FREI.FREI_NAME"},
    {12, 0, "Spezielle Instrumente",
     "SELECT INST_NAMED, INST_ID FROM INSTRUME WHERE INST_ID <> 218 AND INST_PSEU = 0 AND "
     "INST_SPEZ = 1",
     "AND INST_NAMED LIKE \"%1\"", "ORDER BY INST_NAMED"},
    {13, 0, "Preise / Auszeichnungen", "SELECT FREI_NAME, FREI_ID FROM FREI WHERE FREI_ART = 3",
     "AND FREI_NAME LIKE \"%1\"", "ORDER BY FREI.FREI_NAME"},
    {14, 0, "Hitparaden", "SELECT FREI_NAME, FREI_ID FROM FREI WHERE FREI_ART = 4",
     "AND FREI_NAME LIKE \"%1\"", "ORDER BY FREI.FREI_NAME"},
    {15, 0, "Veranstalter", "SELECT ADRE_NAME, ADRE_ID FROM ADRESSE WHERE ADRE_TYP = 3",
     "AND ADRE_NAME LIKE \"%1\"", "ORDER BY ADRESSE.ADRE_NAME"},
    {16, 0, "Hersteller", "SELECT HRST_NAME, HRST_ID FROM HERST", "WHERE HRST_NAME LIKE \"%1\"",
     "ORDER BY HERST.HRST_NAME"},
    {17, 0, "Galerie: Personen",
     "SELECT PERS_NAME, PERS_ID, PERS_BILD1, PERS_BILD2, PERS_TEXT1, PERS_TEXT2 FROM PERSON "
     "WHERE (PERS_PIC = 1)",
     "AND (PERS_NAME LIKE \"%1\")", "ORDER BY PERS_NAME"},
    {18, 0, "Galerie: Bands",
     "SELECT BAND_NAME, BAND_ID, BAND_BILD1, BAND_BILD2, BAND_TEXT1, BAND_TEXT2 FROM BAND WHERE "
     "(BAND_PIC = 1)",
     "AND (BAND_NAME LIKE \"%1\")", "ORDER BY BAND_NAME"},
    {19, 0, "Galerie: Instrumente",
     "SELECT INST_NAMED, INST_ID, INST_BILD1, INST_BILD2 FROM INSTRUME WHERE (INST_PIC = 1) AND "
     "(INST_PSEU = 0) AND (INST_SPEZ = 0)",
     "AND (INST_NAMED LIKE \"%1\")", "ORDER BY INST_NAMED"},
    {20, 0, "Galerie: Hilfsmittel",
     "SELECT INST_NAMED, INST_ID, INST_BILD1, INST_BILD2 FROM INSTRUME WHERE (INST_PIC = 1) AND "
     "(INST_PSEU = 1) AND (INST_SPEZ = 0)",
     "AND (INST_NAMED LIKE \"%1\")", "ORDER BY INST_NAMED"},
    {21, 0, "Galerie: Covers",
     "SELECT ALBU_NAME, BAND_NAME, ALBU_ID, ALBU_COVER FROM ALBUM, BAND WHERE (ALBU_COVER IS NOT "
     "NULL) AND",
     "(ALBU_NAME LIKE \"%1\") AND", "(BAND.BAND_ID = ALBUM.BAND_ID) ORDER BY ALBU_NAME"},
    {21, 1, "Galerie: Covers",
     "SELECT ALBU_NAME, BAND_NAME, ALBU_ID, ALBU_COVER FROM ALBUM, BAND WHERE (ALBU_COVER IS NOT "
     "NULL) AND (BAND.BAND_ID = ALBUM.BAND_ID)",
     "AND (BAND_NAME LIKE \"%1\")", "ORDER BY BAND_NAME"},
    {22, 0, "Galerie: Studios",
     "SELECT STUD_NAME, STUD_ID, STUD_BILD1, STUD_TEXT1 FROM STUDIO WHERE (STUD_BILD1 IS NOT NULL)",
     "AND (STUD_NAME LIKE \"%1\")", "ORDER BY STUD_NAME"},
    {23, 0, "Galerie: Labels",
     "SELECT LABE_NAME, LABE_ID, LABE_BILD1, LABE_TEXT1 FROM LABEL WHERE (LABE_BILD1 IS NOT NULL)",
     "AND (LABE_NAME LIKE \"%1\")", "ORDER BY LABE_NAME"},
    {24, 0, "Galerie: Hersteller",
     "SELECT HRST_NAME, HRST_ID, HRST_BILD1, HRST_TEXT1 FROM HERST WHERE (HRST_BILD1 IS NOT NULL)",
     "AND (HRST_NAME LIKE \"%1\")", "ORDER BY HRST_NAME"},
};

QString ExpectedText(const TExpectedList& List, const QString& Pattern)
{
    QString text = QString::fromUtf8(List.Head);
    if (Pattern != QStringLiteral("%"))
        text += QLatin1Char(' ') + QString::fromUtf8(List.Clause).arg(Pattern);
    return text + QLatin1Char(' ') + QString::fromUtf8(List.Tail);
}

class ListStatements : public ::testing::Test
{
protected:
    // An empty catalogue: every statement must still run on the real driver.
    TCatalogueFixture FCatalogue{std::string()};
};

TEST_F(ListStatements, EveryKindBuildsItsStatementForEveryPattern)
{
    int covered = 0;
    for (const TExpectedList& list : Expected) {
        TfrmMenuGrid screen;
        screen.Kind = static_cast<std::uint8_t>(list.Kind);
        screen.show();
        EXPECT_EQ(screen.lblTitel->text(), QString::fromUtf8(list.Title)) << list.Kind;
        EXPECT_EQ(screen.HasSort, list.Kind == 7 || list.Kind == 21) << list.Kind;
        if (list.SortItem != 0)
            screen.cmbSortNach->setCurrentIndex(list.SortItem);
        // Opening lists the whole category: no search clause.
        if (list.SortItem == 0) {
            EXPECT_EQ(QString::fromStdString(screen.Hstmt1.SQL()),
                      ExpectedText(list, QStringLiteral("%")))
                << list.Kind;
        }
        // "%%" is what an empty field searching anywhere gives: the clause
        // stays and matches every name.
        for (const QString& pattern : {QStringLiteral("%"), QStringLiteral("Mo%"),
                                       QStringLiteral("%Mo%"), QStringLiteral("%%")}) {
            screen.BuildQuery(pattern);
            EXPECT_EQ(QString::fromStdString(screen.Hstmt1.SQL()), ExpectedText(list, pattern))
                << "kind " << list.Kind << " sort " << list.SortItem << " pattern "
                << pattern.toStdString();
        }
        screen.hide();
        ++covered;
    }
    EXPECT_EQ(covered, 27);
}

TEST_F(ListStatements, KindsWithoutSortHideTheChoiceAndPushTheIdentifierAway)
{
    TfrmMenuGrid screen;
    screen.Kind = 4;
    screen.show();
    EXPECT_FALSE(screen.cmbSortNach->isVisible());
    EXPECT_FALSE(screen.lblSortNach->isVisible());
    EXPECT_EQ(screen.OEGrid1->geometry(), QRect(10, 142, 621, 258));
    EXPECT_EQ(screen.OEGrid1->ColWidth(1), 610);
    screen.hide();

    TfrmMenuGrid sorted;
    sorted.Kind = 21;
    sorted.show();
    EXPECT_TRUE(sorted.cmbSortNach->isVisible());
    EXPECT_EQ(sorted.cmbSortNach->count(), 2);
    EXPECT_EQ(sorted.cmbSortNach->itemText(0), QStringLiteral("Album"));
    EXPECT_EQ(sorted.cmbSortNach->itemText(1), QStringLiteral("Band / Interpret"));
    EXPECT_EQ(sorted.OEGrid1->geometry(), QRect(10, 154, 621, 258));
    EXPECT_EQ(sorted.OEGrid1->ColWidth(1), 294);
    EXPECT_EQ(sorted.OEGrid1->CellText(1, 0), QStringLiteral("Album"));
    EXPECT_EQ(sorted.OEGrid1->CellText(2, 0), QStringLiteral("Band / Interpret"));
    sorted.hide();
}

TEST_F(ListStatements, ListStatementStreamsRowsetByRowset)
{
    TfrmMenuGrid screen;
    EXPECT_EQ(screen.Hstmt1.CursorType(), 0u);
    EXPECT_EQ(screen.Hstmt1.RowSetSize(), 64u);
}

} // namespace
