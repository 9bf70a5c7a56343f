#include "shell/MenuLyri.h"

#include "browse/MenuGrid.h"
#include "controls/ShapeBut.h"
#include "pages/DispData.h"
#include "controls/MenuArt.h"

TfrmLyriMenu::TfrmLyriMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("Texte / Libretti"), QSize(535, 291), 24,
                 QStringLiteral("MENUE: TEXTE"), Parent)
{
    const QColor color = QColor(0xE8, 0xC0, 0x68);
    pbLyrics = AddButton(
        QStringLiteral("pbLyrics"), QRect(16, 54, 160, 92),
        MenuArt::TilePicture(TMotif::OpenBook, QSize(160, 92), QStringLiteral("Songtexte"), color),
        QStringLiteral("Zeigt eine Liste aller Titel, zu denen der Songtext vorhanden ist."));
    connect(pbLyrics, &TShapeButton::clicked, this, &TfrmLyriMenu::pbLyricsClick);
    pbLibretti = AddButton(
        QStringLiteral("pbLibretti"), QRect(188, 54, 160, 92),
        MenuArt::TilePicture(TMotif::Masks, QSize(160, 92), QStringLiteral("Opern-Libretti"),
                             color),
        QStringLiteral(
            "Zeigt eine Liste aller Opern und Operetten, zu denen das Libretto vorhanden ist."));
    connect(pbLibretti, &TShapeButton::clicked, this, &TfrmLyriMenu::pbLibrettiClick);
    pbMusicals = AddButton(
        QStringLiteral("pbMusicals"), QRect(360, 54, 160, 92),
        MenuArt::TilePicture(TMotif::TopHat, QSize(160, 92), QStringLiteral("Musicals"), color),
        QStringLiteral("Zeigt eine Liste aller Musicals, zu denen das Libretto vorhanden ist."));
    connect(pbMusicals, &TShapeButton::clicked, this, &TfrmLyriMenu::pbMusicalsClick);
    pbVolkslieder = AddButton(QStringLiteral("pbVolkslieder"), QRect(16, 152, 160, 92),
                              MenuArt::TilePicture(TMotif::SongSheet, QSize(160, 92),
                                                   QStringLiteral("Volkslieder"), color),
                              QStringLiteral("Zeigt eine Übersicht mit Volksiedern"));
    connect(pbVolkslieder, &TShapeButton::clicked, this, &TfrmLyriMenu::pbVolksliederClick);
    pbSpirituals = AddButton(
        QStringLiteral("pbSpirituals"), QRect(188, 152, 160, 92),
        MenuArt::TilePicture(TMotif::Chapel, QSize(160, 92), QStringLiteral("Spirituals"), color),
        QStringLiteral("Zeigt eine Übersicht mit Spirituals"));
    connect(pbSpirituals, &TShapeButton::clicked, this, &TfrmLyriMenu::pbSpiritualsClick);
    pbShanties = AddButton(
        QStringLiteral("pbShanties"), QRect(360, 152, 160, 92),
        MenuArt::TilePicture(TMotif::Anchor, QSize(160, 92), QStringLiteral("Shanties"), color),
        QStringLiteral("Zeigt eine Übersicht mit Shanties"));
    connect(pbShanties, &TShapeButton::clicked, this, &TfrmLyriMenu::pbShantiesClick);
    AddBackButton(QRect(369, 250, 150, 38), QStringLiteral("Zurück ins Hauptmenü."));
}

void TfrmLyriMenu::pbLyricsClick()
{
    OpenFromMenu([] { ShowMenuGrid(7); });
}

void TfrmLyriMenu::pbLibrettiClick()
{
    OpenFromMenu([] { ShowMenuGrid(8); });
}

void TfrmLyriMenu::pbMusicalsClick()
{
    OpenFromMenu([] { ShowMenuGrid(10); });
}

void TfrmLyriMenu::pbVolksliederClick()
{
    OpenFromMenu([] { ShowRecordPage(101, 2569, 0); });
}

void TfrmLyriMenu::pbSpiritualsClick()
{
    OpenFromMenu([] { ShowRecordPage(101, 2347, 0); });
}

void TfrmLyriMenu::pbShantiesClick()
{
    OpenFromMenu([] { ShowRecordPage(101, 3019, 0); });
}

void ShowLyriMenu()
{
    RunModalScreen<TfrmLyriMenu>();
}
