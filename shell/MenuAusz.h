#pragma once

#include "shell/TopicMenu.h"

// The awards menu: prizes and charts. Unlike the other topic menus it is
// made once and kept; after a list it closes itself while still out of
// sight, so the user lands in the main menu, and it is brought back to its
// old place before it is shown the next time.
class TfrmAuszMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmAuszMenu(QWidget* Parent = nullptr);

    TShapeButton* pbGrammy = nullptr;
    TShapeButton* pbHitparade = nullptr;

    void pbGrammyClick();
    void pbHitparadeClick();

private:
    // Click sound, out of sight, the list, then closed without coming back.
    void OpenListAndClose(int Kind);
};

// Shows the awards menu modally, making it at the first call.
void ShowAuszMenu();
// The kept awards menu, or null before its first use.
TfrmAuszMenu* AuszMenu();
// Frees the kept awards menu (at the end of the program).
void FreeAuszMenu();
