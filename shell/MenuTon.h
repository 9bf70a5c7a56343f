#pragma once

#include "shell/TopicMenu.h"

// The sound examples menu: by style (through the style menu) or by
// instrument.
class TfrmTonMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmTonMenu(QWidget* Parent = nullptr);

    TShapeButton* pbStil = nullptr;
    TShapeButton* pbInstrumente = nullptr;

    void pbStilClick();
    void pbInstrumenteClick();
};

// Runs the sound examples menu modally and frees it.
void ShowTonMenu();
