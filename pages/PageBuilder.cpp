#include "pages/PageBuilder.h"

#include "controls/MenuMotifs.h"
#include "odbc/OCL.h"
#include "odbc/Vlf.h"
#include "pages/PersonFormat.h"
#include "shell/Global.h"
#include "shell/SqlText.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int BodySize = 10;
constexpr int HeadingSize = 12;

// Closes the cursor of a statement however the walk over it ends, so that a
// failing section never leaves a result open for the next page.
class TCloseOnExit
{
public:
    explicit TCloseOnExit(THstmt& Stmt) : FStmt(Stmt) {}
    ~TCloseOnExit()
    {
        try {
            FStmt.Reset();
        } catch (...) {
            // Closing is a courtesy; the failure that matters is on its way.
        }
    }
    TCloseOnExit(const TCloseOnExit&) = delete;
    TCloseOnExit& operator=(const TCloseOnExit&) = delete;

private:
    THstmt& FStmt;
};

QImage LoadPicture(qint64 Pos)
{
    if (Pos <= 0 || TextStore == nullptr)
        return {};
    const std::vector<char> bytes = TextStore->ReadItem(Pos);
    if (bytes.empty())
        return {};
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()));
}

QImage Icon(TMotif Motif)
{
    QImage icon(28, 28, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    DrawMotif(painter, Motif, QRectF(2, 2, 24, 24));
    return icon;
}

// The periods of a band membership as "1962-1966, 1970". Start columns are
// VON1 ... VON4 and end columns BIS1 ... BIS4, from FirstCol on in pairs.
// Members count a period by a year above 0, band lists by a non-empty column.
QString MemberPeriods(THstmt& Stmt, int FirstCol)
{
    QString text;
    for (int i = 0; i < 4; ++i) {
        const int from = ColInt(Stmt, FirstCol + 2 * i);
        const int to = ColInt(Stmt, FirstCol + 2 * i + 1);
        if (from <= 0 && to <= 0)
            continue;
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        if (from > 0)
            text += QString::number(from);
        if (to > 0)
            text += QLatin1Char('-') + QString::number(to);
    }
    return text;
}

QString BandPeriods(THstmt& Stmt, int FirstCol)
{
    QString text;
    for (int i = 0; i < 4; ++i) {
        const QString from = ColText(Stmt, FirstCol + 2 * i);
        if (from.isEmpty())
            continue;
        const QString to = ColText(Stmt, FirstCol + 2 * i + 1);
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        text += from;
        if (!to.isEmpty())
            text += QLatin1Char('-') + to;
    }
    return text;
}

} // namespace

QString ColText(THstmt& Stmt, const char* Name)
{
    return QString::fromStdString(Stmt.ColStringByName(Name));
}

QString ColText(THstmt& Stmt, int Col)
{
    return QString::fromStdString(Stmt.ColString(Col));
}

int ColInt(THstmt& Stmt, const char* Name)
{
    return Stmt.ColIntegerByName(Name);
}

int ColInt(THstmt& Stmt, int Col)
{
    return Stmt.ColInteger(Col);
}

void SetPieces(THstmt& Stmt, std::initializer_list<QString> Pieces)
{
    bool first = true;
    for (const QString& piece : Pieces) {
        if (first)
            SetSQLText(Stmt, piece);
        else
            AppendSQLText(Stmt, piece);
        first = false;
    }
}

TPageBuilder::TPageBuilder(TWPRichText& Page, THstmt& Hstmt2, THstmt& Hstmt3)
    : FPage(Page), FHstmt2(Hstmt2), FHstmt3(Hstmt3)
{
}

void TPageBuilder::AddParagraph(const QString& Text, int Size, TRunStyle Style)
{
    FPage.AddParagraph(Text, Size, Style);
}

void TPageBuilder::AppendText(const QString& Text, int Size, TRunStyle Style)
{
    FPage.AppendText(Text, Size, Style);
}

void TPageBuilder::AppendLink(const QString& Text, const QString& Code)
{
    FPage.AppendLink(Text, Code, BodySize);
}

void TPageBuilder::AddHeading(const QString& Heading)
{
    AddParagraph(QStringLiteral(" "), BodySize, TRunStyle::Plain);
    AddParagraph(Heading, HeadingSize, TRunStyle::Bold);
}

void TPageBuilder::AddStoredText(const QString& Heading, qint64 Pos)
{
    if (Pos <= 0 || TextStore == nullptr || TextStore->ItemSize(Pos) <= 4)
        return;
    const std::vector<char> item = TextStore->ReadItem(Pos);
    AddParagraph(QStringLiteral(" "), BodySize, TRunStyle::Plain);
    if (!Heading.isEmpty())
        AddParagraph(Heading, HeadingSize, TRunStyle::Bold);
    // Stored texts get a wider space below so they read as blocks of their own.
    TWPParaMeasures measures;
    measures.SpaceAfter = 400;
    FPage.AppendRtf(QByteArray(item.data(), static_cast<qsizetype>(item.size())), measures,
                    Qt::AlignJustify);
}

