#include "shell/MenuTon.h"

#include "browse/InstSuch.h"
#include "controls/ShapeBut.h"
#include "controls/MenuArt.h"
#include "shell/MenuStil.h"

TfrmTonMenu::TfrmTonMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("Tonbeispiele"), QSize(372, 249), 50,
                 QStringLiteral("MENUE: TONBEISPIELE"), Parent)
{
    const QColor color(0x88, 0xCC, 0x78);
    pbStil = AddButton(QStringLiteral("pbStil"), QRect(18, 52, 160, 138),
                       MenuArt::TilePicture(TMotif::Notes, QSize(160, 138),
                                            QStringLiteral("Stilrichtungen"), color),
                       QStringLiteral("Tonbeispiele zu bestimmten Stilrichtungen anhören."));
    connect(pbStil, &TShapeButton::clicked, this, &TfrmTonMenu::pbStilClick);
    pbInstrumente = AddButton(
        QStringLiteral("pbInstrumente"), QRect(194, 52, 160, 138),
        MenuArt::TilePicture(TMotif::Guitar, QSize(160, 138), QStringLiteral("Instrumente"), color),
        QStringLiteral("Tonbeispiele für bestimmte Instrumente anhören."));
    connect(pbInstrumente, &TShapeButton::clicked, this, &TfrmTonMenu::pbInstrumenteClick);
    AddBackButton(QRect(204, 202, 150, 38), QStringLiteral("Zurück ins Hauptmenü."));
}

void TfrmTonMenu::pbStilClick()
{
    OpenFromMenu([] { ShowStilMenu(); });
}

void TfrmTonMenu::pbInstrumenteClick()
{
    OpenFromMenu([] { ShowInstrumentSearch(); });
}

void ShowTonMenu()
{
    RunModalScreen<TfrmTonMenu>();
}
