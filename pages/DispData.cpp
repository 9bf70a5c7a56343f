#include "pages/DispData.h"

#include "browse/TextSuch.h"
#include "controls/MenuArt.h"
#include "controls/ShapeBut.h"
#include "odbc/OCL.h"
#include "odbc/SystemStore.h"
#include "output/MenuAusg.h"
#include "output/OutputArt.h"
#include "pages/LinkCode.h"
#include "pages/PageBuilder.h"
#include "pages/PageComposer.h"
#include "richtext/WPRichText.h"
#include "shell/Global.h"
#include "shell/MusaApplication.h"
#include "shell/SqlText.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

std::function<void(int, int, int)> ShowRecordPageHook;

namespace {

const QString Section = QStringLiteral("DATENANZEIGE");
constexpr int PanelLeft = 7;
constexpr int PanelTop = 8;
// Narrow enough that the five buttons never overlap at the smallest width:
// back and forward meet in the middle, print and search stand left of them.
const QSize ButtonSize(108, 40);
constexpr int MinimumWidth = 600;
constexpr int MinimumHeight = 360;
const QColor ButtonColor(0x48, 0x60, 0x90);

TfrmDispData::TErrorDisplay& ErrorDisplay()
{
    static TfrmDispData::TErrorDisplay display;
    return display;
}

// The hourglass for the time of a build, also when the build fails.
class TWaitCursor
{
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

std::unique_ptr<THstmt> PageStatement(const char* Name)
{
    auto stmt = std::make_unique<THstmt>(Name);
    stmt->SetHdbc(CatalogDbc);
    // One row at a time; the keyset cursor also reads computed columns as
    // numbers under the step mode of the data source.
    stmt->SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    return stmt;
}

} // namespace

TfrmDispData::TfrmDispData(QWidget* Parent)
    : TMusaForm(Parent), FHstmt1(PageStatement("Hstmt1")), FHstmt2(PageStatement("Hstmt2")),
      FHstmt3(PageStatement("Hstmt3")), FHstmt4(PageStatement("Hstmt4"))
{
    setWindowTitle(QStringLiteral("Daten anzeigen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    QFont screenFont(QStringLiteral("Arial"));
    screenFont.setPixelSize(13);
    setFont(screenFont);
    SetHelpContext(33);
    SetResizable(true);
    SetWallpaper(SystemItem::DialogWallpaper);
    resize(640, 480);
    setMinimumSize(MinimumWidth, MinimumHeight);

    pnlRichText = new QFrame(this);
    pnlRichText->setObjectName(QStringLiteral("pnlRichText"));
    pnlRichText->setFrameShape(QFrame::Box);
    pnlRichText->setAutoFillBackground(true);
    QPalette white = pnlRichText->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlRichText->setPalette(white);
    pnlRichText->move(PanelLeft, PanelTop);
    auto* layout = new QVBoxLayout(pnlRichText);
    layout->setContentsMargins(1, 1, 1, 1);
    WPRichText1 = new TWPRichText(pnlRichText);
    WPRichText1->setObjectName(QStringLiteral("WPRichText1"));
    WPRichText1->setFrameShape(QFrame::NoFrame);
    WPRichText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(WPRichText1);

    using MenuArt::PlatePicture;
    pbPrint = AddButton(
        "pbPrint",
        OutputArt::PlatePicture(OutputArt::TOutputMotif::Print, ButtonSize,
                                QStringLiteral("Ausgabe")),
        QStringLiteral("Zur Ausgabe des Textes auf einen Drucker oder in die Zwischenablage."));
    pbSuchen = AddButton(
        "pbSuchen",
        PlatePicture(TMotif::Dictionary, ButtonSize, QStringLiteral("Suchen"), ButtonColor),
        QStringLiteral("Text in dieser Seite suchen."));
    pbPrev = AddButton("pbPrev",
                       OutputArt::PlatePicture(OutputArt::TOutputMotif::Back, ButtonSize,
                                               QStringLiteral("Zurück")),
                       QStringLiteral("Zurück zum vorherigen Thema."));
    pbNext = AddButton(
        "pbNext", PlatePicture(TMotif::Notes, ButtonSize, QStringLiteral("Vorwärts"), ButtonColor),
        QStringLiteral("Vorwärts zum nächsten Thema."));
    pbClose = AddButton(
        "pbClose", PlatePicture(TMotif::Door, ButtonSize, QStringLiteral("Schließen"), ButtonColor),
        QStringLiteral("Fenster schließen und zurück zur Auswahl."));
    pbPrev->setEnabled(false);
    pbNext->setEnabled(false);

    connect(WPRichText1, &TWPRichText::HyperLinkEvent, this,
            &TfrmDispData::WPRichText1HyperLinkEvent);
    connect(pbPrint, &TShapeButton::clicked, this, &TfrmDispData::pbPrintClick);
    connect(pbSuchen, &TShapeButton::clicked, this, &TfrmDispData::pbSuchenClick);
    connect(pbPrev, &TShapeButton::clicked, this, &TfrmDispData::pbPrevClick);
    connect(pbNext, &TShapeButton::clicked, this, &TfrmDispData::pbNextClick);
    connect(pbClose, &TShapeButton::clicked, this, &TfrmDispData::pbCloseClick);
    FormResize();
}

TfrmDispData::~TfrmDispData() = default;

TShapeButton* TfrmDispData::AddButton(const char* Name, const QImage& Picture, const QString& Hint)
{
    auto* button = new TShapeButton(this);
    button->setObjectName(QString::fromLatin1(Name));
    button->SetPicture(Picture);
    button->setToolTip(Hint);
    return button;
}

void TfrmDispData::SetErrorDisplayForTesting(TErrorDisplay Shown)
{
    ErrorDisplay() = std::move(Shown);
}

void TfrmDispData::ReportError(const std::exception& Error)
{
    if (ErrorDisplay())
        ErrorDisplay()(Error);
    else
        ShowException(Error);
}

void TfrmDispData::PushHistory(int Kind, int Id, int SubId)
{
    FHistory.Push(Kind, Id, SubId);
}

void TfrmDispData::ResetStatements() noexcept
{
    for (THstmt* stmt : {FHstmt1.get(), FHstmt2.get(), FHstmt3.get(), FHstmt4.get()}) {
        try {
            stmt->Reset();
        } catch (...) {
            // A statement that cannot even close has nothing left to report.
        }
    }
}

void TfrmDispData::ShowCurrentEntry()
{
    std::exception_ptr failure;
    {
        const TWaitCursor wait;
        pbNext->setEnabled(false);
        pbPrev->setEnabled(false);
        // Lets the disabled buttons repaint before the build blocks.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

        WPRichText1->BeginUpdate();
        WPRichText1->Clear();
        WPRichText1->SetPageWidthTwips(WPRichText1->VisibleWidthTwips());
        const THistoryEntry entry = FHistory.Current();
        try {
            TPageBuilder builder(*WPRichText1, *FHstmt2, *FHstmt3);
            TPageComposer composer(builder, *FHstmt1, *FHstmt2, *FHstmt3, *FHstmt4);
            composer.Compose(entry.Kind, entry.Id, entry.SubId);
            if (composer.Caption())
                setWindowTitle(*composer.Caption());
        } catch (const std::exception&) {
            // The page keeps what was built; it is shown like a finished one
            // and the error comes after the hourglass has gone.
            ResetStatements();
            failure = std::current_exception();
        }
        if (!failure)
            WPRichText1->AddParagraph(QStringLiteral(" "), 10, TWPRichText::TRunStyle::Plain);
        WPRichText1->Reformat();
        WPRichText1->EndUpdate();
        WPRichText1->SetScrollPos(std::max(0, entry.ScrollPos));
    }
    pbNext->setEnabled(FHistory.CanGoForward());
    pbPrev->setEnabled(FHistory.CanGoBack());
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& error) {
            ReportError(error);
        }
    }
}

void TfrmDispData::FormResize()
{
    const int w = width();
    const int h = height();
    pnlRichText->setGeometry(PanelLeft, PanelTop, w - 2 * PanelLeft, h - 2 * PanelTop - 50);
    pbClose->move(w - pbClose->width() - 10, h - pbClose->height() - 10);
    const int top = pbClose->y();
    pbNext->move(w / 2 + 40, top);
    pbPrev->move(w / 2 - pbPrev->width() + 40, top);
    pbPrint->move(10, top);
    pbSuchen->move(10 + pbPrint->width() + 6, top);
    const int scroll = WPRichText1->ScrollPos();
    WPRichText1->SetPageWidthTwips(WPRichText1->VisibleWidthTwips());
    WPRichText1->SetScrollPos(scroll);
}

void TfrmDispData::resizeEvent(QResizeEvent* Event)
{
    TMusaForm::resizeEvent(Event);
    if (pbClose != nullptr)
        FormResize();
}

void TfrmDispData::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    if (Event->spontaneous() || FShownOnce)
        return;
    FShownOnce = true;
    setWindowState(Qt::WindowNoState);
    ReadPosition(Section);
    FormResize();
    ShowCurrentEntry();
}

