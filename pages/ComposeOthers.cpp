// The pages of instruments, styles, studios, labels, manufacturers, free
// articles and organisers.
#include "odbc/OCL.h"
#include "pages/PageBuilder.h"
#include "pages/PageComposer.h"

namespace {
using TRunStyle = TPageBuilder::TRunStyle;
QString Num(int Value)
{
    return QString::number(Value);
}
} // namespace

void TPageComposer::ComposeInstrument(int Id)
{
    const QString name = ColText(FHstmt1, "INST_NAMED");
    const int pseudo = ColInt(FHstmt1, "INST_PSEU");
    // Only instruments (0) and aids (1) are listed; anything else reads as an
    // instrument rather than leaving the previous page's caption standing.
    FCaption = (pseudo == 1 ? QStringLiteral("Hilfsmittel") : QStringLiteral("Instrument")) +
               QStringLiteral(": ") + name;
    Title(name);
    const QString english = ColText(FHstmt1, "INST_NAMEE");
    if (!english.isEmpty())
        FBuilder.AddParagraph(QStringLiteral("(engl.: ") + english + QLatin1Char(')'), 12,
                              TRunStyle::Bold);

    const int parent = ColInt(FHstmt1, "INST_VATER");
    if (parent != 0) {
        SetPieces(FHstmt4, {QStringLiteral("SELECT INST_ID, INST_NAMED FROM INSTRUME WHERE"),
                            QStringLiteral("INST_ID = ") + Num(parent)});
        FHstmt4.Prepare();
        FHstmt4.Execute();
        if (FHstmt4.FetchNext()) {
            FBuilder.AddParagraph(QStringLiteral(" "), 10, TRunStyle::Plain);
            FBuilder.AddParagraph(QStringLiteral("Gehört zur Gruppe "), 10, TRunStyle::Plain);
            FBuilder.AppendLink(ColText(FHstmt4, 2),
                                QStringLiteral("i:") + Num(ColInt(FHstmt4, 1)));
        }
        FHstmt4.Reset();
    }

    FBuilder.AddPictures(ColInt(FHstmt1, "INST_BILD1"), ColInt(FHstmt1, "INST_BILD2"),
                         ColText(FHstmt1, "INST_TEXT1"), ColText(FHstmt1, "INST_TEXT2"));
    FBuilder.AddStoredText(QStringLiteral("Geschichte"), ColInt(FHstmt1, "INST_GETXT"));
    FBuilder.AddStoredText(QStringLiteral("Bauweise"), ColInt(FHstmt1, "INST_BWTXT"));
    FBuilder.AddStoredText(QStringLiteral("Spielweise"), ColInt(FHstmt1, "INST_SWTXT"));

    SetPieces(FHstmt2,
              {QStringLiteral("SELECT STYL_TEXT, BESE_NAME, STYL_ID FROM STYLES WHERE"),
               QStringLiteral("INST_ID = ") + Num(Id), QStringLiteral("ORDER BY STYL_TEXT")});
    FBuilder.AddSoundExamples(QStringLiteral("Tonbeispiel"), QStringLiteral("Tonbeispiele"),
                              QStringLiteral(", "), QStringLiteral("mi:"));
}

void TPageComposer::ComposeStyle(int Id)
{
    const QString name = ColText(FHstmt1, "CATE_NAME");
    FCaption = QStringLiteral("Stilrichtung: ") + name;
    Title(name);
    FBuilder.AddStoredText(QString(), ColInt(FHstmt1, "CATE_TEXT"));
    const QString roles[] = {QStringLiteral(" als Hauptstilrichtung"),
                             QStringLiteral(" als erstes Stilelement"),
                             QStringLiteral(" als zweites Stilelement")};
    for (int role = 1; role <= 3; ++role) {
        SetPieces(FHstmt2, {QStringLiteral("SELECT DISTINCT STYL_TEXT, STYL_BESET, STYL_ID"),
                            QStringLiteral("FROM STYLES WHERE CATE_ID") + Num(role) +
                                QStringLiteral(" = ") + Num(Id),
                            QStringLiteral("ORDER BY STYLES.STYL_TEXT, STYLES.STYL_BESET")});
        const QString heading = name + roles[role - 1];
        FBuilder.AddSoundExamples(heading, heading, QStringLiteral(": "), QStringLiteral("mc:"));
    }
}

void TPageComposer::ComposeStudio(int Id)
{
    const QString name = ColText(FHstmt1, "STUD_NAME");
    FCaption = QStringLiteral("Studio: ") + name;
    Title(name);
    FBuilder.AddPictures(ColInt(FHstmt1, "STUD_BILD1"), 0, ColText(FHstmt1, "STUD_TEXT1"),
                         QString());
    FBuilder.AddStoredText(QString(), ColInt(FHstmt1, "STUD_TEXT"));
    SetPieces(FHstmt2, {QStringLiteral("SELECT DISTINCT BAND.BAND_ID, BAND.BAND_NAME, "
                                       "ALBUM.ALBU_ID, ALBUM.ALBU_NAME, ALBUM.ALBU_JAHR"),
                        QStringLiteral("FROM CONTENTS, BAND, ALBUM WHERE"),
                        QStringLiteral("CONTENTS.STUD_ID = ") + Num(Id) + QStringLiteral(" AND"),
                        QStringLiteral("ALBUM.ALBU_ID = CONTENTS.ALBU_ID AND"),
                        QStringLiteral("BAND.BAND_ID = ALBUM.BAND_ID"),
                        QStringLiteral("ORDER BY BAND.BAND_NAME, ALBUM.ALBU_JAHR ASC")});
    FBuilder.AddBandAlbumList(QStringLiteral("Aufnahmen zum Album"),
                              QStringLiteral("Aufnahmen zu den Alben"));
}

