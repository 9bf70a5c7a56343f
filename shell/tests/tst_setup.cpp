#include "shell/tests/MenuTestSupport.h"

#include "shell/Setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

using namespace MenuTest;

namespace {

// The seven settings in the order of the dialog's boxes.
using TSettings = std::array<bool, 7>;

TSettings Current()
{
    return {ShowHints, IntroOn, IntroMusicOn, OutroOn, OutroMusicOn, KeyClick, ErrorSoundOn};
}

void Apply(const TSettings& Settings)
{
    ShowHints = Settings[0];
    IntroOn = Settings[1];
    IntroMusicOn = Settings[2];
    OutroOn = Settings[3];
    OutroMusicOn = Settings[4];
    KeyClick = Settings[5];
    ErrorSoundOn = Settings[6];
}

std::array<QCheckBox*, 7> Boxes(const TfrmSetup& Setup)
{
    return {Setup.cbHinweise,   Setup.cbIntro,       Setup.cbIntroMusik, Setup.cbOutro,
            Setup.cbOutroMusik, Setup.cbTastenClick, Setup.cbErrorSound};
}

TSettings Ticks(const TfrmSetup& Setup)
{
    TSettings ticks{};
    const auto boxes = Boxes(Setup);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        ticks[i] = boxes[i]->isChecked();
    }
    return ticks;
}

void Click(QCheckBox* Box)
{
    QTest::mouseClick(Box, Qt::LeftButton, Qt::NoModifier, QPoint(8, Box->height() / 2));
}

class OptionsDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Saved = Current();
        Apply(Start);
    }
    void TearDown() override { Apply(Saved); }

    const TSettings Start{true, true, false, false, true, true, false};
    TSettings Saved{};
};

} // namespace

TEST_F(OptionsDialog, BoxesShowTheSettings)
{
    for (const TSettings& settings :
         {Start, TSettings{false, false, true, true, false, false, true}}) {
        Apply(settings);
        TfrmSetup setup;
        EXPECT_EQ(Ticks(setup), settings);
    }
}

TEST_F(OptionsDialog, MusicBoxesFollowTheirScreenAndKeepTheirTick)
{
    TfrmSetup setup;
    setup.show();
    // Intro on: its music can be changed; closing screen off: its music not.
    EXPECT_TRUE(setup.cbIntroMusik->isEnabled());
    EXPECT_FALSE(setup.cbOutroMusik->isEnabled());
    EXPECT_TRUE(setup.cbOutroMusik->isChecked());

    Click(setup.cbIntro);
    EXPECT_FALSE(setup.cbIntro->isChecked());
    EXPECT_FALSE(setup.cbIntroMusik->isEnabled());
    EXPECT_FALSE(setup.cbIntroMusik->isChecked());
    Click(setup.cbIntro);
    EXPECT_TRUE(setup.cbIntroMusik->isEnabled());

    Click(setup.cbOutro);
    EXPECT_TRUE(setup.cbOutroMusik->isEnabled());
    EXPECT_TRUE(setup.cbOutroMusik->isChecked());
    // The space bar on the box works as the mouse does.
    setup.cbOutro->setFocus();
    QTest::keyClick(setup.cbOutro, Qt::Key_Space);
    EXPECT_FALSE(setup.cbOutroMusik->isEnabled());
    EXPECT_TRUE(setup.cbOutroMusik->isChecked());
}

TEST_F(OptionsDialog, SavingCopiesEveryBoxIncludingADisabledMusicTick)
{
    TSoundLog sounds;
    TfrmSetup setup;
    WhenModal([&](QWidget*) {
        Click(setup.cbHinweise);
        Click(setup.cbIntro); // music box now disabled, still unticked
        Click(setup.cbErrorSound);
        QTest::mouseClick(setup.pbOk, Qt::LeftButton);
    });
    EXPECT_EQ(setup.exec(), QDialog::Accepted);
    EXPECT_EQ(Current(), (TSettings{false, false, false, false, true, true, true}));
    // The closing music stays on although its box was disabled all along.
    EXPECT_TRUE(OutroMusicOn);
    EXPECT_EQ(sounds.Count(), 0u);
}

TEST_F(OptionsDialog, DiscardingLeavesTheSettings)
{
    for (const bool byKey : {false, true}) {
        TfrmSetup setup;
        WhenModal([&](QWidget* top) {
            for (QCheckBox* box : Boxes(setup)) {
                if (box->isEnabled()) {
                    Click(box);
                }
            }
            if (byKey) {
                QTest::keyClick(top, Qt::Key_Escape);
            } else {
                QTest::mouseClick(setup.pbCancel, Qt::LeftButton);
            }
        });
        setup.exec();
        EXPECT_FALSE(setup.isVisible());
        EXPECT_EQ(Current(), Start);
    }
}

TEST_F(OptionsDialog, EnterSavesOnlyWhileSaveIsEnabled)
{
    TfrmSetup setup;
    bool stillOpen = false;
    WhenModal([&](QWidget*) {
        Click(setup.cbErrorSound);
        setup.pbOk->setEnabled(false);
        setup.cbErrorSound->setFocus();
        QTest::keyClick(setup.cbErrorSound, Qt::Key_Return);
        stillOpen = setup.isVisible();
        setup.pbOk->setEnabled(true);
        // Enter on a check box saves and closes.
        QTest::keyClick(setup.cbErrorSound, Qt::Key_Return);
    });
    EXPECT_EQ(setup.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(ErrorSoundOn);
}

TEST_F(OptionsDialog, LooksLikeAPlainDialog)
{
    TfrmSetup setup;
    setup.show();
    QApplication::processEvents();
    EXPECT_EQ(setup.windowTitle(), QStringLiteral("Programmeinstellungen"));
    EXPECT_EQ(setup.size(), QSize(327, 251));
    EXPECT_EQ(setup.Wallpaper(), nullptr);
    EXPECT_EQ(setup.focusWidget(), setup.cbHinweise);
    EXPECT_EQ(setup.cbTastenClick->text(), QStringLiteral("\"Klick\"-Geräusch auf Tasten"));
    EXPECT_TRUE(setup.cbIntro->toolTip().endsWith(QStringLiteral("? ")));
    // Tab goes down the boxes, then to the two buttons.
    QWidget* expected[] = {setup.cbIntro,      setup.cbIntroMusik,  setup.cbOutro,
                           setup.cbOutroMusik, setup.cbTastenClick, setup.cbErrorSound,
                           setup.pbCancel,     setup.pbOk};
    QWidget* at = setup.cbHinweise;
    for (QWidget* next : expected) {
        at = at->nextInFocusChain();
        EXPECT_EQ(at, next) << next->objectName().toStdString();
    }
    for (QCheckBox* box : Boxes(setup)) {
        EXPECT_EQ(box->x(), 23);
        EXPECT_EQ(box->width(), 282);
    }
}
