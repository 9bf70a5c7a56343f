#include "shell/MusaMain.h"

#include "browse/MenuGrid.h"
#include "collection/Eigenes.h"
#include "controls/MenuArt.h"
#include "controls/ShLabel.h"
#include "controls/ShapeBut.h"
#include "odbc/SystemStore.h"
#include "questions/Abfrage.h"
#include "shell/Global.h"
#include "shell/HintFilter.h"
#include "shell/MenuAusz.h"
#include "shell/MenuBild.h"
#include "shell/MenuFach.h"
#include "shell/MenuInPe.h"
#include "shell/MenuLyri.h"
#include "shell/MenuScho.h"
#include "shell/MenuTon.h"
#include "shell/Setup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShowEvent>

namespace {

// Opening from the main menu: the click, then the screen on top of the menu,
// which stays where it is.
template <typename Open> void OpenFromMain(Open&& Screen)
{
    PlayClickSound();
    Screen();
}

} // namespace

TfrmMain::TfrmMain(QWidget* Parent) : TMusaForm(Parent)
{
    setWindowTitle(QStringLiteral("Musarix Hauptmenü"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(640, 480);
    SetHelpContext(3);
    SetWallpaper(SystemItem::ScreenWallpaper);
    THintFilter::Install();

    lblTitel = new TShadowLabel(QStringLiteral("Musarix Hauptmenü"), this);
    lblTitel->setObjectName(QStringLiteral("lblTitel"));
    QFont font;
    // "Musarix" is no font of ours; the next installed bold face stands in.
    font.setFamilies({QStringLiteral("Musarix"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(48);
    font.setBold(true);
    lblTitel->setFont(font);
    lblTitel->SetFontColor(Qt::red);
    lblTitel->SetSLSLShadowSize(3);
    lblTitel->SetSLSLShadowColor(Qt::black);
    lblTitel->setAlignment(Qt::AlignCenter);
    lblTitel->setGeometry(40, 8, 560, 60);

    using MenuArt::ObjectPicture;
    using MenuArt::PlatePicture;
    // In the order of the form, which is also the order from bottom to top.
    pbSchote =
        AddButton(QStringLiteral("pbSchote"), QRect(162, 336, 98, 107),
                  ObjectPicture(TMotif::Chili, QSize(98, 107), QStringLiteral("Da war noch...")),
                  QStringLiteral("Bemerkenswertes"));
    connect(pbSchote, &TShapeButton::clicked, this, &TfrmMain::pbSchoteClick);
    pbEnde = AddButton(
        QStringLiteral("pbEnde"), QRect(547, 436, 82, 40),
        PlatePicture(TMotif::Door, QSize(82, 40), QStringLiteral("Ende"), QColor(0xD0, 0x40, 0x38)),
        QStringLiteral("Programm beenden"));
    connect(pbEnde, &TShapeButton::clicked, this, &TfrmMain::pbEndeClick);
    pbInstrumente =
        AddButton(QStringLiteral("pbInstrumente"), QRect(458, 76, 126, 144),
                  ObjectPicture(TMotif::Guitar, QSize(126, 144), QStringLiteral("Instrumente")),
                  QStringLiteral("Instrumente"));
    connect(pbInstrumente, &TShapeButton::clicked, this, &TfrmMain::pbInstrumenteClick);
    pbBilder =
        AddButton(QStringLiteral("pbBilder"), QRect(257, 75, 164, 82),
                  ObjectPicture(TMotif::Frame, QSize(164, 82), QStringLiteral("Bildergalerie")),
                  QStringLiteral("Bildergalerie"));
    connect(pbBilder, &TShapeButton::clicked, this, &TfrmMain::pbBilderClick);
    pbGenres =
        AddButton(QStringLiteral("pbGenres"), QRect(38, 163, 96, 148),
                  ObjectPicture(TMotif::Speaker, QSize(96, 148), QStringLiteral("Tonbeispiele")),
                  QStringLiteral("Tonbeispiele"));
    connect(pbGenres, &TShapeButton::clicked, this, &TfrmMain::pbGenresClick);
    pbAbfrage =
        AddButton(QStringLiteral("pbAbfrage"), QRect(68, 73, 168, 85),
                  ObjectPicture(TMotif::Question, QSize(168, 85), QStringLiteral("Abfragen")),
                  QStringLiteral("Abfragen"));
    connect(pbAbfrage, &TShapeButton::clicked, this, &TfrmMain::pbAbfrageClick);
    pbPersonen = AddButton(
        QStringLiteral("pbPersonen"), QRect(181, 173, 224, 140),
        ObjectPicture(TMotif::Musicians, QSize(224, 140), QStringLiteral("Musiker und Bands")),
        QStringLiteral("Musiker / Bands / Interpreten"));
    connect(pbPersonen, &TShapeButton::clicked, this, &TfrmMain::pbPersonenClick);
    pbFachliches =
        AddButton(QStringLiteral("pbFachliches"), QRect(276, 330, 88, 120),
                  ObjectPicture(TMotif::TuningFork, QSize(88, 120), QStringLiteral("Fachliches")),
                  QStringLiteral("Fachliches"));
    connect(pbFachliches, &TShapeButton::clicked, this, &TfrmMain::pbFachlichesClick);
    pbCharts = AddButton(
        QStringLiteral("pbCharts"), QRect(444, 224, 164, 89),
        ObjectPicture(TMotif::Podium, QSize(164, 89), QStringLiteral("Preise und Charts")),
        QStringLiteral("Auszeichnungen und Hitparaden"));
    connect(pbCharts, &TShapeButton::clicked, this, &TfrmMain::pbChartsClick);
    pbLyrics = AddButton(QStringLiteral("pbLyrics"), QRect(50, 317, 96, 110),
                         ObjectPicture(TMotif::OpenBook, QSize(96, 110), QStringLiteral("Texte")),
                         QStringLiteral("Liedertexte und Libretti"));
    connect(pbLyrics, &TShapeButton::clicked, this, &TfrmMain::pbLyricsClick);
    pbEigenes =
        AddButton(QStringLiteral("pbEigenes"), QRect(479, 329, 124, 104),
                  ObjectPicture(TMotif::RecordShelf, QSize(124, 104), QStringLiteral("Sammlung")),
                  QStringLiteral("Eigene Sammlung"));
    connect(pbEigenes, &TShapeButton::clicked, this, &TfrmMain::pbEigenesClick);
    pbSetup = AddButton(QStringLiteral("pbSetup"), QRect(9, 441, 64, 32),
                        PlatePicture(TMotif::Gear, QSize(64, 32), QStringLiteral("Setup"),
                                     QColor(0x90, 0xA0, 0xB8)),
                        QStringLiteral("Programm-Einstellungen"));
    connect(pbSetup, &TShapeButton::clicked, this, &TfrmMain::pbSetupClick);
    // The only button without a hint.
    pbMinimze = AddButton(QStringLiteral("pbMinimze"), QRect(609, 7, 23, 20),
                          ObjectPicture(TMotif::Minimise, QSize(23, 20)), QString());
    connect(pbMinimze, &TShapeButton::clicked, this, &TfrmMain::pbMinimzeClick);
    pbAdressen = AddButton(
        QStringLiteral("pbAdressen"), QRect(386, 330, 81, 118),
        ObjectPicture(TMotif::AddressBook, QSize(81, 118), QStringLiteral("Veranstalter")),
        QStringLiteral("Veranstalter-Adressen"));
    connect(pbAdressen, &TShapeButton::clicked, this, &TfrmMain::pbAdressenClick);
}

TShapeButton* TfrmMain::AddButton(const QString& Name, const QRect& Place, const QImage& Picture,
                                  const QString& Hint)
{
    auto* button = new TShapeButton(this);
    button->setObjectName(Name);
    button->SetPicture(Picture);
    button->setGeometry(Place);
    button->setToolTip(Hint);
    return button;
}

void TfrmMain::showEvent(QShowEvent* Event)
{
    TMusaForm::showEvent(Event);
    // Restoring from the task bar is a spontaneous show; the screen stays
    // where it was then.
    if (!Event->spontaneous())
        CentreOnDisplay();
}

void TfrmMain::pbSchoteClick()
{
    OpenFromMain(ShowSchoMenu);
}

void TfrmMain::pbEndeClick()
{
    PlayClickSound();
    close();
}

void TfrmMain::pbInstrumenteClick()
{
    OpenFromMain([] { ShowMenuGrid(2); });
}

void TfrmMain::pbBilderClick()
{
    OpenFromMain(ShowBildMenu);
}

void TfrmMain::pbGenresClick()
{
    OpenFromMain(ShowTonMenu);
}

void TfrmMain::pbAbfrageClick()
{
    OpenFromMain(ShowQuestionScreen);
}

void TfrmMain::pbPersonenClick()
{
    OpenFromMain(ShowInPeMenu);
}

void TfrmMain::pbFachlichesClick()
{
    OpenFromMain(ShowFachMenu);
}

void TfrmMain::pbChartsClick()
{
    OpenFromMain(ShowAuszMenu);
}

void TfrmMain::pbLyricsClick()
{
    OpenFromMain(ShowLyriMenu);
}

void TfrmMain::pbEigenesClick()
{
    OpenFromMain(ShowOwnAlbums);
}

void TfrmMain::pbSetupClick()
{
    OpenFromMain([] { RunModalScreen<TfrmSetup>(); });
}

void TfrmMain::pbMinimzeClick()
{
    // The whole program goes to the task bar, backdrop and all; no sound.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible()) {
            window->showMinimized();
        }
    }
}

void TfrmMain::pbAdressenClick()
{
    OpenFromMain([] { ShowMenuGrid(15); });
}

bool TfrmMain::FormKeyUp(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        pbEndeClick();
        return true;
    }
    return TMusaForm::FormKeyUp(Event);
}