void TPageComposer::ComposeLabel(int Id)
{
    const QString name = ColText(FHstmt1, "LABE_NAME");
    FCaption = QStringLiteral("Label: ") + name;
    Title(name);
    FBuilder.AddPictures(ColInt(FHstmt1, "LABE_BILD1"), 0, ColText(FHstmt1, "LABE_TEXT1"),
                         QString());
    FBuilder.AddStoredText(QString(), ColInt(FHstmt1, "LABE_TEXT"));
    const QString code = ColText(FHstmt1, "LABE_CODE");
    if (!code.isEmpty()) {
        FBuilder.AddHeading(QStringLiteral("Labelcode"));
        FBuilder.AddParagraph(code, 10, TRunStyle::Plain);
    }
    SetPieces(FHstmt2, {QStringLiteral("SELECT DISTINCT BAND.BAND_ID, BAND.BAND_NAME, "
                                       "ALBUM.ALBU_ID, ALBUM.ALBU_NAME, ALBUM.ALBU_JAHR"),
                        QStringLiteral("FROM PRODUCT, BAND, ALBUM WHERE"),
                        QStringLiteral("PRODUCT.LABE_ID = ") + Num(Id) + QStringLiteral(" AND"),
                        QStringLiteral("ALBUM.ALBU_ID = PRODUCT.ALBU_ID AND"),
                        QStringLiteral("BAND.BAND_ID = ALBUM.BAND_ID"),
                        QStringLiteral("ORDER BY BAND.BAND_NAME, ALBUM.ALBU_JAHR ASC")});
    FBuilder.AddBandAlbumList(QStringLiteral("Produziertes Album"),
                              QStringLiteral("Produzierte Alben"));
}

void TPageComposer::ComposeManufacturer()
{
    const QString name = ColText(FHstmt1, "HRST_NAME");
    FCaption = QStringLiteral("Hersteller: ") + name;
    Title(name);
    FBuilder.AddPictures(ColInt(FHstmt1, "HRST_BILD1"), ColInt(FHstmt1, "HRST_BILD2"),
                         ColText(FHstmt1, "HRST_TEXT1"), ColText(FHstmt1, "HRST_TEXT2"));
    FBuilder.AddStoredText(QString(), ColInt(FHstmt1, "HRST_HIST"));
}

void TPageComposer::ComposeFreeArticle()
{
    const QString name = ColText(FHstmt1, "FREI_NAME");
    const QString kind = ColText(FHstmt1, "FREI_ART").left(1);
    static const QString prefixes[] = {QStringLiteral("Libretto"), QStringLiteral("Fachbegriff"),
                                       QStringLiteral("Grammy"),   QStringLiteral("Hitparade"),
                                       QStringLiteral("Musical"),  QStringLiteral("Anekdote")};
    const int index = kind.isEmpty() ? 0 : kind.at(0).unicode() - '0';
    // Kinds outside 1 ... 6 are in no list; they get the plain name.
    FCaption = index >= 1 && index <= 6 ? prefixes[index - 1] + QStringLiteral(": ") + name : name;
    Title(name);
    FBuilder.AddStoredText(QString(), ColInt(FHstmt1, "FREI_TEXT"));
}

void TPageComposer::ComposeAddress()
{
    const QString name = ColText(FHstmt1, "ADRE_NAME");
    FCaption = QStringLiteral("Veranstalter") + QStringLiteral(": ") + name;
    Title(name);
    FBuilder.AddParagraph(QStringLiteral("Adresse"), 12, TRunStyle::Bold);

    const auto line = [this](const QString& Text) {
        if (!Text.isEmpty())
            FBuilder.AddParagraph(Text, 10, TRunStyle::Plain);
    };
    line(name);
    line(ColText(FHstmt1, "ADRE_ZUSATZ"));
    line(ColText(FHstmt1, "ADRE_STRASSE"));
    QString town;
    const QString country = ColText(FHstmt1, "ADRE_LAND");
    if (!country.isEmpty())
        town += country + QLatin1Char('-');
    const QString postcode = ColText(FHstmt1, "ADRE_PLZ");
    if (!postcode.isEmpty())
        town += postcode + QLatin1Char(' ');
    town += ColText(FHstmt1, "ADRE_ORT");
    line(town);

    FBuilder.AddParagraph(QString(), 10, TRunStyle::Plain);
    const auto contact = [&line, this](const QString& Label, const char* Column) {
        const QString value = ColText(FHstmt1, Column);
        if (!value.isEmpty())
            line(Label + QStringLiteral(": ") + value);
    };
    contact(QStringLiteral("Tel."), "ADRE_TEL1");
    contact(QStringLiteral("Tel."), "ADRE_TEL2");
    contact(QStringLiteral("Tel."), "ADRE_TEL3");
    contact(QStringLiteral("Fax"), "ADRE_FAX");
    contact(QStringLiteral("E-Mail"), "ADRE_EMAIL");
    contact(QStringLiteral("Homepage"), "ADRE_WWW");
}
