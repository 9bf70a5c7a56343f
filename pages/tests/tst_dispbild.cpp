#include "controls/ShLabel.h"
#include "pages/DispBild.h"
#include "pages/tests/CatalogueFixture.h"
#include "shell/IniFile.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Pictures of the text store, at positions a catalogue could name.
constexpr qint64 Square = 2048;   // 200 × 100
constexpr qint64 Wide = 200000;   // 500 × 80
constexpr qint64 Narrow = 400000; // 60 × 150
constexpr qint64 Broken = 500000; // not a bitmap
constexpr qint64 Missing = 600000;

class PictureWindows : public ::testing::Test
{
protected:
    static std::map<qint64, QByteArray> Pictures()
    {
        return {{Square, TCatalogueFixture::Bitmap(200, 100)},
                {Wide, TCatalogueFixture::Bitmap(500, 80)},
                {Narrow, TCatalogueFixture::Bitmap(60, 150)},
                {Broken, QByteArray("BM this is no bitmap at all")}};
    }

    void SetUp() override { TMusaForm::SetDisplaySizeForTesting(QSize(1280, 1024)); }

    void TearDown() override
    {
        CloseAllPictures();
        // Windows belong to the run, not to one test: a fresh one per test
        // keeps the widths apart.
        for (int slot = 1; slot <= 2; ++slot)
            delete PictureWindow(slot);
        TMusaForm::SetDisplaySizeForTesting(QSize());
    }

    static int LineHeight(const TShadowLabel* Label)
    {
        return QFontMetrics(Label->font()).height();
    }

    TCatalogueFixture FCatalogue{std::string(), Pictures()};
};

TEST_F(PictureWindows, TwoSlotsWithTheirPositionKeys)
{
    ShowPicture(1, 1, Square, QStringLiteral("Wolfgang Amadeus Mozart"), QStringLiteral("1780"));
    ShowPicture(2, 1, Narrow, QStringLiteral("Wolfgang Amadeus Mozart"), QString());
    TfrmBild* first = PictureWindow(1);
    TfrmBild* second = PictureWindow(2);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->PositionKey(), QStringLiteral("BILD 1/1"));
    EXPECT_EQ(second->PositionKey(), QStringLiteral("BILD 1/2"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    // Non-modal and above the other windows.
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Wolfgang Amadeus Mozart"));
    EXPECT_EQ(first->lblUntertitel->text(), QStringLiteral("1780"));

    ShowPicture(1, 2, Square, QStringLiteral("Queen"), QStringLiteral("1975"));
    EXPECT_EQ(PictureWindow(1), first) << "the slot's window is used again";
    EXPECT_EQ(first->PositionKey(), QStringLiteral("BILD 2/1"));
}

TEST_F(PictureWindows, CloseAllHidesBothAndKeepsThem)
{
    ShowPicture(1, 3, Square, QStringLiteral("Album"), QStringLiteral("Band"));
    ShowPicture(2, 3, Square, QStringLiteral("Album"), QStringLiteral("Band"));
    TfrmBild* first = PictureWindow(1);
    CloseAllPictures();
    EXPECT_FALSE(PictureWindow(1)->isVisible());
    EXPECT_FALSE(PictureWindow(2)->isVisible());
    EXPECT_EQ(PictureWindow(1), first);
    CloseAllPictures(); // nothing shown: nothing happens
    EXPECT_FALSE(PictureWindow(1)->isVisible());
}

TEST_F(PictureWindows, EscapeHidesTheWindow)
{
    ShowPicture(1, 4, Square, QStringLiteral("Gitarre"), QString());
    TfrmBild* window = PictureWindow(1);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PictureWindows, PositionIsKeptPerGalleryAndSlot)
{
    ShowPicture(2, 5, Square, QStringLiteral("Metronom"), QString());
    TfrmBild* window = PictureWindow(2);
    window->move(321, 234);
    CloseAllPictures();
    {
        const TIniFile ini(FCatalogue.SettingsFile());
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("BILD 5/2"), QStringLiteral("XPos"), -1), 321);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("BILD 5/2"), QStringLiteral("YPos"), -1), 234);
    }
    window->move(10, 10);
    ShowPicture(2, 5, Square, QStringLiteral("Metronom"), QString());
    EXPECT_EQ(window->pos(), QPoint(321, 234));
}

