// The pages of albums, titles, lyrics and recordings.
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
const QChar Quote = QLatin1Char('"');
} // namespace

void TPageComposer::ComposeAlbum(int Id)
{
    const QString key = Num(Id);
    const QString name = ColText(FHstmt1, "ALBU_NAME");
    FCaption = QStringLiteral("Album: ") + name;
    Title(name);
    FBuilder.AddPictures(ColInt(FHstmt1, "ALBU_COVER"), 0, QString(), QString());
    FBuilder.AddBandSection(ColInt(FHstmt1, "BAND_ID"));
    FBuilder.AddStoredText(QStringLiteral("Bemerkungen"), ColInt(FHstmt1, "ALBU_TEXT"));

    AddTracks(Id, ColInt(FHstmt1, "ALBU_SAMPL") != 0);

    SetPieces(FHstmt2, {QStringLiteral("SELECT DISTINCT CATEGORY.CATE_ID, CATEGORY.CATE_NAME FROM "
                                       "CATEGORY, GENRE, CONTENTS WHERE"),
                        QStringLiteral("CONTENTS.ALBU_ID = ") + key + QStringLiteral(" AND"),
                        QStringLiteral("GENRE.ALBU_ID = CONTENTS.ALBU_ID AND"),
                        QStringLiteral("GENRE.TITE_ID = CONTENTS.TITE_ID AND"),
                        QStringLiteral("CATEGORY.CATE_ID = GENRE.CATE_ID"),
                        QStringLiteral("ORDER BY CATE_NAME")});
    FBuilder.AddStyleList(QStringLiteral("Stilrichtung"), QStringLiteral("Stilrichtungen"));

    AddReleases(Id);
}

void TPageComposer::AddTracks(int Id, bool Sampler)
{
    const QString key = Num(Id);
    const QString select = QStringLiteral(
        "SELECT TITLE.TITE_ID, TITLE.TITE_NAME, CONTENTS.ALBU_ID, CONTENTS.CONT_DAUER,");
    if (Sampler) {
        SetPieces(FHstmt2, {select,
                            QStringLiteral("CONTENTS.CONT_DISC, CONTENTS.CONT_INDEX, BAND.BAND_ID, "
                                           "BAND.BAND_NAME"),
                            QStringLiteral("FROM TITLE, CONTENTS, BAND WHERE"),
                            QStringLiteral("CONTENTS.ALBU_ID = ") + key + QStringLiteral(" AND"),
                            QStringLiteral("TITLE.TITE_ID = CONTENTS.TITE_ID AND"),
                            QStringLiteral("BAND.BAND_ID = CONTENTS.BAND_ID"),
                            QStringLiteral("ORDER BY CONTENTS.CONT_DISC, CONTENTS.CONT_INDEX")});
    } else {
        SetPieces(FHstmt2,
                  {select,
                   QStringLiteral("CONTENTS.CONT_DISC, CONTENTS.CONT_INDEX FROM TITLE, CONTENTS "
                                  "WHERE"),
                   QStringLiteral("CONTENTS.ALBU_ID = ") + key + QStringLiteral(" AND"),
                   QStringLiteral("TITLE.TITE_ID = CONTENTS.TITE_ID"),
                   QStringLiteral("ORDER BY CONTENTS.CONT_DISC, CONTENTS.CONT_INDEX")});
    }
    if (FBuilder.OpenSection() == 0) {
        FHstmt2.Reset();
        return;
    }
    FBuilder.AddHeading(QStringLiteral("Titel"));
    while (FHstmt2.FetchNext()) {
        FBuilder.AddParagraph(QString(), 10, TRunStyle::Plain);
        if (Sampler) {
            FBuilder.AppendLink(ColText(FHstmt2, 8),
                                QStringLiteral("b:") + Num(ColInt(FHstmt2, 7)));
            FBuilder.AppendText(QStringLiteral(": "), 10, TRunStyle::Plain);
        }
        FBuilder.AppendLink(ColText(FHstmt2, 2), QStringLiteral("c:") + Num(ColInt(FHstmt2, 3)) +
                                                     QLatin1Char(',') + Num(ColInt(FHstmt2, 1)));
        const QString duration = ColText(FHstmt2, 4);
        if (!duration.isEmpty())
            FBuilder.AppendText(QStringLiteral(" [") + TPageBuilder::DurationText(duration) +
                                    QLatin1Char(']'),
                                10, TRunStyle::Plain);
    }
    FHstmt2.Reset();
}