void TfrmDispData::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous())
        WritePosition(Section);
    TMusaForm::hideEvent(Event);
}

void TfrmDispData::WPRichText1HyperLinkEvent(const QString& Code)
{
    PlayLinkSound();
    FHistory.Current().ScrollPos = WPRichText1->ScrollPos();
    // The WAV player that "mi:" and "mc:" will stop and start is not part of
    // the program yet; until it is, sound links do nothing.
    try {
        OpenLinkTarget(Code);
    } catch (const std::exception& error) {
        ResetStatements();
        ReportError(error);
    }
}

void TfrmDispData::OpenLinkTarget(const QString& Code)
{
    const TLinkTarget target = ParseLinkCode(Code);
    switch (target.Action) {
    case TLinkTarget::TAction::Open:
        PushHistory(target.Kind, target.Id, target.SubId);
        ShowCurrentEntry();
        break;
    case TLinkTarget::TAction::OpenByName: {
        SetSQLText(*FHstmt1, target.NameSql);
        FHstmt1->Prepare();
        FHstmt1->Execute();
        const bool found = FHstmt1->FetchFirst();
        const int id = found ? FHstmt1->ColInteger(1) : 0;
        FHstmt1->Reset();
        if (found) {
            PushHistory(target.Kind, id, 0);
            ShowCurrentEntry();
        }
        break;
    }
    case TLinkTarget::TAction::Sound:
        break;
    case TLinkTarget::TAction::Invalid:
        PlayErrorSound();
        break;
    }
}

