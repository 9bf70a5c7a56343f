#include "browse/ListKinds.h"

#include <array>

namespace ListKinds {

namespace {

QString S(const char* Text)
{
    return QString::fromUtf8(Text);
}

// A plan whose clause is "<Prefix>"<pattern>"<Suffix>": the search term is
// a string in double quotes.
TStatementPlan Plan(QStringList Before, const char* ClausePrefix, const char* ClauseSuffix,
                    QStringList After)
{
    return {std::move(Before), S(ClausePrefix) + QLatin1Char('"'),
            QLatin1Char('"') + S(ClauseSuffix), std::move(After)};
}

TListKind RecordList(const char* Title, TStatementPlan Statement, int RecordKind)
{
    TListKind kind;
    kind.Title = S(Title);
    kind.Plans = {std::move(Statement)};
    kind.RecordKind = RecordKind;
    return kind;
}

TListKind Instruments(const char* Title, const char* Where)
{
    return RecordList(Title,
                      Plan({S("SELECT INST_NAMED, INST_ID FROM INSTRUME"), S(Where)},
                           "AND INST_NAMED LIKE ", "", {S("ORDER BY INST_NAMED")}),
                      0);
}

TListKind FreeTexts(const char* Title, const char* Where, const char* OrderBy)
{
    return RecordList(Title,
                      Plan({S("SELECT FREI_NAME, FREI_ID FROM FREI"), S(Where)},
                           "AND FREI_NAME LIKE ", "", {S(OrderBy)}),
                      101);
}

// A list of one table without a condition besides the search.
TListKind NameList(const char* Title, const char* Select, const char* Column, const char* OrderBy,
                   int RecordKind)
{
    return RecordList(
        Title,
        Plan({S(Select)}, (std::string("WHERE ") + Column + " LIKE ").c_str(), "", {S(OrderBy)}),
        RecordKind);
}

TListKind Gallery(const char* Title, TStatementPlan Statement, int Group, const char* TitleColumn,
                  std::vector<TGalleryPicture> Pictures)
{
    TListKind kind;
    kind.Title = S(Title);
    kind.Plans = {std::move(Statement)};
    kind.PictureGroup = Group;
    kind.TitleColumn = S(TitleColumn);
    kind.Pictures = std::move(Pictures);
    return kind;
}

TListKind InstrumentGallery(const char* Title, const char* Where, int Group)
{
    return Gallery(
        Title,
        Plan({S("SELECT INST_NAMED, INST_ID, INST_BILD1, INST_BILD2 FROM INSTRUME"), S(Where)},
             "AND (INST_NAMED LIKE ", ")", {S("ORDER BY INST_NAMED")}),
        Group, "INST_NAMED", {{S("INST_BILD1"), {}}, {S("INST_BILD2"), {}}});
}

// Studios, labels and manufacturers: one picture with its caption.
TListKind CompanyGallery(const char* Title, const char* Prefix)
{
    const std::string p(Prefix);
    const std::string name = p + "_NAME";
    const std::string picture = p + "_BILD1";
    const std::string caption = p + "_TEXT1";
    const std::string table = p == "STUD" ? "STUDIO" : p == "LABE" ? "LABEL" : "HERST";
    return Gallery(
        Title,
        Plan(
            {S(("SELECT " + name + ", " + p + "_ID, " + picture + ", " + caption + " FROM " + table)
                   .c_str()),
             S(("WHERE (" + picture + " IS NOT NULL)").c_str())},
            ("AND (" + name + " LIKE ").c_str(), ")", {S(("ORDER BY " + name).c_str())}),
        2, name.c_str(), {{S(picture.c_str()), S(caption.c_str())}});
}

std::array<TListKind, Count> MakeKinds()
{
    std::array<TListKind, Count> kinds;
    kinds[0] =
        RecordList("Personen",
                   Plan({S("SELECT PERS_NAME, PERS_ID FROM PERSON"), S("WHERE PERS_DATA = 1")},
                        "AND PERS_NAME LIKE ", "", {S("ORDER BY PERS_NAME")}),
                   1);
    kinds[1] = NameList("Bands / Interpreten", "SELECT BAND_NAME, BAND_ID FROM BAND", "BAND_NAME",
                        "ORDER BY BAND_NAME", 3);
    kinds[2] =
        Instruments("Instrumente", "WHERE INST_ID <> 218 AND INST_PSEU = 0 AND INST_SPEZ = 0");
    kinds[3] =
        Instruments("Hilfsmittel", "WHERE INST_ID <> 218 AND INST_PSEU = 1 AND INST_SPEZ = 0");
    kinds[4] = NameList("Studios", "SELECT STUD_NAME, STUD_ID FROM STUDIO", "STUD_NAME",
                        "ORDER BY STUD_NAME", 13);
    kinds[5] = NameList("Labels", "SELECT LABE_NAME, LABE_ID FROM LABEL", "LABE_NAME",
                        "ORDER BY LABE_NAME", 14);
    kinds[6] =
        RecordList("Stilrichtungen",
                   Plan({S("SELECT CATE_NAME, CATE_ID FROM CATEGORY"),
                         S("WHERE (CATE_ID <> 162) AND (CATE_ID <> 14) AND (CATE_ID <> -1)")},
                        "AND (CATE_NAME LIKE ", ")", {S("ORDER BY CATE_NAME")}),
                   12);

    // Lyrics: one row per title and lyricist; the search applies to the
    // column the list is sorted by.
    const QString lyricsSelect = S("SELECT TITLE.TITE_NAME, PERSON.PERS_NAME, TITLE.TITE_ID FROM "
                                   "TITLE, TEXTER, PERSON");
    kinds[7].Title = S("Song- und Liedertexte");
    kinds[7].Plans = {
        Plan({lyricsSelect, S("WHERE (TITLE.TITE_LYR = 1) AND")}, "(TITLE.TITE_NAME LIKE ", ") AND",
             {S("(TEXTER.TITE_ID = TITLE.TITE_ID) AND"), S("(PERSON.PERS_ID = TEXTER.PERS_ID)"),
              S("ORDER BY TITLE.TITE_NAME")}),
        Plan({lyricsSelect, S("WHERE (TITLE.TITE_LYR = 1) AND"),
              S("(TEXTER.TITE_ID = TITLE.TITE_ID) AND"), S("(PERSON.PERS_ID = TEXTER.PERS_ID)")},
             "AND (PERSON.PERS_NAME LIKE ", ")", {S("ORDER BY PERSON.PERS_NAME")}),
    };
    kinds[7].SortItems = {S("Titel"), S("Textdichter")};
    kinds[7].RecordKind = 100;
    kinds[7].IdColumn = 3;

    kinds[8] = FreeTexts("Opern-Libretti", "WHERE FREI_ART = 1 AND FREI_TYP = 1",
                         "ORDER BY FREI.FREI_NAME");
    kinds[9] = FreeTexts("Fachbegriffe", "WHERE FREI_ART = 2", "ORDER BY FREI_NAME");
    kinds[10] = FreeTexts("Musical-Texte", "WHERE FREI_ART = 5 AND FREI_TYP = 1",
                          "ORDER BY FREI.FREI_NAME");
    kinds[11] = FreeTexts("Bemerkenswertes", "WHERE FREI_ART = 6", "ORDER BY FREI.FREI_NAME");
    kinds[12] = Instruments("Spezielle Instrumente",
                            "WHERE INST_ID <> 218 AND INST_PSEU = 0 AND INST_SPEZ = 1");
    kinds[13] =
        FreeTexts("Preise / Auszeichnungen", "WHERE FREI_ART = 3", "ORDER BY FREI.FREI_NAME");
    kinds[14] = FreeTexts("Hitparaden", "WHERE FREI_ART = 4", "ORDER BY FREI.FREI_NAME");
    kinds[15] =
        RecordList("Veranstalter",
                   Plan({S("SELECT ADRE_NAME, ADRE_ID FROM ADRESSE"), S("WHERE ADRE_TYP = 3")},
                        "AND ADRE_NAME LIKE ", "", {S("ORDER BY ADRESSE.ADRE_NAME")}),
                   15);
    kinds[16] = NameList("Hersteller", "SELECT HRST_NAME, HRST_ID FROM HERST", "HRST_NAME",
                         "ORDER BY HERST.HRST_NAME", 16);

    kinds[17] = Gallery("Galerie: Personen",
                        Plan({S("SELECT PERS_NAME, PERS_ID, PERS_BILD1, PERS_BILD2, PERS_TEXT1, "
                                "PERS_TEXT2 FROM PERSON"),
                              S("WHERE (PERS_PIC = 1)")},
                             "AND (PERS_NAME LIKE ", ")", {S("ORDER BY PERS_NAME")}),
                        1, "PERS_NAME",
                        {{S("PERS_BILD1"), S("PERS_TEXT1")}, {S("PERS_BILD2"), S("PERS_TEXT2")}});
    kinds[17].TitleIsPersonName = true;
    kinds[18] = Gallery("Galerie: Bands",
                        Plan({S("SELECT BAND_NAME, BAND_ID, BAND_BILD1, BAND_BILD2, BAND_TEXT1, "
                                "BAND_TEXT2 FROM BAND"),
                              S("WHERE (BAND_PIC = 1)")},
                             "AND (BAND_NAME LIKE ", ")", {S("ORDER BY BAND_NAME")}),
                        2, "BAND_NAME",
                        {{S("BAND_BILD1"), S("BAND_TEXT1")}, {S("BAND_BILD2"), S("BAND_TEXT2")}});
    kinds[19] = InstrumentGallery(
        "Galerie: Instrumente", "WHERE (INST_PIC = 1) AND (INST_PSEU = 0) AND (INST_SPEZ = 0)", 4);
    kinds[20] = InstrumentGallery(
        "Galerie: Hilfsmittel", "WHERE (INST_PIC = 1) AND (INST_PSEU = 1) AND (INST_SPEZ = 0)", 5);

    // Covers: the album and its band; the search applies to the column the
    // list is sorted by.
    const QString coverSelect =
        S("SELECT ALBU_NAME, BAND_NAME, ALBU_ID, ALBU_COVER FROM ALBUM, BAND");
    kinds[21].Title = S("Galerie: Covers");
    kinds[21].Plans = {
        Plan({coverSelect, S("WHERE (ALBU_COVER IS NOT NULL) AND")}, "(ALBU_NAME LIKE ", ") AND",
             {S("(BAND.BAND_ID = ALBUM.BAND_ID)"), S("ORDER BY ALBU_NAME")}),
        Plan({coverSelect, S("WHERE (ALBU_COVER IS NOT NULL) AND"),
              S("(BAND.BAND_ID = ALBUM.BAND_ID)")},
             "AND (BAND_NAME LIKE ", ")", {S("ORDER BY BAND_NAME")}),
    };
    kinds[21].SortItems = {S("Album"), S("Band / Interpret")};
    kinds[21].PictureGroup = 3;
    kinds[21].TitleColumn = S("ALBU_NAME");
    kinds[21].Pictures = {{S("ALBU_COVER"), S("BAND_NAME")}};

    kinds[22] = CompanyGallery("Galerie: Studios", "STUD");
    kinds[23] = CompanyGallery("Galerie: Labels", "LABE");
    kinds[24] = CompanyGallery("Galerie: Hersteller", "HRST");
    return kinds;
}

} // namespace

const TListKind& Kind(int Kind)
{
    static const std::array<TListKind, Count> kinds = MakeKinds();
    if (Kind < 0 || Kind >= Count)
        Kind = 0;
    return kinds[static_cast<std::size_t>(Kind)];
}

QStringList StatementPieces(int Kind, int SortItem, const QString& Pattern)
{
    const TListKind& kind = ListKinds::Kind(Kind);
    const TStatementPlan& plan = kind.Plans[kind.HasSort() && SortItem != 0 ? 1 : 0];
    QStringList pieces = plan.Before;
    if (Pattern != QStringLiteral("%"))
        pieces << plan.ClauseStart + Pattern + plan.ClauseEnd;
    pieces << plan.After;
    return pieces;
}

QString StatementText(int Kind, int SortItem, const QString& Pattern)
{
    return StatementPieces(Kind, SortItem, Pattern).join(QLatin1Char(' '));
}

} // namespace ListKinds
