#include "pages/PageComposer.h"

#include "odbc/OCL.h"
#include "pages/PageBuilder.h"
#include "shell/SqlText.h"

namespace {

// Closes the row statement however the composition ends.
class TCloseRow
{
public:
    explicit TCloseRow(THstmt& Stmt) : FStmt(Stmt) {}
    ~TCloseRow()
    {
        try {
            FStmt.Reset();
        } catch (...) {
            // The failure that ended the build is the one worth reporting.
        }
    }
    TCloseRow(const TCloseRow&) = delete;
    TCloseRow& operator=(const TCloseRow&) = delete;

private:
    THstmt& FStmt;
};

} // namespace

TPageComposer::TPageComposer(TPageBuilder& Builder, THstmt& Hstmt1, THstmt& Hstmt2, THstmt& Hstmt3,
                             THstmt& Hstmt4)
    : FBuilder(Builder), FHstmt1(Hstmt1), FHstmt2(Hstmt2), FHstmt3(Hstmt3), FHstmt4(Hstmt4)
{
}

std::optional<QString> TPageComposer::RowStatement(int Kind, int Id, int SubId)
{
    const QString key = QString::number(Id);
    auto row = [&key](const char* Select, const char* Column) {
        return QString::fromLatin1(Select) + QLatin1Char(' ') + QString::fromLatin1(Column) + key;
    };
    switch (Kind) {
    case 0:
    case 10:
    case 11:
        return row("SELECT * FROM INSTRUME WHERE", "INST_ID = ");
    case 1:
        return row("SELECT * FROM PERSON WHERE", "PERS_ID = ");
    case 2:
    case 101:
        return row("SELECT * FROM FREI WHERE", "FREI_ID = ");
    case 3:
        return row("SELECT * FROM BAND WHERE", "BAND_ID = ");
    case 4:
    case 8:
        return row("SELECT * FROM ALBUM WHERE", "ALBU_ID = ");
    case 5:
    case 7:
    case 100:
        return row("SELECT * FROM TITLE WHERE", "TITE_ID = ");
    case 6:
    case 9:
        return QStringLiteral("SELECT * FROM CONTENTS WHERE ALBU_ID = ") + key +
               QStringLiteral(" AND TITE_ID = ") + QString::number(SubId);
    case 12:
        return row("SELECT * FROM CATEGORY WHERE", "CATE_ID = ");
    case 13:
        return row("SELECT * FROM STUDIO WHERE", "STUD_ID = ");
    case 14:
        return row("SELECT * FROM LABEL WHERE", "LABE_ID = ");
    case 15:
        return row("SELECT * FROM ADRESSE WHERE", "ADRE_ID = ");
    case 16:
        return row("SELECT * FROM HERST WHERE", "HRST_ID = ");
    default:
        return std::nullopt;
    }
}

bool TPageComposer::Compose(int Kind, int Id, int SubId)
{
    FCaption.reset();
    const std::optional<QString> sql = RowStatement(Kind, Id, SubId);
    if (!sql)
        return false;
    const TCloseRow close(FHstmt1);
    SetSQLText(FHstmt1, *sql);
    FHstmt1.Prepare();
    FHstmt1.Execute();
    if (!FHstmt1.FetchFirst())
        return false;
    switch (Kind) {
    case 0:
    case 10:
    case 11:
        ComposeInstrument(Id);
        break;
    case 1:
        ComposePerson(Id);
        break;
    case 2:
    case 101:
        ComposeFreeArticle();
        break;
    case 3:
        ComposeBand(Id);
        break;
    case 4:
    case 8:
        ComposeAlbum(Id);
        break;
    case 5:
    case 7:
        ComposeTitle(Id);
        break;
    case 100:
        ComposeLyrics(Id);
        break;
    case 6:
    case 9:
        ComposeRecording(Id, SubId);
        break;
    case 12:
        ComposeStyle(Id);
        break;
    case 13:
        ComposeStudio(Id);
        break;
    case 14:
        ComposeLabel(Id);
        break;
    case 15:
        ComposeAddress();
        break;
    case 16:
        ComposeManufacturer();
        break;
    default:
        break;
    }
    return true;
}

void TPageComposer::Title(const QString& Text)
{
    FBuilder.AddParagraph(Text, 16, TPageBuilder::TRunStyle::Bold);
}

QString TPageComposer::Lookup(std::initializer_list<QString> Pieces)
{
    const TCloseRow close(FHstmt4);
    SetPieces(FHstmt4, Pieces);
    FHstmt4.Prepare();
    FHstmt4.Execute();
    return FHstmt4.FetchNext() ? ColText(FHstmt4, 1) : QString();
}
