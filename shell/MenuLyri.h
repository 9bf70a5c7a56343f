#pragma once

#include "shell/TopicMenu.h"

// The texts menu: song texts, librettos and the fixed articles on folk songs, spirituals and
// shanties.
class TfrmLyriMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmLyriMenu(QWidget* Parent = nullptr);

    TShapeButton* pbLyrics = nullptr;
    TShapeButton* pbLibretti = nullptr;
    TShapeButton* pbMusicals = nullptr;
    TShapeButton* pbVolkslieder = nullptr;
    TShapeButton* pbSpirituals = nullptr;
    TShapeButton* pbShanties = nullptr;

    void pbLyricsClick();
    void pbLibrettiClick();
    void pbMusicalsClick();
    void pbVolksliederClick();
    void pbSpiritualsClick();
    void pbShantiesClick();
};

// Runs the texts menu modally and frees it.
void ShowLyriMenu();
