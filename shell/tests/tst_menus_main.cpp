#include "shell/tests/MenuTestSupport.h"

#include "controls/ShLabel.h"
#include "controls/ShapeBut.h"
#include "shell/MenuAusz.h"
#include "shell/MusaMain.h"
#include "shell/Setup.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace MenuTest;

namespace {

class MainMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TMusaForm::SetDisplaySizeForTesting(QSize(1024, 768));
        Menu.show();
        QApplication::processEvents();
    }
    void TearDown() override { FreeAuszMenu(); }

    TfrmMain Menu;
};

} // namespace

TEST_F(MainMenu, InstrumentsAndOrganisersOpenTheirListsWithTheMenuInPlace)
{
    const QPoint place = Menu.pos();
    TSoundLog sounds;
    TScreenLog screens([&] {
        return QStringLiteral("imploded=%1 moved=%2 clicks=%3")
            .arg(Menu.Imploded())
            .arg(Menu.pos() != place)
            .arg(sounds.Clicks());
    });
    ClickShape(Menu.pbInstrumente);
    ClickShape(Menu.pbAdressen);
    EXPECT_EQ(screens.Calls,
              QStringList({QStringLiteral("ShowMenuGrid(2)"), QStringLiteral("ShowMenuGrid(15)")}));
    EXPECT_EQ(screens.Probes, QStringList({QStringLiteral("imploded=0 moved=0 clicks=1"),
                                           QStringLiteral("imploded=0 moved=0 clicks=2")}));
}

TEST_F(MainMenu, QuestionsAndOwnAlbumsOpenAfterTheClick)
{
    TSoundLog sounds;
    TScreenLog screens([&] { return QString::number(sounds.Clicks()); });
    ClickShape(Menu.pbAbfrage);
    ClickShape(Menu.pbEigenes);
    EXPECT_EQ(screens.Calls, QStringList({QStringLiteral("ShowQuestionScreen()"),
                                          QStringLiteral("ShowOwnAlbums()")}));
    EXPECT_EQ(screens.Probes, QStringList({QStringLiteral("1"), QStringLiteral("2")}));
}

TEST_F(MainMenu, TopicMenusOpenOnTopOfTheMenu)
{
    const struct
    {
        TShapeButton* Button;
        const char* Screen;
    } cases[] = {
        {Menu.pbSchote, "TfrmSchoMenu"},     {Menu.pbBilder, "TfrmBildMenu"},
        {Menu.pbGenres, "TfrmTonMenu"},      {Menu.pbPersonen, "TfrmInPeMenu"},
        {Menu.pbFachliches, "TfrmFachMenu"}, {Menu.pbCharts, "TfrmAuszMenu"},
        {Menu.pbLyrics, "TfrmLyriMenu"},     {Menu.pbSetup, "TfrmSetup"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Screen);
        TSoundLog sounds;
        QString opened;
        bool menuStayed = false;
        WhenModal([&](QWidget* top) {
            opened = QString::fromLatin1(top->metaObject()->className());
            menuStayed = !Menu.Imploded() && Menu.isVisible();
            PressEscape(top);
        });
        ClickShape(test.Button);
        EXPECT_EQ(opened, QString::fromLatin1(test.Screen));
        EXPECT_TRUE(menuStayed);
        // The options dialog plays no sound of its own when left.
        EXPECT_EQ(sounds.Clicks(), opened == QStringLiteral("TfrmSetup") ? 1 : 2);
    }
}

TEST_F(MainMenu, EscapeAndTheEndButtonEndTheMenuWithAClick)
{
    // The menu is run modally, as the backdrop runs it.
    Menu.hide();
    {
        TSoundLog sounds;
        WhenModal([&](QWidget* top) { PressEscape(top); });
        Menu.exec();
        EXPECT_FALSE(Menu.isVisible());
        EXPECT_EQ(sounds.Clicks(), 1);
    }
    {
        TSoundLog sounds;
        WhenModal([&](QWidget*) { ClickShape(Menu.pbEnde); });
        Menu.exec();
        EXPECT_FALSE(Menu.isVisible());
        EXPECT_EQ(sounds.Clicks(), 1);
    }
}

TEST_F(MainMenu, MinimiseIsSilent)
{
    TSoundLog sounds;
    ClickShape(Menu.pbMinimze);
    EXPECT_TRUE(Menu.isMinimized());
    EXPECT_EQ(sounds.Count(), 0u);
}

TEST_F(MainMenu, IsAFullScreenPictureWithItsTitle)
{
    EXPECT_EQ(Menu.size(), QSize(640, 480));
    EXPECT_TRUE(Menu.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(Menu.lblTitel->text(), QStringLiteral("Musarix Hauptmenü"));
    EXPECT_EQ(Menu.lblTitel->font().pixelSize(), 48);
    EXPECT_TRUE(Menu.lblTitel->font().bold());
    EXPECT_EQ(Menu.lblTitel->SLSLShadowSize(), 3);
    EXPECT_EQ(Menu.HelpContext(), 3);
    const QList<TShapeButton*> buttons = Menu.findChildren<TShapeButton*>();
    EXPECT_EQ(buttons.size(), 14);
    for (const TShapeButton* button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        // Each picture fills its place and is more than a frame of key colour.
        EXPECT_EQ(button->size(), button->Picture().size());
        EXPECT_EQ(button->Picture().pixel(1, 1) & 0xFFFFFFu, 0xFF00FFu);
        EXPECT_FALSE(button->IsOutside(PointOnShape(button)));
        EXPECT_EQ(button->toolTip().isEmpty(), button == Menu.pbMinimze);
    }
}

TEST_F(MainMenu, HintsFollowTheSettingAtOnce)
{
    const bool oldHints = ShowHints;
    QToolTip::hideText();
    ShowHints = false;
    QHelpEvent off(QEvent::ToolTip, QPoint(5, 5), Menu.pbLyrics->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Menu.pbLyrics, &off);
    EXPECT_FALSE(QToolTip::isVisible());
    ShowHints = true;
    QHelpEvent on(QEvent::ToolTip, QPoint(5, 5), Menu.pbLyrics->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Menu.pbLyrics, &on);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Liedertexte und Libretti"));
    QToolTip::hideText();
    ShowHints = oldHints;
}
