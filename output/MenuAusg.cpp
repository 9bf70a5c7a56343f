#include "output/MenuAusg.h"

#include "controls/ShapeBut.h"
#include "odbc/SystemStore.h"
#include "output/OutputArt.h"
#include "output/OutputPrinter.h"
#include "output/PageLayout.h"
#include "output/Raender.h"
#include "richtext/WPRichText.h"
#include "shell/Global.h"
#include "shell/WaitCursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QTextCursor>

std::function<void(TWPRichText*)> ShowOutputHook;

namespace {

const QString Section = QStringLiteral("MENUE: AUSGEBEN");

constexpr int Border = 12;
constexpr int ButtonWidth = 76;
constexpr int ButtonHeight = 84;
constexpr int Gap = 8;
// The way back stands a little apart from the four ways out.
constexpr int BackGap = 22;

} // namespace

TfrmAusgabe::TfrmAusgabe(QWidget* Parent) : TMusaForm(Parent)
{
    using OutputArt::TilePicture;
    using OutputArt::TOutputMotif;

    setWindowTitle(QStringLiteral("Ausgeben"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(2 * Border + 5 * ButtonWidth + BackGap + 3 * Gap, 2 * Border + ButtonHeight);
    SetHelpContext(48);
    SetWallpaper(SystemItem::DialogWallpaper);

    // Holds the copy that is printed or copied; it is never shown.
    WPRichText1 = new TWPRichText(this);
    WPRichText1->setObjectName(QStringLiteral("WPRichText1"));
    WPRichText1->setGeometry(width() - 33, height() - 36, 33, 36);
    WPRichText1->hide();

    const QSize size(ButtonWidth, ButtonHeight);
    int left = Border;
    pbZurueck = AddButton("pbZurueck", left,
                          TilePicture(TOutputMotif::Back, size, QStringLiteral("Zurück")),
                          QStringLiteral("Zurück ind Detailfenster"));
    left += ButtonWidth + BackGap;
    pbSetup = AddButton("pbSetup", left,
                        TilePicture(TOutputMotif::PrinterChoice, size, QStringLiteral("Drucker")),
                        QStringLiteral("Öffnet den Standard-Dialog zur Druckerauswahl"));
    left += ButtonWidth + Gap;
    ppClipboard = AddButton("ppClipboard", left,
                            TilePicture(TOutputMotif::Clipboard, size, QStringLiteral("Kopieren")),
                            QStringLiteral("Gibt die Daten in die Zwischenablage aus."));
    left += ButtonWidth + Gap;
    pbDrucken = AddButton("pbDrucken", left,
                          TilePicture(TOutputMotif::Print, size, QStringLiteral("Drucken")),
                          QStringLiteral("Gibt die Daten auf einen Drucker aus."));
    left += ButtonWidth + Gap;
    pbRaender = AddButton("pbRaender", left,
                          TilePicture(TOutputMotif::Margins, size, QStringLiteral("Ränder")),
                          QStringLiteral("Öffnet den Dialog zur Einstellungen der Druckränder"));

    connect(pbZurueck, &TShapeButton::clicked, this, &TfrmAusgabe::pbZurueckClick);
    connect(pbSetup, &TShapeButton::clicked, this, &TfrmAusgabe::pbSetupClick);
    connect(ppClipboard, &TShapeButton::clicked, this, &TfrmAusgabe::ppClipboardClick);
    connect(pbDrucken, &TShapeButton::clicked, this, &TfrmAusgabe::pbDruckenClick);
    connect(pbRaender, &TShapeButton::clicked, this, &TfrmAusgabe::pbRaenderClick);
}

TfrmAusgabe::~TfrmAusgabe() = default;

TShapeButton* TfrmAusgabe::AddButton(const char* Name, int Left, const QImage& Picture,
                                     const QString& Hint)
{
    auto* button = new TShapeButton(this);
    button->setObjectName(QString::fromLatin1(Name));
    button->SetPicture(Picture);
    button->move(Left, Border);
    button->setToolTip(Hint);
    return button;
}

void TfrmAusgabe::PrepareCopy(const TWPRichText& Page)
{
    WPRichText1->TakeOver(Page);
    WPRichText1->CleanForOutput();
}

void TfrmAusgabe::pbZurueckClick()
{
    PlayClickSound();
    close();
}

void TfrmAusgabe::pbSetupClick()
{
    PlayClickSound();
    TOutputPrinter::Instance().ChoosePrinter(this);
}

void TfrmAusgabe::ppClipboardClick()
{
    PlayClickSound();
    {
        const TWaitCursor wait;
        WPRichText1->CopyAllToClipboard();
        WPRichText1->moveCursor(QTextCursor::Start);
    }
    close();
}

void TfrmAusgabe::pbDruckenClick()
{
    PlayClickSound();
    TOutputPrinter& target = TOutputPrinter::Instance();
    // A print the user cancelled in the print dialog leaves the screen open.
    if (!target.BeginPrint(this))
        return;
    {
        const TWaitCursor wait;
        QPrinter& printer = target.Printer();
        printer.setPageOrientation(QPageLayout::Portrait);
        // The margins are read now, so a change in the margins dialog counts
        // from the next print on.
        WPRichText1->PrintPage(printer, PageLayout::Twips(MarginLeft),
                               PageLayout::Twips(MarginRight), PageLayout::Twips(MarginTop),
                               PageLayout::Twips(MarginBottom), PageLayout::PageWidthTwips,
                               PageLayout::PageHeightTwips);
    }
    target.EndPrint(this);
    close();
}

void TfrmAusgabe::pbRaenderClick()
{
    PlayClickSound();
    ShowMargins();
}

bool TfrmAusgabe::FormKeyUp(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        pbZurueckClick();
        return true;
    }
    return TMusaForm::FormKeyUp(Event);
}

void TfrmAusgabe::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    if (!Event->spontaneous())
        ReadPosition(Section);
}

void TfrmAusgabe::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous())
        WritePosition(Section);
    TMusaForm::hideEvent(Event);
}

void ShowOutput(TWPRichText* Page)
{
    if (ShowOutputHook) {
        ShowOutputHook(Page);
        return;
    }
    TfrmAusgabe form;
    if (Page != nullptr)
        form.PrepareCopy(*Page);
    form.exec();
}
