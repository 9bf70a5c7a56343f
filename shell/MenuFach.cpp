#include "shell/MenuFach.h"

#include "browse/MenuGrid.h"
#include "controls/ShapeBut.h"
#include "pages/DispData.h"
#include "controls/MenuArt.h"

TfrmFachMenu::TfrmFachMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("Fachliches"), QSize(467, 306), 26,
                 QStringLiteral("MENUE: FACHLICHES"), Parent)
{
    const QColor color = QColor(0xB4, 0xA8, 0xE8);
    pbHilfsmittel = AddButton(
        QStringLiteral("pbHilfsmittel"), QRect(20, 52, 206, 54),
        MenuArt::PlatePicture(TMotif::Metronome, QSize(206, 54), QStringLiteral("Hilfsmittel"),
                              color),
        QStringLiteral("Man braucht sie zum Musik machen, es sind aber keine Instrumente..."));
    connect(pbHilfsmittel, &TShapeButton::clicked, this, &TfrmFachMenu::pbHilfsmittelClick);
    pbFachbegriffe = AddButton(QStringLiteral("pbFachbegriffe"), QRect(241, 52, 206, 54),
                               MenuArt::PlatePicture(TMotif::Dictionary, QSize(206, 54),
                                                     QStringLiteral("Fachbegriffe"), color),
                               QStringLiteral("Erläuterungen zu musikspezifischen Fachbegriffen"));
    connect(pbFachbegriffe, &TShapeButton::clicked, this, &TfrmFachMenu::pbFachbegriffeClick);
    pbStudios = AddButton(
        QStringLiteral("pbStudios"), QRect(20, 112, 206, 54),
        MenuArt::PlatePicture(TMotif::Studio, QSize(206, 54), QStringLiteral("Studios"), color),
        QStringLiteral("Direktzugriff auf Studios"));
    connect(pbStudios, &TShapeButton::clicked, this, &TfrmFachMenu::pbStudiosClick);
    pbLabels = AddButton(
        QStringLiteral("pbLabels"), QRect(241, 112, 206, 54),
        MenuArt::PlatePicture(TMotif::Record, QSize(206, 54), QStringLiteral("Labels"), color),
        QStringLiteral("Direktzugriff auf Platten-Labels"));
    connect(pbLabels, &TShapeButton::clicked, this, &TfrmFachMenu::pbLabelsClick);
    pbStilrichtungen = AddButton(QStringLiteral("pbStilrichtungen"), QRect(20, 172, 206, 54),
                                 MenuArt::PlatePicture(TMotif::Notes, QSize(206, 54),
                                                       QStringLiteral("Stilrichtungen"), color),
                                 QStringLiteral("Nähere Angaben zu den Stilrichtungen."));
    connect(pbStilrichtungen, &TShapeButton::clicked, this, &TfrmFachMenu::pbStilrichtungenClick);
    pbFilmmusik = AddButton(
        QStringLiteral("pbFilmmusik"), QRect(241, 172, 206, 54),
        MenuArt::PlatePicture(TMotif::FilmReel, QSize(206, 54), QStringLiteral("Filmmusik"), color),
        QStringLiteral("Einiges zum Thema Musikfilm und Musik im Film."));
    connect(pbFilmmusik, &TShapeButton::clicked, this, &TfrmFachMenu::pbFilmmusikClick);
    pbHersteller = AddButton(
        QStringLiteral("pbHersteller"), QRect(20, 232, 206, 54),
        MenuArt::PlatePicture(TMotif::Factory, QSize(206, 54), QStringLiteral("Hersteller"), color),
        QStringLiteral("Auflistung einiger Hersteller von Instrumenten und Hilfsmitteln"));
    connect(pbHersteller, &TShapeButton::clicked, this, &TfrmFachMenu::pbHerstellerClick);
    AddBackButton(QRect(241, 232, 206, 54), QStringLiteral("Zurück ins Hauptmenü"));
}

void TfrmFachMenu::pbHilfsmittelClick()
{
    OpenFromMenu([] { ShowMenuGrid(3); });
}

void TfrmFachMenu::pbFachbegriffeClick()
{
    OpenFromMenu([] { ShowMenuGrid(9); });
}

void TfrmFachMenu::pbStudiosClick()
{
    OpenFromMenu([] { ShowMenuGrid(4); });
}

void TfrmFachMenu::pbLabelsClick()
{
    OpenFromMenu([] { ShowMenuGrid(5); });
}

void TfrmFachMenu::pbStilrichtungenClick()
{
    OpenFromMenu([] { ShowMenuGrid(6); });
}

void TfrmFachMenu::pbFilmmusikClick()
{
    OpenFromMenu([] { ShowRecordPage(101, 3064, 0); });
}

void TfrmFachMenu::pbHerstellerClick()
{
    OpenFromMenu([] { ShowMenuGrid(16); });
}

void ShowFachMenu()
{
    RunModalScreen<TfrmFachMenu>();
}