void TfrmDispData::pbPrevClick()
{
    PlayClickSound();
    if (FHistory.Back())
        ShowCurrentEntry();
}

void TfrmDispData::pbNextClick()
{
    PlayClickSound();
    if (FHistory.Forward())
        ShowCurrentEntry();
}

void TfrmDispData::pbPrintClick()
{
    PlayClickSound();
    ShowOutput(WPRichText1);
    ShowCurrentEntry();
}

void TfrmDispData::pbCloseClick()
{
    PlayClickSound();
    close();
}

void TfrmDispData::pbSuchenClick()
{
    PlayClickSound();
    auto dialog = std::make_unique<TfrmTextSuche>(this);
    if (dialog->exec() == 1)
        SearchInPage(dialog->editSuchbegriff->text());
}

int TfrmDispData::SearchInPage(const QString& Text)
{
    ShowCurrentEntry();
    const QList<int> hits =
        WPRichText1->FindAndHighlight(Text, QColor(255, 255, 0), QLatin1Char('*'));
    WPRichText1->Reformat();
    WPRichText1->MoveToAndScroll(hits.isEmpty() ? -1 : hits.first());
    return static_cast<int>(hits.size());
}

bool TfrmDispData::FormKeyUp(QKeyEvent* Event)
{
    switch (Event->key()) {
    case Qt::Key_Escape:
        pbCloseClick();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
        if (pbPrev->isEnabled())
            pbPrevClick();
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Right:
        if (pbNext->isEnabled())
            pbNextClick();
        return true;
    default:
        return TMusaForm::FormKeyUp(Event);
    }
}

void ShowRecordPage(int Kind, int Id, int SubId)
{
    if (ShowRecordPageHook) {
        ShowRecordPageHook(Kind, Id, SubId);
        return;
    }
    auto screen = std::make_unique<TfrmDispData>();
    screen->PushHistory(Kind, Id, SubId);
    screen->exec();
}