void TPageComposer::AddReleases(int Id)
{
    SetPieces(FHstmt2, {QStringLiteral("SELECT TYPES.TYPE_NAME, LABEL.LABE_ID, LABEL.LABE_NAME,"),
                        QStringLiteral("PRODUCT.PDCT_JAHR, PRODUCT.PDCT_LC, PRODUCT.PDCT_KAT, "
                                       "PRODUCT.PDCT_CODE1, PRODUCT.PDCT_CODE2"),
                        QStringLiteral("FROM PRODUCT, TYPES, LABEL WHERE"),
                        QStringLiteral("PRODUCT.ALBU_ID = ") + Num(Id) + QStringLiteral(" AND"),
                        QStringLiteral("TYPES.TYPE_ID = PRODUCT.TYPE_ID AND"),
                        QStringLiteral("LABEL.LABE_ID = PRODUCT.LABE_ID"),
                        QStringLiteral("ORDER BY PRODUCT.PDCT_JAHR ASC")});
    if (FBuilder.OpenSection() == 0) {
        FHstmt2.Reset();
        return;
    }
    FBuilder.AddHeading(QStringLiteral("Erschienen auf"));
    while (FHstmt2.FetchNext()) {
        FBuilder.AddParagraph(ColText(FHstmt2, 1), 10, TRunStyle::Plain);
        const int year = ColInt(FHstmt2, 4);
        if (year > 0)
            FBuilder.AppendText(QStringLiteral(" (") + Num(year) + QLatin1Char(')'), 10,
                                TRunStyle::Plain);
        const QString label = ColText(FHstmt2, 3);
        if (!label.isEmpty()) {
            FBuilder.AppendText(QStringLiteral(", "), 10, TRunStyle::Plain);
            FBuilder.AppendLink(label, QStringLiteral("l:") + Num(ColInt(FHstmt2, 2)));
        }
        const QString lc = ColText(FHstmt2, 5);
        if (!lc.isEmpty())
            FBuilder.AppendText(QStringLiteral(" - LC ") + lc, 10, TRunStyle::Plain);
        for (int col = 6; col <= 8; ++col) {
            const QString part = ColText(FHstmt2, col);
            if (!part.isEmpty())
                FBuilder.AppendText(QStringLiteral(" - ") + part, 10, TRunStyle::Plain);
        }
    }
    FHstmt2.Reset();
}

void TPageComposer::ComposeTitle(int Id)
{
    const QString key = Num(Id);
    const QString name = ColText(FHstmt1, "TITE_NAME");
    FCaption = QStringLiteral("Titel: ") + name;
    Title(name);

    SetPieces(FHstmt2, {QStringLiteral("SELECT PERSON.PERS_ID, PERSON.PERS_NAME, PERSON.PERS_DATA "
                                       "FROM COMPOSER, PERSON WHERE"),
                        QStringLiteral("COMPOSER.TITE_ID = ") + key + QStringLiteral(" AND"),
                        QStringLiteral("PERSON.PERS_ID = COMPOSER.PERS_ID"),
                        QStringLiteral("ORDER BY PERSON.PERS_NAME")});
    FBuilder.AddPersonList(QStringLiteral("Komponist"), QStringLiteral("Komponisten"));
    AddLyricists(Id);
    FBuilder.AddStoredText(QStringLiteral("Bemerkungen"), ColInt(FHstmt1, "TITE_TEXT"));

    if (ColInt(FHstmt1, "TITE_LYRICS") > 0) {
        FBuilder.AddHeading(QStringLiteral("Lyrics / Liedtext"));
        FBuilder.AddIconLine(TPageBuilder::LyricsIcon());
        FBuilder.AppendLink(name, QStringLiteral("v:") + key);
    }

    SetPieces(FHstmt2, {QStringLiteral("SELECT BAND.BAND_ID, BAND.BAND_NAME, ALBUM.ALBU_ID, "
                                       "ALBUM.ALBU_NAME, ALBUM.ALBU_JAHR"),
                        QStringLiteral("FROM CONTENTS, BAND, ALBUM WHERE"),
                        QStringLiteral("CONTENTS.TITE_ID = ") + key + QStringLiteral(" AND"),
                        QStringLiteral("ALBUM.ALBU_ID = CONTENTS.ALBU_ID AND"),
                        QStringLiteral("BAND.BAND_ID = ALBUM.BAND_ID"),
                        QStringLiteral("ORDER BY BAND.BAND_NAME, ALBUM.ALBU_JAHR ASC")});
    FBuilder.AddBandAlbumList(QStringLiteral("Zu hören auf"), QStringLiteral("Zu hören auf"));
}

