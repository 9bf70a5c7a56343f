#include "shell/tests/MenuTestSupport.h"

#include "controls/ShapeBut.h"
#include "shell/IniFile.h"
#include "shell/MenuAusz.h"
#include "shell/MusaMain.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace MenuTest;

namespace {

const QString Section = QStringLiteral("MENUE: AUSZEICHNUNGEN");

int Stored(const QString& Key)
{
    const TIniFile ini(ProgramDir + QStringLiteral("Musarix.Ini"));
    return ini.ReadInteger(Section, Key, -1);
}

class AwardsMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TMusaForm::SetDisplaySizeForTesting(QSize(1024, 768));
        ForgetSettings();
    }
    void TearDown() override { FreeAuszMenu(); }
};

} // namespace

TEST_F(AwardsMenu, ClosesAfterAChartListAndComesBackAtItsPlace)
{
    TSoundLog sounds;
    TScreenLog screens([] { return QStringLiteral("imploded=%1").arg(AuszMenu()->Imploded()); });
    WhenModal([&](QWidget* top) {
        top->move(150, 120);
        ClickShape(AuszMenu()->pbHitparade);
    });
    ShowAuszMenu();
    TfrmAuszMenu* kept = AuszMenu();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(screens.Calls, QStringList{QStringLiteral("ShowMenuGrid(14)")});
    EXPECT_EQ(screens.Probes, QStringList{QStringLiteral("imploded=1")});
    EXPECT_FALSE(kept->isVisible());
    // Closed while out of sight: nothing of that place reached the settings.
    EXPECT_EQ(Stored(QStringLiteral("XPos")), -1);

    QWidget* second = nullptr;
    QPoint secondPlace;
    bool imploded = true;
    WhenModal([&](QWidget* top) {
        second = top;
        secondPlace = top->pos();
        imploded = AuszMenu()->Imploded();
        ClickShape(AuszMenu()->pbMenue);
    });
    ShowAuszMenu();
    EXPECT_EQ(second, kept);
    EXPECT_EQ(AuszMenu(), kept);
    EXPECT_EQ(secondPlace, QPoint(150, 120));
    EXPECT_FALSE(imploded);
    // Left by its back button it stores its place as the other menus do.
    EXPECT_EQ(Stored(QStringLiteral("XPos")), 150);
    EXPECT_EQ(Stored(QStringLiteral("YPos")), 120);
    // Opening the list, leaving the menu.
    EXPECT_EQ(sounds.Clicks(), 2);
}

TEST_F(AwardsMenu, PrizesListReturnsStraightToTheMainMenu)
{
    TfrmMain main;
    main.show();
    TScreenLog screens;
    WhenModal([&](QWidget*) { ClickShape(AuszMenu()->pbGrammy); });
    // Returns once the awards menu has ended its modal run.
    ClickShape(main.pbCharts);
    EXPECT_EQ(screens.Calls, QStringList{QStringLiteral("ShowMenuGrid(13)")});
    EXPECT_FALSE(AuszMenu()->isVisible());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(AwardsMenu, IsMadeOnceAndFreedOnRequest)
{
    EXPECT_EQ(AuszMenu(), nullptr);
    WhenModal([](QWidget* top) { PressEscape(top); });
    ShowAuszMenu();
    TfrmAuszMenu* first = AuszMenu();
    WhenModal([](QWidget* top) { PressEscape(top); });
    ShowAuszMenu();
    EXPECT_EQ(AuszMenu(), first);
    FreeAuszMenu();
    EXPECT_EQ(AuszMenu(), nullptr);
}
