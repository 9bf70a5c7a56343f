#include "shell/tests/MenuTestSupport.h"

#include "controls/ShLabel.h"
#include "controls/ShapeBut.h"
#include "shell/IniFile.h"
#include "shell/MenuBild.h"
#include "shell/MenuFach.h"
#include "shell/MenuInPe.h"
#include "shell/MenuLyri.h"
#include "shell/MenuScho.h"
#include "shell/MenuStil.h"
#include "shell/MenuTon.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

using namespace MenuTest;

namespace {

using TMenuFactory = std::function<std::unique_ptr<TTopicMenu>()>;

template <class TMenu> TMenuFactory Factory()
{
    return [] { return std::make_unique<TMenu>(); };
}

struct TButtonCase
{
    TMenuFactory Make;
    const char* Button;
    const char* Call;
};

class TopicMenus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TMusaForm::SetDisplaySizeForTesting(QSize(1024, 768));
        ForgetSettings();
    }
};

} // namespace

TEST_F(TopicMenus, EscapeGoesBackWithTheClickOfTheBackButton)
{
    const TMenuFactory menus[] = {Factory<TfrmLyriMenu>(), Factory<TfrmBildMenu>(),
                                  Factory<TfrmSchoMenu>(), Factory<TfrmStilMenu>(),
                                  Factory<TfrmTonMenu>(),  Factory<TfrmInPeMenu>(),
                                  Factory<TfrmFachMenu>()};
    for (const TMenuFactory& make : menus) {
        std::unique_ptr<TTopicMenu> menu = make();
        SCOPED_TRACE(menu->metaObject()->className());
        EXPECT_EQ(menu->windowTitle(), QStringLiteral("Musarix"));
        ASSERT_NE(menu->pbMenue, nullptr);
        TSoundLog sounds;
        bool wasModal = false;
        WhenModal([&](QWidget* top) {
            wasModal = top == menu.get();
            PressEscape(top);
        });
        menu->exec();
        EXPECT_TRUE(wasModal);
        EXPECT_FALSE(menu->isVisible());
        EXPECT_EQ(sounds.Clicks(), 1);
    }
}

TEST_F(TopicMenus, BackButtonClosesWithAClick)
{
    TfrmSchoMenu menu;
    TSoundLog sounds;
    WhenModal([&](QWidget*) { ClickShape(menu.pbMenue); });
    menu.exec();
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(sounds.Clicks(), 1);
    EXPECT_EQ(menu.pbMenue->toolTip(), QStringLiteral("Zurück ins Hauptmenü."));
}

TEST_F(TopicMenus, ButtonsOpenTheirScreenWhileTheMenuIsOutOfSight)
{
    const TButtonCase cases[] = {
        {Factory<TfrmLyriMenu>(), "pbLyrics", "ShowMenuGrid(7)"},
        {Factory<TfrmLyriMenu>(), "pbLibretti", "ShowMenuGrid(8)"},
        {Factory<TfrmLyriMenu>(), "pbMusicals", "ShowMenuGrid(10)"},
        {Factory<TfrmLyriMenu>(), "pbVolkslieder", "ShowRecordPage(101, 2569, 0)"},
        {Factory<TfrmLyriMenu>(), "pbSpirituals", "ShowRecordPage(101, 2347, 0)"},
        {Factory<TfrmLyriMenu>(), "pbShanties", "ShowRecordPage(101, 3019, 0)"},
        {Factory<TfrmBildMenu>(), "pbPerson", "ShowMenuGrid(17)"},
        {Factory<TfrmBildMenu>(), "pbHersteller", "ShowMenuGrid(24)"},
        {Factory<TfrmSchoMenu>(), "pbAnekdoten", "ShowMenuGrid(11)"},
        {Factory<TfrmSchoMenu>(), "pbSpezInstrumente", "ShowMenuGrid(12)"},
        {Factory<TfrmTonMenu>(), "pbInstrumente", "ShowInstrumentSearch()"},
        {Factory<TfrmInPeMenu>(), "pbPerson", "ShowMenuGrid(0)"},
        {Factory<TfrmInPeMenu>(), "pbBand", "ShowMenuGrid(1)"},
        {Factory<TfrmFachMenu>(), "pbFilmmusik", "ShowRecordPage(101, 3064, 0)"},
        {Factory<TfrmFachMenu>(), "pbHersteller", "ShowMenuGrid(16)"},
        {Factory<TfrmStilMenu>(), "pbRockNRoll", "ShowStyleSounds(4, Rock'n'Roll)"},
        {Factory<TfrmStilMenu>(), "pbFreieMusik", "ShowStyleSounds(106, Freie Musik)"},
        {Factory<TfrmStilMenu>(), "pbUebrige", "ShowStyleSearch(false)"},
        {Factory<TfrmStilMenu>(), "pbAlle", "ShowStyleSearch(true)"},
    };
    for (const TButtonCase& test : cases) {
        SCOPED_TRACE(test.Button);
        std::unique_ptr<TTopicMenu> menu = test.Make();
        menu->show();
        menu->move(140, 90);
        QApplication::processEvents();
        const QPoint place = menu->pos();
        TSoundLog sounds;
        TScreenLog screens([&] {
            return QStringLiteral("imploded=%1 clicks=%2")
                .arg(menu->Imploded())
                .arg(sounds.Clicks());
        });
        ClickShape(Button(menu.get(), test.Button));
        EXPECT_EQ(screens.Calls, QStringList{QString::fromUtf8(test.Call)});
        EXPECT_EQ(screens.Probes, QStringList{QStringLiteral("imploded=1 clicks=1")});
        EXPECT_FALSE(menu->Imploded());
        EXPECT_EQ(menu->pos(), place);
        EXPECT_TRUE(menu->isVisible());
    }
}

