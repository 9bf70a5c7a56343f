#pragma once

#include "shell/TopicMenu.h"

// The menu of remarkable things: anecdotes and special instruments.
class TfrmSchoMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmSchoMenu(QWidget* Parent = nullptr);

    TShapeButton* pbAnekdoten = nullptr;
    TShapeButton* pbSpezInstrumente = nullptr;

    void pbAnekdotenClick();
    void pbSpezInstrumenteClick();
};

// Runs the menu of remarkable things modally and frees it.
void ShowSchoMenu();
