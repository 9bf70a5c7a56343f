#include "shell/MenuBild.h"

#include "browse/MenuGrid.h"
#include "controls/ShapeBut.h"
#include "controls/MenuArt.h"

TfrmBildMenu::TfrmBildMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("Bildergalerie"), QSize(463, 334), 19,
                 QStringLiteral("MENUE: BILDERGALERIE"), Parent)
{
    const QColor color = QColor(0x98, 0xC0, 0xF0);
    pbPerson = AddButton(
        QStringLiteral("pbPerson"), QRect(20, 54, 206, 54),
        MenuArt::PlatePicture(TMotif::Portrait, QSize(206, 54), QStringLiteral("Personen"), color),
        QStringLiteral("Zeigt eine Liste aller Personen, zu denen ein Bild vorhanden ist."));
    connect(pbPerson, &TShapeButton::clicked, this, &TfrmBildMenu::pbPersonClick);
    pbBand = AddButton(
        QStringLiteral("pbBand"), QRect(237, 54, 206, 54),
        MenuArt::PlatePicture(TMotif::Band, QSize(206, 54), QStringLiteral("Bands / Interpreten"),
                              color),
        QStringLiteral(
            "Zeigt eine Liste aller Interpreten bzw. Bands zu denen ein Bild vorhanden ist."));
    connect(pbBand, &TShapeButton::clicked, this, &TfrmBildMenu::pbBandClick);
    pbInstrument = AddButton(
        QStringLiteral("pbInstrument"), QRect(20, 114, 206, 54),
        MenuArt::PlatePicture(TMotif::Guitar, QSize(206, 54), QStringLiteral("Instrumente"), color),
        QStringLiteral("Zeigt eine Liste aller Instrumente, zu denen ein Bild vorhanden ist."));
    connect(pbInstrument, &TShapeButton::clicked, this, &TfrmBildMenu::pbInstrumentClick);
    pbHilfsmittel = AddButton(
        QStringLiteral("pbHilfsmittel"), QRect(237, 114, 206, 54),
        MenuArt::PlatePicture(TMotif::Metronome, QSize(206, 54), QStringLiteral("Hilfsmittel"),
                              color),
        QStringLiteral("Zeigt eine Liste aller Hilfsmittel, zu denen ein Bild vorhanden ist."));
    connect(pbHilfsmittel, &TShapeButton::clicked, this, &TfrmBildMenu::pbHilfsmittelClick);
    pbCover = AddButton(
        QStringLiteral("pbCover"), QRect(20, 174, 206, 54),
        MenuArt::PlatePicture(TMotif::Cover, QSize(206, 54), QStringLiteral("Cover"), color),
        QStringLiteral(
            "Zeigt eine Liste aller Alben oder CDs, zu denen ein Bild des Covers vorhanden ist."));
    connect(pbCover, &TShapeButton::clicked, this, &TfrmBildMenu::pbCoverClick);
    pbStudios = AddButton(
        QStringLiteral("pbStudios"), QRect(237, 174, 206, 54),
        MenuArt::PlatePicture(TMotif::Studio, QSize(206, 54), QStringLiteral("Studios"), color),
        QStringLiteral("Bilder von Studios bzw. Aufnahmeorten"));
    connect(pbStudios, &TShapeButton::clicked, this, &TfrmBildMenu::pbStudiosClick);
    pbLabel = AddButton(
        QStringLiteral("pbLabel"), QRect(20, 234, 206, 54),
        MenuArt::PlatePicture(TMotif::Record, QSize(206, 54), QStringLiteral("Labels"), color),
        QStringLiteral("Logos von Plattenlabels"));
    connect(pbLabel, &TShapeButton::clicked, this, &TfrmBildMenu::pbLabelClick);
    pbHersteller = AddButton(
        QStringLiteral("pbHersteller"), QRect(237, 234, 206, 54),
        MenuArt::PlatePicture(TMotif::Factory, QSize(206, 54), QStringLiteral("Hersteller"), color),
        QStringLiteral("Logos von Herstellern"));
    connect(pbHersteller, &TShapeButton::clicked, this, &TfrmBildMenu::pbHerstellerClick);
    AddBackButton(QRect(293, 292, 150, 38), QStringLiteral("Zurück ins Hauptmenü"));
}

void TfrmBildMenu::pbPersonClick()
{
    OpenFromMenu([] { ShowMenuGrid(17); });
}

void TfrmBildMenu::pbBandClick()
{
    OpenFromMenu([] { ShowMenuGrid(18); });
}

void TfrmBildMenu::pbInstrumentClick()
{
    OpenFromMenu([] { ShowMenuGrid(19); });
}

void TfrmBildMenu::pbHilfsmittelClick()
{
    OpenFromMenu([] { ShowMenuGrid(20); });
}

void TfrmBildMenu::pbCoverClick()
{
    OpenFromMenu([] { ShowMenuGrid(21); });
}

void TfrmBildMenu::pbStudiosClick()
{
    OpenFromMenu([] { ShowMenuGrid(22); });
}

void TfrmBildMenu::pbLabelClick()
{
    OpenFromMenu([] { ShowMenuGrid(23); });
}

void TfrmBildMenu::pbHerstellerClick()
{
    OpenFromMenu([] { ShowMenuGrid(24); });
}

void ShowBildMenu()
{
    RunModalScreen<TfrmBildMenu>();
}
