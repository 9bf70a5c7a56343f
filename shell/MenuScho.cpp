#include "shell/MenuScho.h"

#include "browse/MenuGrid.h"
#include "controls/ShapeBut.h"
#include "controls/MenuArt.h"

TfrmSchoMenu::TfrmSchoMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("Da war noch..."), QSize(372, 249), 25,
                 QStringLiteral("MENUE: BEMERKENSWERTES"), Parent)
{
    const QColor color = QColor(0xF0, 0xA8, 0x60);
    pbAnekdoten = AddButton(
        QStringLiteral("pbAnekdoten"), QRect(18, 52, 160, 138),
        MenuArt::TilePicture(TMotif::Speech, QSize(160, 138), QStringLiteral("Anekdoten"), color),
        QStringLiteral(
            "Zeigt eine Auswahl von Anekdoten und Bemerkenswertem rund ums Thema Musik."));
    connect(pbAnekdoten, &TShapeButton::clicked, this, &TfrmSchoMenu::pbAnekdotenClick);
    pbSpezInstrumente =
        AddButton(QStringLiteral("pbSpezInstrumente"), QRect(194, 52, 160, 138),
                  MenuArt::TilePicture(TMotif::Drum, QSize(160, 138),
                                       QStringLiteral("Spezielle Instrumente"), color),
                  QStringLiteral("Zeigt eine Liste einiger spezieller Instrumente."));
    connect(pbSpezInstrumente, &TShapeButton::clicked, this, &TfrmSchoMenu::pbSpezInstrumenteClick);
    AddBackButton(QRect(204, 202, 150, 38), QStringLiteral("Zurück ins Hauptmenü."));
}

void TfrmSchoMenu::pbAnekdotenClick()
{
    OpenFromMenu([] { ShowMenuGrid(11); });
}

void TfrmSchoMenu::pbSpezInstrumenteClick()
{
    OpenFromMenu([] { ShowMenuGrid(12); });
}

void ShowSchoMenu()
{
    RunModalScreen<TfrmSchoMenu>();
}
