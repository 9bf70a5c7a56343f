#pragma once

#include "shell/TopicMenu.h"

// The technical menu: aids, terms, studios, labels, styles, film music and manufacturers.
class TfrmFachMenu : public TTopicMenu
{
    Q_OBJECT

public:
    explicit TfrmFachMenu(QWidget* Parent = nullptr);

    TShapeButton* pbHilfsmittel = nullptr;
    TShapeButton* pbFachbegriffe = nullptr;
    TShapeButton* pbStudios = nullptr;
    TShapeButton* pbLabels = nullptr;
    TShapeButton* pbStilrichtungen = nullptr;
    TShapeButton* pbFilmmusik = nullptr;
    TShapeButton* pbHersteller = nullptr;

    void pbHilfsmittelClick();
    void pbFachbegriffeClick();
    void pbStudiosClick();
    void pbLabelsClick();
    void pbStilrichtungenClick();
    void pbFilmmusikClick();
    void pbHerstellerClick();
};

// Runs the technical menu modally and frees it.
void ShowFachMenu();
