#pragma once

#include "shell/TopicMenu.h"

// The musicians menu: persons and bands.
class TfrmInPeMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmInPeMenu(QWidget* Parent = nullptr);

    TShapeButton* pbPerson = nullptr;
    TShapeButton* pbBand = nullptr;

    void pbPersonClick();
    void pbBandClick();
};

// Runs the musicians menu modally and frees it.
void ShowInPeMenu();
