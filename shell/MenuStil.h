#pragma once

#include "shell/TopicMenu.h"

#include <QList>

// The style menu: a button for each of fourteen styles opens its sound
// examples; two more list the styles without a button, or all styles.
class TfrmStilMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmStilMenu(QWidget* Parent = nullptr);

    TShapeButton* pbBeat = nullptr;
    TShapeButton* pbBlues = nullptr;
    TShapeButton* pbClassic = nullptr;
    TShapeButton* pbCountry = nullptr;
    TShapeButton* pbEthnic = nullptr;
    TShapeButton* pbFolk = nullptr;
    TShapeButton* pbFreieMusik = nullptr;
    TShapeButton* pbFunk = nullptr;
    TShapeButton* pbJazz = nullptr;
    TShapeButton* pbPop = nullptr;
    TShapeButton* pbReggae = nullptr;
    TShapeButton* pbRockNRoll = nullptr;
    TShapeButton* pbRock = nullptr;
    TShapeButton* pbSoul = nullptr;
    TShapeButton* pbUebrige = nullptr;
    TShapeButton* pbAlle = nullptr;

    // The sound examples of the style whose button was clicked.
    void StyleClick(int StyleId, const QString& StyleName);
    // Shared by pbUebrige and pbAlle: all styles exactly for pbAlle.
    void pbUebrigeClick(TShapeButton* Sender);
};

// Runs the style menu modally and frees it.
void ShowStilMenu();
