#include "shell/MenuInPe.h"

#include "browse/MenuGrid.h"
#include "controls/ShapeBut.h"
#include "controls/MenuArt.h"

TfrmInPeMenu::TfrmInPeMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("Musiker"), QSize(372, 261), 22, QStringLiteral("MENUE: MUSIKER"),
                 Parent)
{
    const QColor color = QColor(0xE8, 0x80, 0x78);
    pbPerson = AddButton(
        QStringLiteral("pbPerson"), QRect(18, 52, 160, 148),
        MenuArt::TilePicture(TMotif::Singer, QSize(160, 148), QStringLiteral("Personen"), color),
        QStringLiteral("Zeigt eine Liste aller Personen, zu denen nähere Angaben vorhanden sind."));
    connect(pbPerson, &TShapeButton::clicked, this, &TfrmInPeMenu::pbPersonClick);
    pbBand = AddButton(QStringLiteral("pbBand"), QRect(194, 52, 160, 148),
                       MenuArt::TilePicture(TMotif::Band, QSize(160, 148),
                                            QStringLiteral("Bands / Interpreten"), color),
                       QStringLiteral("Zeigt eine Liste aller Interpreten bzw. Bands, zu denen "
                                      "nähere Angaben vorhanden sind."));
    connect(pbBand, &TShapeButton::clicked, this, &TfrmInPeMenu::pbBandClick);
    AddBackButton(QRect(204, 214, 150, 38), QStringLiteral("Zurück ins Hauptmenü."));
}

void TfrmInPeMenu::pbPersonClick()
{
    OpenFromMenu([] { ShowMenuGrid(0); });
}

void TfrmInPeMenu::pbBandClick()
{
    OpenFromMenu([] { ShowMenuGrid(1); });
}

void ShowInPeMenu()
{
    RunModalScreen<TfrmInPeMenu>();
}