TEST_F(PictureWindows, WindowFitsPictureTitleAndCaption)
{
    ShowPicture(1, 1, Square, QStringLiteral("Kurz"), QStringLiteral("Unterschrift"));
    TfrmBild* window = PictureWindow(1);
    const int titleHeight = window->lblTitel->height();
    const int captionHeight = window->lblUntertitel->height();
    EXPECT_GE(titleHeight, LineHeight(window->lblTitel));
    EXPECT_LT(titleHeight, 2 * LineHeight(window->lblTitel));
    // A picture narrower than the window keeps the window's first width.
    EXPECT_EQ(window->width(), TfrmBild::DesignWidth);
    EXPECT_EQ(window->height(), 100 + 20 + titleHeight + captionHeight);
    EXPECT_EQ(window->Image1->geometry(),
              QRect((TfrmBild::DesignWidth - 200) / 2, titleHeight + 10, 200, 100));
    EXPECT_EQ(window->lblTitel->y(), 5);
    EXPECT_EQ(window->lblTitel->width(), TfrmBild::DesignWidth - 20);
    EXPECT_EQ(window->lblUntertitel->y(), window->height() - captionHeight - 5);
    EXPECT_TRUE(window->lblUntertitel->isVisible());
    EXPECT_EQ(window->Image1->pixmap().size(), QSize(200, 100));
}

TEST_F(PictureWindows, EmptyCaptionTakesNoLine)
{
    ShowPicture(1, 4, Square, QStringLiteral("Harfe"), QString());
    TfrmBild* window = PictureWindow(1);
    EXPECT_EQ(window->height(), 100 + 20 + window->lblTitel->height());
    EXPECT_FALSE(window->lblUntertitel->isVisible());
}

TEST_F(PictureWindows, LongTitleWrapsAndPushesThePictureDown)
{
    ShowPicture(1, 2, Square, QStringLiteral("Kurz"), QString());
    TfrmBild* window = PictureWindow(1);
    const int shortTop = window->Image1->y();
    const QString longTitle = QStringLiteral("Ein sehr langer Name einer Band, der auf keine Zeile "
                                             "passt und darum umbrochen werden muss");
    ShowPicture(1, 2, Square, longTitle, QString());
    EXPECT_GE(window->lblTitel->height(), 2 * LineHeight(window->lblTitel));
    EXPECT_EQ(window->Image1->y(), window->lblTitel->height() + 10);
    EXPECT_GT(window->Image1->y(), shortTop);
    EXPECT_EQ(window->height(), 100 + 20 + window->lblTitel->height());
}

TEST_F(PictureWindows, ReusedWindowNeverGetsNarrower)
{
    ShowPicture(1, 3, Wide, QStringLiteral("Breit"), QStringLiteral("Band"));
    TfrmBild* window = PictureWindow(1);
    EXPECT_EQ(window->width(), 500 + 20);
    EXPECT_EQ(window->Image1->x(), 10);
    CloseAllPictures();
    ShowPicture(1, 3, Narrow, QStringLiteral("Schmal"), QStringLiteral("Band"));
    EXPECT_EQ(window->width(), 500 + 20);
    EXPECT_EQ(window->Image1->geometry(),
              QRect((520 - 60) / 2, window->lblTitel->height() + 10, 60, 150));
}

TEST_F(PictureWindows, MissingOrBrokenBitmapShowsAnEmptyPictureSilently)
{
    for (const qint64 position : {Missing, Broken, qint64(0)}) {
        ShowPicture(1, 1, position, QStringLiteral("Ohne Bild"), QStringLiteral("Text"));
        TfrmBild* window = PictureWindow(1);
        EXPECT_TRUE(window->isVisible()) << position;
        EXPECT_TRUE(window->Picture().isNull()) << position;
        EXPECT_EQ(window->Image1->size(), QSize(0, 0)) << position;
        EXPECT_EQ(window->height(),
                  20 + window->lblTitel->height() + window->lblUntertitel->height())
            << position;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no message for " << position;
    }
}

TEST_F(PictureWindows, SlotsOtherThanOneAndTwoAreIgnored)
{
    ShowPicture(3, 1, Square, QStringLiteral("Drei"), QString());
    ShowPicture(0, 1, Square, QStringLiteral("Null"), QString());
    EXPECT_EQ(PictureWindow(1), nullptr);
    EXPECT_EQ(PictureWindow(2), nullptr);
    EXPECT_EQ(PictureWindow(3), nullptr);
}

} // namespace