void TPageBuilder::AddPictures(qint64 Pos1, qint64 Pos2, const QString& Caption1,
                               const QString& Caption2)
{
    if (Pos1 == 0 && Pos2 == 0)
        return;
    QString caption1 = Caption1;
    QString caption2 = Caption2;
    if (Pos1 == 0) {
        Pos1 = Pos2;
        Pos2 = 0;
        caption1 = Caption2;
        caption2.clear();
    }
    const QImage first = LoadPicture(Pos1);
    const QImage second = LoadPicture(Pos2);
    AddParagraph(QStringLiteral(" "), BodySize, TRunStyle::Plain);
    AddParagraph(QStringLiteral(" "), BodySize, TRunStyle::Plain);
    if (!first.isNull())
        FPage.AppendPicture(first);
    const bool two = Pos2 != 0;
    if (two && !second.isNull())
        FPage.AppendPicture(second);
    TWPParaMeasures captions;
    captions.FirstIndent = 40;
    FPage.AddParagraph(QStringLiteral(" "), BodySize, TRunStyle::Plain, captions);
    QString text = QStringLiteral(" ") + caption1;
    if (two) {
        FPage.SetTabStop(FPage.PixelsToTwips(first.width()) + 200);
        text += QStringLiteral("\t  ") + caption2;
    }
    AppendText(text, BodySize, TRunStyle::Plain);
}

void TPageBuilder::AddIconLine(const QImage& Icon)
{
    AddParagraph(QString(), BodySize, TRunStyle::Plain);
    FPage.AppendPicture(Icon);
    AppendText(QStringLiteral(" "), BodySize, TRunStyle::Plain);
}

int TPageBuilder::OpenSection()
{
    FHstmt2.Prepare();
    FHstmt2.Execute();
    int rows = 0;
    while (rows < 2 && FHstmt2.FetchNext())
        ++rows;
    FHstmt2.Reset();
    if (rows > 0) {
        FHstmt2.Prepare();
        FHstmt2.Execute();
    }
    return rows;
}

bool TPageBuilder::BeginSection(const QString& Singular, const QString& Plural)
{
    const int rows = OpenSection();
    if (rows == 0)
        return false;
    AddHeading(rows == 1 ? Singular : Plural);
    return true;
}

void TPageBuilder::AddPersonEntry(const QString& Name, int Id, int Data)
{
    const QString shown = FormatPersonName(Name);
    if (Data >= 1) {
        AddParagraph(QString(), BodySize, TRunStyle::Plain);
        AppendLink(shown, QStringLiteral("p:") + QString::number(Id));
    } else {
        AddParagraph(shown, BodySize, TRunStyle::Plain);
    }
}

void TPageBuilder::AddPersonList(const QString& Singular, const QString& Plural)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Singular, Plural))
        return;
    while (FHstmt2.FetchNext())
        AddPersonEntry(ColText(FHstmt2, 2), ColInt(FHstmt2, 1), ColInt(FHstmt2, 3));
}

void TPageBuilder::AddMemberList(const QString& Singular, const QString& Plural)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Singular, Plural))
        return;
    while (FHstmt2.FetchNext()) {
        AddPersonEntry(ColText(FHstmt2, 2), ColInt(FHstmt2, 1), ColInt(FHstmt2, 3));
        const QString periods = MemberPeriods(FHstmt2, 4);
        if (!periods.isEmpty())
            AppendText(QStringLiteral(" (") + periods + QLatin1Char(')'), BodySize,
                       TRunStyle::Plain);
    }
}

void TPageBuilder::AddPersonBands(const QString& Heading)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Heading, Heading))
        return;
    while (FHstmt2.FetchNext()) {
        const QString periods = BandPeriods(FHstmt2, 3);
        AddParagraph(QString(), BodySize, TRunStyle::Plain);
        AppendLink(ColText(FHstmt2, 2), QStringLiteral("b:") + QString::number(ColInt(FHstmt2, 1)));
        if (!periods.isEmpty())
            AppendText(QStringLiteral(" ") + periods, BodySize, TRunStyle::Plain);
    }
}

void TPageBuilder::AddAlbumList(const QString& Singular, const QString& Plural)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Singular, Plural))
        return;
    while (FHstmt2.FetchNext()) {
        const int album = ColInt(FHstmt2, 1);
        AddParagraph(QString(), BodySize, TRunStyle::Plain);
        AppendLink(ColText(FHstmt2, 2), QStringLiteral("a:") + QString::number(album));
        AddReleaseNote(album);
    }
}