TEST_F(TopicMenus, StyleButtonsNameTheirStyleInTheHint)
{
    TfrmStilMenu menu;
    menu.show();
    EXPECT_EQ(menu.pbRockNRoll->toolTip(),
              QStringLiteral("Zeigt eine Liste aller Tonbeispiele zur Stilrichtung Rock'n'Roll."));
    EXPECT_EQ(menu.pbFreieMusik->toolTip(),
              QStringLiteral("Zeigt eine Liste aller Tonbeispiele zur Stilrichtung Freie Musik."));
    // Every style of the menu has its own button and its own screen.
    TScreenLog screens;
    for (TShapeButton* button : menu.findChildren<TShapeButton*>()) {
        if (button != menu.pbMenue && button != menu.pbUebrige && button != menu.pbAlle) {
            ClickShape(button);
        }
    }
    EXPECT_EQ(screens.Calls.size(), 14);
    EXPECT_EQ(screens.Calls.removeDuplicates(), 0);
}

TEST_F(TopicMenus, SoundMenuRunsTheStyleMenuOnTopAndComesBack)
{
    TfrmTonMenu menu;
    TSoundLog sounds;
    QString seen;
    bool toneMenuAway = false;
    WhenModal([&](QWidget*) {
        WhenModal([&](QWidget* top) {
            seen = QString::fromLatin1(top->metaObject()->className());
            toneMenuAway = menu.Imploded();
            WhenModal([&](QWidget* again) { PressEscape(again); }, top);
            PressEscape(top);
        });
        ClickShape(menu.pbStil);
    });
    menu.exec();
    EXPECT_EQ(seen, QStringLiteral("TfrmStilMenu"));
    EXPECT_TRUE(toneMenuAway);
    EXPECT_FALSE(menu.Imploded());
    // Opening the style menu, leaving it, leaving the sound menu.
    EXPECT_EQ(sounds.Clicks(), 3);
}

TEST_F(TopicMenus, MovedMenuReopensAtItsPlace)
{
    QPoint firstPlace;
    WhenModal([&](QWidget* top) {
        firstPlace = top->pos();
        top->move(111, 99);
        PressEscape(top);
    });
    ShowInPeMenu();
    {
        const TIniFile ini(ProgramDir + QStringLiteral("Musarix.Ini"));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("MENUE: MUSIKER"), QStringLiteral("XPos"), -1),
                  111);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("MENUE: MUSIKER"), QStringLiteral("YPos"), -1),
                  99);
        // The other menus' places are their own.
        EXPECT_FALSE(ini.SectionExists(QStringLiteral("MENUE: FACHLICHES")));
    }
    QPoint secondPlace;
    WhenModal([&](QWidget* top) {
        secondPlace = top->pos();
        PressEscape(top);
    });
    ShowInPeMenu();
    EXPECT_EQ(secondPlace, QPoint(111, 99));
    EXPECT_NE(firstPlace, secondPlace);
}

TEST_F(TopicMenus, TitlesAndSizesFollowTheMenu)
{
    TfrmFachMenu fach;
    EXPECT_EQ(fach.lblTitel->text(), QStringLiteral("Fachliches"));
    EXPECT_EQ(fach.size(), QSize(467, 306));
    EXPECT_EQ(fach.HelpContext(), 26);
    TfrmSchoMenu scho;
    EXPECT_EQ(scho.lblTitel->text(), QStringLiteral("Da war noch..."));
    // Every button lies inside the menu, clear of its neighbours' shapes.
    for (TTopicMenu* menu : std::initializer_list<TTopicMenu*>{&fach, &scho}) {
        const QList<TShapeButton*> buttons = menu->findChildren<TShapeButton*>();
        for (const TShapeButton* button : buttons) {
            EXPECT_TRUE(menu->rect().contains(button->geometry()))
                << button->objectName().toStdString();
            for (const TShapeButton* other : buttons) {
                if (other != button) {
                    EXPECT_FALSE(button->geometry().intersects(other->geometry()))
                        << button->objectName().toStdString() << " "
                        << other->objectName().toStdString();
                }
            }
        }
    }
}
