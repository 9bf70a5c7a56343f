#pragma once

#include "shell/TopicMenu.h"

// The picture gallery menu: one gallery list per kind of picture.
class TfrmBildMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmBildMenu(QWidget* Parent = nullptr);

    TShapeButton* pbPerson = nullptr;
    TShapeButton* pbBand = nullptr;
    TShapeButton* pbInstrument = nullptr;
    TShapeButton* pbHilfsmittel = nullptr;
    TShapeButton* pbCover = nullptr;
    TShapeButton* pbStudios = nullptr;
    TShapeButton* pbLabel = nullptr;
    TShapeButton* pbHersteller = nullptr;

    void pbPersonClick();
    void pbBandClick();
    void pbInstrumentClick();
    void pbHilfsmittelClick();
    void pbCoverClick();
    void pbStudiosClick();
    void pbLabelClick();
    void pbHerstellerClick();
};

// Runs the picture gallery menu modally and frees it.
void ShowBildMenu();
