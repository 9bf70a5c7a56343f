#include "shell/MenuAusz.h"

#include "browse/MenuGrid.h"
#include "controls/ShapeBut.h"
#include "shell/Global.h"
#include "controls/MenuArt.h"

namespace {

TfrmAuszMenu* KeptAuszMenu = nullptr;

} // namespace

TfrmAuszMenu::TfrmAuszMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("The Winner is..."), QSize(372, 249), 23,
                 QStringLiteral("MENUE: AUSZEICHNUNGEN"), Parent)
{
    const QColor color(0xF0, 0xCC, 0x50);
    pbGrammy = AddButton(
        QStringLiteral("pbGrammy"), QRect(18, 52, 160, 138),
        MenuArt::TilePicture(TMotif::Gramophone, QSize(160, 138), QStringLiteral("Preise"), color),
        QStringLiteral("Preise und Auszeichnungen"));
    connect(pbGrammy, &TShapeButton::clicked, this, &TfrmAuszMenu::pbGrammyClick);
    pbHitparade = AddButton(
        QStringLiteral("pbHitparade"), QRect(194, 52, 160, 138),
        MenuArt::TilePicture(TMotif::Chart, QSize(160, 138), QStringLiteral("Hitparaden"), color),
        QStringLiteral("Hitparaden (Entry-Charts)"));
    connect(pbHitparade, &TShapeButton::clicked, this, &TfrmAuszMenu::pbHitparadeClick);
    AddBackButton(QRect(204, 202, 150, 38), QStringLiteral("Zurück ins Hauptmenü."));
}

void TfrmAuszMenu::pbGrammyClick()
{
    OpenListAndClose(13);
}

void TfrmAuszMenu::pbHitparadeClick()
{
    OpenListAndClose(14);
}

void TfrmAuszMenu::OpenListAndClose(int Kind)
{
    PlayClickSound();
    Implode();
    try {
        ShowMenuGrid(Kind);
    } catch (...) {
        // The error display reports it over the menu as it was.
        Explode();
        throw;
    }
    // Closed while out of sight: the stored place stays the one from before,
    // and ShowAuszMenu brings the menu back there.
    close();
}

void ShowAuszMenu()
{
    if (KeptAuszMenu == nullptr) {
        KeptAuszMenu = new TfrmAuszMenu();
    }
    KeptAuszMenu->Explode();
    KeptAuszMenu->exec();
}

TfrmAuszMenu* AuszMenu()
{
    return KeptAuszMenu;
}

void FreeAuszMenu()
{
    delete KeptAuszMenu;
    KeptAuszMenu = nullptr;
}
