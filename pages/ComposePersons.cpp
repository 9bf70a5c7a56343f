// The pages of persons and bands.
#include "odbc/OCL.h"
#include "pages/PageBuilder.h"
#include "pages/PageComposer.h"
#include "pages/PersonFormat.h"

namespace {
using TRunStyle = TPageBuilder::TRunStyle;
QString Num(int Value)
{
    return QString::number(Value);
}
} // namespace

void TPageComposer::ComposePerson(int Id)
{
    const QString key = Num(Id);
    const QString name = FormatPersonName(ColText(FHstmt1, "PERS_NAME"));
    FCaption = QStringLiteral("Person: ") + name;
    Title(name);

    const QString civil = CivilNameLine(FHstmt1);
    if (!civil.isEmpty())
        FBuilder.AddParagraph(civil, 12, TRunStyle::Bold);
    const QString professions = NationalityAndProfessions(FHstmt1);
    if (!professions.isEmpty())
        FBuilder.AddParagraph(professions, 12, TRunStyle::Bold);
    FBuilder.AddParagraph(QStringLiteral(" "), 10, TRunStyle::Plain);
    const QString birth = BirthLine(FHstmt1);
    if (!birth.isEmpty())
        FBuilder.AddParagraph(birth, 10, TRunStyle::Plain);
    const QString death = DeathLine(FHstmt1, true);
    if (!death.isEmpty())
        FBuilder.AddParagraph(death, 10, TRunStyle::Plain);

    FBuilder.AddPictures(ColInt(FHstmt1, "PERS_BILD1"), ColInt(FHstmt1, "PERS_BILD2"),
                         ColText(FHstmt1, "PERS_TEXT1"), ColText(FHstmt1, "PERS_TEXT2"));

    SetPieces(
        FHstmt2,
        {QStringLiteral("SELECT INSTRUME.INST_ID, INSTRUME.INST_NAMED FROM STDINST, INSTRUME"),
         QStringLiteral("WHERE STDINST.PERS_ID = ") + key + QStringLiteral(" AND"),
         QStringLiteral("INSTRUME.INST_ID = STDINST.INST_ID AND"),
         QStringLiteral("INSTRUME.INST_PSEU = 0"), QStringLiteral("ORDER BY INST_NAMED ASC")});
    FBuilder.AddFourToALine(QStringLiteral("Instrumente"), QStringLiteral("Instrumente"),
                            QStringLiteral("i:"));

    FBuilder.AddStoredText(QStringLiteral("Biographie"), ColInt(FHstmt1, "PERS_BIOGR"));

    const QString teachers = QStringLiteral(
        "SELECT PERSON.PERS_ID, PERSON.PERS_NAME, PERSON.PERS_DATA FROM LEHRER, PERSON");
    SetPieces(FHstmt2, {teachers,
                        QStringLiteral("WHERE LEHRER.PERS_SCHUE = ") + key + QStringLiteral(" AND"),
                        QStringLiteral("PERSON.PERS_ID = LEHRER.PERS_LEHRE"),
                        QStringLiteral("ORDER BY PERS_NAME ASC")});
    FBuilder.AddPersonList(QStringLiteral("Schüler von"), QStringLiteral("Schüler von"));
    SetPieces(FHstmt2, {teachers,
                        QStringLiteral("WHERE LEHRER.PERS_LEHRE = ") + key + QStringLiteral(" AND"),
                        QStringLiteral("PERSON.PERS_ID = LEHRER.PERS_SCHUE"),
                        QStringLiteral("ORDER BY PERS_NAME ASC")});
    FBuilder.AddPersonList(QStringLiteral("Lehrer von"), QStringLiteral("Lehrer von"));

    const bool female = ColInt(FHstmt1, "PERS_GESCH") == 1;
    AddPersonBandSection(Id, QStringLiteral("MEMBERS.MEMB_STAMM = 1 AND"),
                         QStringLiteral("Mitglied bei"));
    AddPersonBandSection(Id, QStringLiteral("MEMBERS.MEMB_STAMM = 0 AND MEMBERS.MEMB_GAST = 0 AND"),
                         female ? QStringLiteral("Musikerin bei") : QStringLiteral("Musiker bei"));
    AddPersonBandSection(Id, QStringLiteral("(MEMBERS.MEMB_GAST = 1) AND"),
                         female ? QStringLiteral("Gastmusikerin bei")
                                : QStringLiteral("Gastmusiker bei"));

    AddFreeArticles(Id, QStringLiteral("((FREI.FREI_ART = 1) OR (FREI.FREI_ART = 5))"),
                    QStringLiteral("Bühnenstücke"));
    AddFreeArticles(Id, QStringLiteral("(FREI.FREI_ART = 3)"),
                    QStringLiteral("Preise und Auszeichnungen"));
}

void TPageComposer::AddPersonBandSection(int Id, const QString& Condition, const QString& Heading)
{
    SetPieces(FHstmt2,
              {QStringLiteral("SELECT BAND.BAND_ID, BAND.BAND_NAME, MEMB_VON1, MEMB_BIS1,"),
               QStringLiteral("MEMB_VON2, MEMB_BIS2, MEMB_VON3, MEMB_BIS3, MEMB_VON4, "
                              "MEMB_BIS4"),
               QStringLiteral("FROM MEMBERS, BAND WHERE"),
               QStringLiteral("MEMBERS.PERS_ID = ") + Num(Id) + QStringLiteral(" AND"), Condition,
               QStringLiteral("BAND.BAND_ID = MEMBERS.BAND_ID"),
               QStringLiteral("ORDER BY BAND.BAND_NAME")});
    FBuilder.AddPersonBands(Heading);
}

