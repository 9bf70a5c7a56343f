#include "output/tests/OutputTestSupport.h"

#include "controls/ShapeBut.h"
#include "output/MarginPreview.h"
#include "output/Raender.h"
#include "shell/IniFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace OutputTest;

namespace {

std::array<QSpinBox*, 4> Fields(const TfrmRaender& Dialog)
{
    return {Dialog.dfRandL, Dialog.dfRandR, Dialog.dfRandO, Dialog.dfRandU};
}

TMargins Values(const TfrmRaender& Dialog)
{
    TMargins values{};
    const auto fields = Fields(Dialog);
    for (std::size_t i = 0; i < fields.size(); ++i)
        values[i] = fields[i]->value();
    return values;
}

// Replaces a field's text by typing, as the user does.
void Type(QSpinBox* Field, const QString& Text)
{
    Field->setFocus();
    Field->selectAll();
    QTest::keyClick(Field, Qt::Key_Backspace);
    QTest::keyClicks(Field, Text);
}

class MarginsDialog : public ::testing::Test
{
protected:
    TMarginsGuard Guard{{15, 10, 10, 20}};
};

} // namespace

TEST_F(MarginsDialog, ShowsTheSettingsOfTheMomentInItsFields)
{
    TfrmRaender early;
    // Settings changed after the dialog was made count when it shows.
    SetMargins({7, 8, 9, 11});
    early.show();
    EXPECT_EQ(Values(early), (TMargins{7, 8, 9, 11}));
    early.hide();

    TfrmRaender dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Randeinstellungen"));
    EXPECT_EQ(dialog.HelpContext(), 49);
    EXPECT_EQ(dialog.dfRandO->toolTip(), QStringLiteral("Oberer Rand in Millimeter"));
    EXPECT_EQ(dialog.dfRandU->toolTip(), QStringLiteral("Unterer Rand in Millimeter"));
    EXPECT_EQ(dialog.pbOk->toolTip(),
              QStringLiteral("Änderungen ünernehmen und Fenster schließen"));
    // Tab goes left, right, top, bottom, the order of the settings.
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.focusWidget(), dialog.dfRandL);
    for (QWidget* next : {dialog.dfRandR, dialog.dfRandO, dialog.dfRandU}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dialog.focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(MarginsDialog, OkByClickOrEnterTakesTheFieldsIntoTheSettings)
{
    for (const bool byKey : {false, true}) {
        SetMargins({15, 10, 10, 20});
        TSoundLog sounds;
        TfrmRaender dialog;
        WhenModal([&](QWidget*) {
            Type(dialog.dfRandL, QStringLiteral("25"));
            Type(dialog.dfRandR, QStringLiteral("5"));
            Type(dialog.dfRandO, QStringLiteral("99"));
            Type(dialog.dfRandU, QStringLiteral("1"));
            if (byKey)
                Key(dialog.dfRandU, Qt::Key_Return);
            else
                ClickShape(dialog.pbOk);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted) << "by key: " << byKey;
        EXPECT_EQ(Margins(), (TMargins{25, 5, 99, 1})) << "by key: " << byKey;
        EXPECT_EQ(sounds.Clicks(), 1);
    }
}

TEST_F(MarginsDialog, CancelOrEscapeLeavesTheSettings)
{
    for (const bool byKey : {false, true}) {
        TSoundLog sounds;
        TfrmRaender dialog;
        WhenModal([&](QWidget*) {
            for (QSpinBox* field : Fields(dialog))
                Type(field, QStringLiteral("42"));
            if (byKey)
                Key(dialog.dfRandO, Qt::Key_Escape);
            else
                ClickShape(dialog.pbCancel);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << "by key: " << byKey;
        EXPECT_EQ(Margins(), (TMargins{15, 10, 10, 20})) << "by key: " << byKey;
        EXPECT_EQ(sounds.Clicks(), 1);
    }
}

TEST_F(MarginsDialog, EnterDoesNothingWhileOkIsDisabled)
{
    TSoundLog sounds;
    TfrmRaender dialog;
    bool stillOpen = false;
    WhenModal([&](QWidget*) {
        Type(dialog.dfRandL, QStringLiteral("30"));
        dialog.pbOk->setEnabled(false);
        Key(dialog.dfRandL, Qt::Key_Return);
        stillOpen = dialog.isVisible();
        dialog.pbOk->setEnabled(true);
        Key(dialog.dfRandL, Qt::Key_Enter);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(MarginLeft, 30);
    EXPECT_EQ(sounds.Clicks(), 1);
}

TEST_F(MarginsDialog, FieldsRefuseValuesOutsideOneToNinetyNine)
{
    TfrmRaender dialog;
    WhenModal([&](QWidget*) {
        // A third digit that would pass 99 is not taken.
        Type(dialog.dfRandL, QStringLiteral("150"));
        EXPECT_EQ(dialog.dfRandL->value(), 15);
        Type(dialog.dfRandR, QStringLiteral("100"));
        EXPECT_EQ(dialog.dfRandR->value(), 10);
        // Nought is no margin: the field keeps its last good value. A minus
        // sign is not taken at all.
        Type(dialog.dfRandO, QStringLiteral("0"));
        EXPECT_EQ(dialog.dfRandO->value(), 10);
        Type(dialog.dfRandU, QStringLiteral("-5"));
        EXPECT_EQ(dialog.dfRandU->text(), QStringLiteral("5"));
        // Stepping stops at the ends.
        dialog.dfRandU->setFocus();
        QTest::keyClick(dialog.dfRandU, Qt::Key_PageDown);
        QTest::keyClick(dialog.dfRandU, Qt::Key_PageDown);
        EXPECT_EQ(dialog.dfRandU->value(), 1);
        Key(dialog.dfRandU, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(Margins(), (TMargins{15, 10, 10, 1}));
    for (QSpinBox* field : Fields(dialog)) {
        field->setValue(0);
        EXPECT_EQ(field->value(), 1);
        field->setValue(100);
        EXPECT_EQ(field->value(), 99);
    }
}

TEST_F(MarginsDialog, PositionIsKeptUnderItsSection)
{
    ForgetSettings();
    TMusaForm::SetDisplaySizeForTesting(QSize(1280, 1024));
    {
        TfrmRaender dialog;
        WhenModal([&](QWidget*) {
            dialog.move(123, 234);
            Key(dialog.dfRandL, Qt::Key_Escape);
        });
        dialog.exec();
    }
    {
        const TIniFile ini(SettingsFile());
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("RANDEINSTELLUNGEN"), QStringLiteral("XPos"), -1),
                  123);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("RANDEINSTELLUNGEN"), QStringLiteral("YPos"), -1),
                  234);
        EXPECT_EQ(
            ini.ReadInteger(QStringLiteral("RANDEINSTELLUNGEN"), QStringLiteral("Breite"), -1), -1);
    }
    TfrmRaender again;
    QPoint shownAt;
    WhenModal([&](QWidget*) {
        shownAt = again.pos();
        Key(again.dfRandL, Qt::Key_Escape);
    });
    again.exec();
    EXPECT_EQ(shownAt, QPoint(123, 234));
    TMusaForm::SetDisplaySizeForTesting(QSize());
}

TEST_F(MarginsDialog, PreviewFollowsTheFields)
{
    TfrmRaender dialog;
    dialog.show();
    const QRectF sheet = dialog.Preview->SheetRect();
    // The sheet has the proportions of the printed page.
    EXPECT_NEAR(sheet.width() / sheet.height(), 11880.0 / 17100.0, 0.01);
    const QRectF before = dialog.Preview->TextRect();
    dialog.dfRandL->setValue(60);
    const QRectF wider = dialog.Preview->TextRect();
    EXPECT_GT(wider.left(), before.left());
    EXPECT_DOUBLE_EQ(wider.right(), before.right());
    // 45 mm more at 57 twips per mm, on a sheet of 11880 twips.
    EXPECT_NEAR(wider.left() - before.left(), 45 * 57 * sheet.width() / 11880, 0.01);
    dialog.dfRandU->setValue(99);
    EXPECT_LT(dialog.Preview->TextRect().bottom(), before.bottom());
}

TEST_F(MarginsDialog, WallpaperShowsBehindTheFields)
{
    const TWallpaperStore store;
    TfrmRaender dialog;
    dialog.show();
    QApplication::processEvents();
    ASSERT_NE(dialog.Wallpaper(), nullptr);
    const QImage shot = dialog.grab().toImage();
    SaveShot(dialog, QStringLiteral("Randeinstellungen"));
    // A corner has nothing but the wallpaper; the buttons are opaque.
    EXPECT_EQ(shot.pixel(3, 3) & 0xFFFFFFu, TWallpaperStore::TileColor(3, 3) & 0xFFFFFFu);
    const QPoint inOk = dialog.pbOk->geometry().center();
    EXPECT_NE(shot.pixel(inOk) & 0xFFFFFFu,
              TWallpaperStore::TileColor(inOk.x(), inOk.y()) & 0xFFFFFFu);
}