void TPageComposer::AddLyricists(int Id)
{
    SetPieces(FHstmt2, {QStringLiteral("SELECT PERSON.PERS_ID, PERSON.PERS_NAME, PERSON.PERS_DATA "
                                       "FROM TEXTER, PERSON WHERE"),
                        QStringLiteral("TEXTER.TITE_ID = ") + Num(Id) + QStringLiteral(" AND"),
                        QStringLiteral("PERSON.PERS_ID = TEXTER.PERS_ID"),
                        QStringLiteral("ORDER BY PERSON.PERS_NAME")});
    FBuilder.AddPersonList(QStringLiteral("Textdichter"), QStringLiteral("Textdichter"));
}

void TPageComposer::ComposeLyrics(int Id)
{
    const QString name = ColText(FHstmt1, "TITE_NAME");
    FCaption = QStringLiteral("Text zum Titel: ") + name;
    Title(name);
    FBuilder.AddStoredText(QStringLiteral("Text"), ColInt(FHstmt1, "TITE_LYRICS"));
    AddLyricists(Id);
    FBuilder.AddHeading(QStringLiteral("Weitere Angaben"));
    FBuilder.AddParagraph(QStringLiteral("siehe: "), 10, TRunStyle::Plain);
    FBuilder.AppendLink(name, QStringLiteral("t:") + Num(Id));
}

void TPageComposer::ComposeRecording(int AlbumId, int TitleId)
{
    const QString album = Num(AlbumId);
    const QString title = Num(TitleId);
    const QString albumName = Lookup({QStringLiteral("SELECT ALBU_NAME FROM ALBUM WHERE"),
                                      QStringLiteral("ALBU_ID = ") + album});
    const QString titleName = Lookup({QStringLiteral("SELECT TITE_NAME FROM TITLE WHERE"),
                                      QStringLiteral("TITE_ID = ") + title});
    FCaption = QStringLiteral("Interpretation: ") + Quote + titleName + Quote +
               QStringLiteral(" auf ") + Quote + albumName + Quote;
    Title(QStringLiteral("Details zur Aufnahme"));

    if (!albumName.isEmpty()) {
        FBuilder.AddHeading(QStringLiteral("Album"));
        FBuilder.AddParagraph(QString(), 10, TRunStyle::Plain);
        FBuilder.AppendLink(albumName, QStringLiteral("a:") + album);
    }
    if (!titleName.isEmpty()) {
        FBuilder.AddHeading(QStringLiteral("Titel"));
        FBuilder.AddParagraph(QString(), 10, TRunStyle::Plain);
        FBuilder.AppendLink(titleName, QStringLiteral("t:") + title);
    }

    SetPieces(FHstmt2, {QStringLiteral("SELECT GENRE.CATE_ID, CATEGORY.CATE_NAME FROM GENRE, "
                                       "CATEGORY WHERE"),
                        QStringLiteral("GENRE.ALBU_ID = ") + album + QStringLiteral(" AND"),
                        QStringLiteral("GENRE.TITE_ID = ") + title + QStringLiteral(" AND"),
                        QStringLiteral("CATEGORY.CATE_ID = GENRE.CATE_ID")});
    FBuilder.AddStyleList(QStringLiteral("Stilrichtung"), QStringLiteral("Stilrichtungen"));

    FBuilder.AddBandSection(ColInt(FHstmt1, "BAND_ID"));
    AddMusicians(AlbumId, TitleId);
    AddRecordingData();

    SetPieces(FHstmt2, {QStringLiteral("SELECT PERSON.PERS_ID, PERSON.PERS_NAME, PERSON.PERS_DATA "
                                       "FROM PRODUCER, PERSON WHERE"),
                        QStringLiteral("PRODUCER.ALBU_ID = ") + album + QStringLiteral(" AND"),
                        QStringLiteral("PRODUCER.TITE_ID = ") + title + QStringLiteral(" AND"),
                        QStringLiteral("PERSON.PERS_ID = PRODUCER.PERS_ID"),
                        QStringLiteral("ORDER BY PERS_NAME")});
    FBuilder.AddPersonList(QStringLiteral("Produzent"), QStringLiteral("Produzenten"));
}