void TPageBuilder::AddBandAlbumList(const QString& Singular, const QString& Plural)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Singular, Plural))
        return;
    while (FHstmt2.FetchNext()) {
        const int album = ColInt(FHstmt2, 3);
        AddParagraph(QString(), BodySize, TRunStyle::Plain);
        AppendLink(ColText(FHstmt2, 2), QStringLiteral("b:") + QString::number(ColInt(FHstmt2, 1)));
        AppendText(QStringLiteral(": "), BodySize, TRunStyle::Plain);
        AppendLink(ColText(FHstmt2, 4), QStringLiteral("a:") + QString::number(album));
        AddReleaseNote(album);
    }
}

void TPageBuilder::AddReleaseNote(int AlbumId)
{
    const TCloseOnExit close(FHstmt3);
    SetPieces(FHstmt3, {QStringLiteral("SELECT TYPES.TYPE_NAME, PRODUCT.PDCT_JAHR"),
                        QStringLiteral("FROM PRODUCT, TYPES WHERE"),
                        QStringLiteral("PRODUCT.ALBU_ID = ") + QString::number(AlbumId) +
                            QStringLiteral(" AND"),
                        QStringLiteral("TYPES.TYPE_ID = PRODUCT.TYPE_ID"),
                        QStringLiteral("ORDER BY PRODUCT.PDCT_JAHR ASC")});
    FHstmt3.Prepare();
    FHstmt3.Execute();
    QString note = QStringLiteral("(");
    while (FHstmt3.FetchNext()) {
        if (note != QLatin1String("("))
            note += QStringLiteral(", ");
        const QString medium = ColText(FHstmt3, 1);
        if (!medium.isEmpty()) {
            note += medium;
            const QString year = ColText(FHstmt3, 2);
            if (!year.isEmpty() && year != QLatin1String("0"))
                note += QLatin1Char(' ') + year;
        }
    }
    if (note != QLatin1String("("))
        AppendText(QStringLiteral(" ") + note + QLatin1Char(')'), BodySize, TRunStyle::Plain);
}

void TPageBuilder::AddFourToALine(const QString& Singular, const QString& Plural,
                                  const QString& CodePrefix)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Singular, Plural))
        return;
    int k = 0;
    while (FHstmt2.FetchNext()) {
        if (k % 4 == 0)
            AddParagraph(QString(), BodySize, TRunStyle::Plain);
        else
            AppendText(QStringLiteral(", "), BodySize, TRunStyle::Plain);
        AppendLink(ColText(FHstmt2, 2), CodePrefix + QString::number(ColInt(FHstmt2, 1)));
        ++k;
    }
}

void TPageBuilder::AddStyleList(const QString& Singular, const QString& Plural)
{
    AddFourToALine(Singular, Plural, QStringLiteral("g:"));
}

void TPageBuilder::AddBandSection(int BandId)
{
    const TCloseOnExit close(FHstmt3);
    SetPieces(FHstmt3, {QStringLiteral("SELECT BAND_ID, BAND_NAME FROM BAND WHERE"),
                        QStringLiteral("BAND_ID = ") + QString::number(BandId)});
    FHstmt3.Prepare();
    FHstmt3.Execute();
    if (!FHstmt3.FetchNext())
        return;
    AddHeading(QStringLiteral("Band / Interpret"));
    AddParagraph(QString(), BodySize, TRunStyle::Plain);
    AppendLink(ColText(FHstmt3, 2), QStringLiteral("b:") + QString::number(ColInt(FHstmt3, 1)));
}

void TPageBuilder::AddSoundExamples(const QString& Singular, const QString& Plural,
                                    const QString& Separator, const QString& Code)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Singular, Plural))
        return;
    const QImage microphone = MicrophoneIcon();
    while (FHstmt2.FetchNext()) {
        AddIconLine(microphone);
        AppendLink(ColText(FHstmt2, 1) + Separator + ColText(FHstmt2, 2),
                   Code + QString::number(ColInt(FHstmt2, 3)));
    }
}

void TPageBuilder::AddLinkList(const QString& Singular, const QString& Plural,
                               const QString& CodePrefix)
{
    const TCloseOnExit close(FHstmt2);
    if (!BeginSection(Singular, Plural))
        return;
    while (FHstmt2.FetchNext()) {
        AddParagraph(QString(), BodySize, TRunStyle::Plain);
        AppendLink(ColText(FHstmt2, 2), CodePrefix + QString::number(ColInt(FHstmt2, 1)));
    }
}

QImage TPageBuilder::MicrophoneIcon()
{
    static const QImage icon = Icon(TMotif::Singer);
    return icon;
}

QImage TPageBuilder::LyricsIcon()
{
    static const QImage icon = Icon(TMotif::OpenBook);
    return icon;
}

QString TPageBuilder::DurationText(const QString& Stored)
{
    // Short values get their colons at the end, as an insert past the end did.
    QString text = Stored;
    text.insert(std::min<qsizetype>(2, text.size()), QLatin1Char(':'));
    text.insert(std::min<qsizetype>(5, text.size()), QLatin1Char(':'));
    return text;
}
