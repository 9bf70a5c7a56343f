#include "shell/MenuStil.h"

#include "browse/StilSuch.h"
#include "controls/ShapeBut.h"
#include "controls/MenuArt.h"
#include "sound/CateExam.h"

namespace {

struct TStyleButton
{
    TShapeButton* TfrmStilMenu::*Field;
    const char16_t* Name;
    int CateId;
    const char16_t* StyleName;
    TMotif Motif;
};

// The styles with a button of their own; CateId is the style's CATE_ID.
const TStyleButton StyleButtons[] = {
    {&TfrmStilMenu::pbBeat, u"pbBeat", 7, u"Beat", TMotif::Drum},
    {&TfrmStilMenu::pbBlues, u"pbBlues", 5, u"Blues", TMotif::Guitar},
    {&TfrmStilMenu::pbClassic, u"pbClassic", 26, u"Classic", TMotif::SongSheet},
    {&TfrmStilMenu::pbCountry, u"pbCountry", 11, u"Country", TMotif::Guitar},
    {&TfrmStilMenu::pbEthnic, u"pbEthnic", 15, u"Ethnic", TMotif::Drum},
    {&TfrmStilMenu::pbFolk, u"pbFolk", 6, u"Folk", TMotif::SongSheet},
    {&TfrmStilMenu::pbFreieMusik, u"pbFreieMusik", 106, u"Freie Musik", TMotif::Speaker},
    {&TfrmStilMenu::pbFunk, u"pbFunk", 1, u"Funk", TMotif::Speaker},
    {&TfrmStilMenu::pbJazz, u"pbJazz", 10, u"Jazz", TMotif::Singer},
    {&TfrmStilMenu::pbPop, u"pbPop", 2, u"Pop", TMotif::Singer},
    {&TfrmStilMenu::pbReggae, u"pbReggae", 30, u"Reggae", TMotif::Drum},
    {&TfrmStilMenu::pbRockNRoll, u"pbRockNRoll", 4, u"Rock'n'Roll", TMotif::Record},
    {&TfrmStilMenu::pbRock, u"pbRock", 3, u"Rock", TMotif::Guitar},
    {&TfrmStilMenu::pbSoul, u"pbSoul", 8, u"Soul", TMotif::Singer},
};

constexpr int Columns = 4;
constexpr QSize ButtonSize(132, 66);

QRect Place(int Index)
{
    return QRect(QPoint(9 + (Index % Columns) * (ButtonSize.width() + 10),
                        56 + (Index / Columns) * (ButtonSize.height() + 13)),
                 ButtonSize);
}

// Each style its own hue, going round the colour wheel.
QColor StyleColor(int Index)
{
    return QColor::fromHsv((Index * 360 / 16 + 200) % 360, 90, 240);
}

} // namespace

TfrmStilMenu::TfrmStilMenu(QWidget* Parent)
    : TTopicMenu(QStringLiteral("Stilrichtungen"), QSize(576, 427), 21,
                 QStringLiteral("MENUE: STILRICHTUNGEN"), Parent)
{
    int index = 0;
    for (const TStyleButton& style : StyleButtons) {
        const QString styleName = QString::fromUtf16(style.StyleName);
        TShapeButton* button =
            AddButton(QString::fromUtf16(style.Name), Place(index),
                      MenuArt::PlatePicture(style.Motif, ButtonSize, styleName, StyleColor(index)),
                      QStringLiteral("Zeigt eine Liste aller Tonbeispiele zur Stilrichtung ") +
                          styleName + QStringLiteral("."));
        this->*style.Field = button;
        const int styleId = style.CateId;
        connect(button, &TShapeButton::clicked, this,
                [this, styleId, styleName] { StyleClick(styleId, styleName); });
        ++index;
    }
    pbUebrige =
        AddButton(QStringLiteral("pbUebrige"), Place(index),
                  MenuArt::PlatePicture(TMotif::Notes, ButtonSize, QStringLiteral("Weitere Stile"),
                                        QColor(0xD8, 0xD8, 0xE0)),
                  QStringLiteral("Zeigt eine Liste aller Tonbeispiele untergeordneter "
                                 "Stilrichtungen, die in diesem Manü nicht ausgeführt "
                                 "sind."));
    connect(pbUebrige, &TShapeButton::clicked, this, [this] { pbUebrigeClick(pbUebrige); });
    ++index;
    pbAlle =
        AddButton(QStringLiteral("pbAlle"), Place(index),
                  MenuArt::PlatePicture(TMotif::Notes, ButtonSize, QStringLiteral("Alle Stile"),
                                        QColor(0xF0, 0xE0, 0x90)),
                  QStringLiteral("Zeigt eine komplette Liste der Tonbeispiele aller "
                                 "Stilrichtungen."));
    connect(pbAlle, &TShapeButton::clicked, this, [this] { pbUebrigeClick(pbAlle); });
    AddBackButton(QRect(417, 378, 150, 40), QStringLiteral("Zurück ins Hauptmenü."));
}

void TfrmStilMenu::StyleClick(int StyleId, const QString& StyleName)
{
    OpenFromMenu([StyleId, StyleName] { ShowStyleSounds(StyleId, StyleName); });
}

void TfrmStilMenu::pbUebrigeClick(TShapeButton* Sender)
{
    const bool allStyles = Sender == pbAlle;
    OpenFromMenu([allStyles] { ShowStyleSearch(allStyles); });
}

void ShowStilMenu()
{
    RunModalScreen<TfrmStilMenu>();
}