void TPageComposer::AddMusicians(int AlbumId, int TitleId)
{
    const QString album = Num(AlbumId);
    const QString title = Num(TitleId);
    SetPieces(FHstmt2, {QStringLiteral("SELECT PERSON.PERS_ID, PERSON.PERS_NAME, PERSON.PERS_DATA "
                                       "FROM MUSICIAN, PERSON WHERE"),
                        QStringLiteral("MUSICIAN.ALBU_ID = ") + album + QStringLiteral(" AND"),
                        QStringLiteral("MUSICIAN.TITE_ID = ") + title + QStringLiteral(" AND"),
                        QStringLiteral("PERSON.PERS_ID = MUSICIAN.PERS_ID"),
                        QStringLiteral("ORDER BY PERSON.PERS_NAME")});
    if (FBuilder.OpenSection() == 0) {
        FHstmt2.Reset();
        return;
    }
    FBuilder.AddHeading(QStringLiteral("Musiker"));
    while (FHstmt2.FetchNext()) {
        const int person = ColInt(FHstmt2, 1);
        const QString name = FormatPersonName(ColText(FHstmt2, 2));
        FBuilder.AddParagraph(QString(), 10, TRunStyle::Plain);
        if (ColInt(FHstmt2, 3) > 0)
            FBuilder.AppendLink(name, QStringLiteral("p:") + Num(person));
        else
            FBuilder.AppendText(name, 10, TRunStyle::Plain);

        SetPieces(FHstmt3,
                  {QStringLiteral("SELECT INSTRUME.INST_ID, INSTRUME.INST_NAMED FROM "
                                  "PLAYLIST, INSTRUME WHERE"),
                   QStringLiteral("PLAYLIST.PERS_ID = ") + Num(person) + QStringLiteral(" AND"),
                   QStringLiteral("PLAYLIST.ALBU_ID = ") + album + QStringLiteral(" AND"),
                   QStringLiteral("PLAYLIST.TITE_ID = ") + title + QStringLiteral(" AND"),
                   QStringLiteral("INSTRUME.INST_ID = PLAYLIST.INST_ID"),
                   QStringLiteral("ORDER BY INSTRUME.INST_NAMED")});
        FHstmt3.Prepare();
        FHstmt3.Execute();
        int k = 0;
        while (FHstmt3.FetchNext()) {
            if (k == 0)
                FBuilder.AppendText(QStringLiteral(":"), 10, TRunStyle::Plain);
            if (k % 4 == 0) {
                if (k > 0)
                    FBuilder.AppendText(QStringLiteral(", "), 10, TRunStyle::Plain);
                FBuilder.AddParagraph(QStringLiteral("      "), 10, TRunStyle::Plain);
            } else {
                FBuilder.AppendText(QStringLiteral(", "), 10, TRunStyle::Plain);
            }
            FBuilder.AppendLink(ColText(FHstmt3, 2),
                                QStringLiteral("i:") + Num(ColInt(FHstmt3, 1)));
            ++k;
        }
        FHstmt3.Reset();
    }
    FHstmt2.Reset();
}

void TPageComposer::AddRecordingData()
{
    const QString duration = ColText(FHstmt1, "CONT_DAUER");
    const int year = ColInt(FHstmt1, "CONT_JAHR");
    const int live = ColInt(FHstmt1, "CONT_LIVE");
    QString studioName;
    int studio = 0;
    {
        SetPieces(FHstmt4, {QStringLiteral("SELECT STUD_ID, STUD_NAME FROM STUDIO WHERE"),
                            QStringLiteral("STUD_ID = ") + Num(ColInt(FHstmt1, "STUD_ID"))});
        FHstmt4.Prepare();
        FHstmt4.Execute();
        if (FHstmt4.FetchNext()) {
            studio = ColInt(FHstmt4, 1);
            studioName = ColText(FHstmt4, 2);
        }
        FHstmt4.Reset();
    }
    if (duration.isEmpty() && year <= 0 && studioName.isEmpty())
        return;
    FBuilder.AddHeading(QStringLiteral("Aufnahme:"));
    if (!studioName.isEmpty()) {
        FBuilder.AddParagraph(live == 1 ? QStringLiteral("Live-Aufnahme Studio ")
                                        : QStringLiteral("Studio "),
                              10, TRunStyle::Plain);
        FBuilder.AppendLink(studioName, QStringLiteral("s:") + Num(studio));
        if (year > 0)
            FBuilder.AppendText(QStringLiteral(" (") + Num(year) + QLatin1Char(')'), 10,
                                TRunStyle::Plain);
    } else if (year > 0) {
        FBuilder.AddParagraph(Num(year), 10, TRunStyle::Plain);
    }
    if (!duration.isEmpty()) {
        QString shown = TPageBuilder::DurationText(duration);
        if (shown.size() == 8 && shown.startsWith(QLatin1String("00:")))
            shown.remove(0, 3);
        FBuilder.AddParagraph(QStringLiteral("Dauer: ") + shown, 10, TRunStyle::Plain);
    }
}