void TPageComposer::AddFreeArticles(int Id, const QString& Condition, const QString& Heading)
{
    SetPieces(FHstmt2, {QStringLiteral("SELECT FREI.FREI_ID, FREI.FREI_NAME"),
                        QStringLiteral("FROM FREIPERS, FREI WHERE"),
                        QStringLiteral("(FREIPERS.PERS_ID = ") + Num(Id) + QStringLiteral(") AND"),
                        QStringLiteral("(FREI.FREI_ID = FREIPERS.FREI_ID) AND"), Condition,
                        QStringLiteral("ORDER BY FREI.FREI_NAME")});
    FBuilder.AddLinkList(Heading, Heading, QStringLiteral("f:"));
}

void TPageComposer::ComposeBand(int Id)
{
    const QString key = Num(Id);
    const QString name = ColText(FHstmt1, "BAND_NAME");
    FCaption = QStringLiteral("Band / Interpret: ") + name;
    Title(name);
    FBuilder.AddPictures(ColInt(FHstmt1, "BAND_BILD1"), ColInt(FHstmt1, "BAND_BILD2"),
                         ColText(FHstmt1, "BAND_TEXT1"), ColText(FHstmt1, "BAND_TEXT2"));
    FBuilder.AddStoredText(QStringLiteral("Geschichte"), ColInt(FHstmt1, "BAND_HIST"));

    const auto members = [this, &key](const QString& Condition) {
        SetPieces(FHstmt2,
                  {QStringLiteral("SELECT PERSON.PERS_ID, PERSON.PERS_NAME, PERSON.PERS_DATA, "
                                  "MEMBERS.MEMB_VON1, MEMBERS.MEMB_BIS1, MEMBERS.MEMB_VON2, "
                                  "MEMBERS.MEMB_BIS2, MEMBERS.MEMB_VON3, MEMBERS.MEMB_BIS3, "
                                  "MEMBERS.MEMB_VON4, MEMBERS.MEMB_BIS4"),
                   QStringLiteral("FROM MEMBERS, PERSON"),
                   QStringLiteral("WHERE MEMBERS.BAND_ID = ") + key + QStringLiteral(" AND"),
                   QStringLiteral("PERSON.PERS_ID = MEMBERS.PERS_ID AND"), Condition,
                   QStringLiteral("ORDER BY PERS_NAME ASC")});
    };
    members(QStringLiteral("MEMBERS.MEMB_STAMM = 1"));
    FBuilder.AddMemberList(QStringLiteral("Mitglied"), QStringLiteral("Mitglieder"));
    members(QStringLiteral("MEMBERS.MEMB_STAMM = 0 AND MEMBERS.MEMB_GAST = 0"));
    FBuilder.AddMemberList(QStringLiteral("Musiker"), QStringLiteral("Musiker"));
    members(QStringLiteral("MEMBERS.MEMB_GAST = 1"));
    FBuilder.AddMemberList(QStringLiteral("Gastmusiker"), QStringLiteral("Gastmusiker"));

    SetPieces(FHstmt2,
              {QStringLiteral("SELECT ALBU_ID, ALBU_NAME, ALBU_JAHR FROM ALBUM"),
               QStringLiteral("WHERE BAND_ID = ") + key, QStringLiteral("ORDER BY ALBU_JAHR ASC")});
    FBuilder.AddAlbumList(QStringLiteral("Discographie"), QStringLiteral("Discographie"));

    SetPieces(FHstmt2,
              {QStringLiteral("SELECT DISTINCT ALBUM.ALBU_ID, ALBUM.ALBU_NAME, "
                              "ALBUM.ALBU_JAHR FROM CONTENTS, ALBUM"),
               QStringLiteral("WHERE CONTENTS.BAND_ID = ") + key + QStringLiteral(" AND"),
               QStringLiteral("ALBUM.ALBU_ID = CONTENTS.ALBU_ID AND"),
               QStringLiteral("ALBUM.ALBU_SAMPL > 0"), QStringLiteral("ORDER BY ALBU_JAHR ASC")});
    FBuilder.AddAlbumList(QStringLiteral("Auf Sampler"), QStringLiteral("Auf Sampler"));

    SetPieces(FHstmt2,
              {QStringLiteral("SELECT FREI.FREI_ID, FREI.FREI_NAME"),
               QStringLiteral("FROM FREIBAND, FREI WHERE"),
               QStringLiteral("(FREIBAND.BAND_ID = ") + key + QStringLiteral(") AND"),
               QStringLiteral("(FREI.FREI_ID = FREIBAND.FREI_ID) AND"),
               QStringLiteral("(FREI.FREI_ART = 3)"), QStringLiteral("ORDER BY FREI.FREI_NAME")});
    FBuilder.AddLinkList(QStringLiteral("Preise und Auszeichnungen"),
                         QStringLiteral("Preise und Auszeichnungen"), QStringLiteral("f:"));
}
