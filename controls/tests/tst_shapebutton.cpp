#include "controls/ShapeBut.h"
#include "controls/tests/ControlPictures.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr QRgb Wallpaper = 0x204020;
constexpr QRgb CaptionRed = 0x800000;
constexpr QRgb Grey = 0x808080;

// A parent painted in one colour that stands for the screen's wallpaper.
std::unique_ptr<QWidget> MakeScreen(QSize size)
{
    auto screen = std::make_unique<QWidget>();
    screen->resize(size);
    QPalette colors = screen->palette();
    colors.setColor(QPalette::Window, QColor::fromRgb(Wallpaper));
    screen->setPalette(colors);
    screen->setAutoFillBackground(true);
    return screen;
}

// A 20 x 20 button whose shape (bevel included) covers columns and rows 3..16
// when up and 3..15 when down.
TShapeButton* MakeSquareButton(QWidget* parent, QPoint at = QPoint())
{
    auto* button = new TShapeButton(parent);
    button->SetPicture(RectanglePicture(QSize(20, 20), QRect(6, 6, 8, 8)));
    button->move(at);
    return button;
}

QFont CrispFont(int pixelSize)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A 40 x 40 button with a wide flat face to read its caption from.
TShapeButton* MakeCaptionButton(QWidget* parent, const QString& caption)
{
    auto* button = new TShapeButton(parent);
    button->SetPicture(RectanglePicture(QSize(40, 40), QRect(5, 5, 30, 30)));
    button->SetCaption(caption);
    button->SetFontColor(QColor::fromRgb(CaptionRed));
    button->setFont(CrispFont(16));
    return button;
}

QImage Shot(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(ShapeButton, StartsAsAnEmptySeventyPixelSquare)
{
    TShapeButton button;
    EXPECT_EQ(button.size(), QSize(70, 70));
    EXPECT_EQ(button.BevelWidth(), 2);
    EXPECT_FALSE(button.SemiTransparent());
    EXPECT_EQ(button.SemiTransparentColor(), QColor(Qt::black));
    EXPECT_EQ(button.GlassColor(), QColor(Qt::white));
    EXPECT_EQ(button.FontColor(), QColor(Qt::black));
    EXPECT_TRUE(button.ForwardTarget());
    EXPECT_TRUE(button.MayForward());
    EXPECT_FALSE(button.IsDown());
    EXPECT_FALSE(button.IsTracking());
    EXPECT_TRUE(button.PictureUp().isNull());
    // Nothing to hit without a picture.
    EXPECT_TRUE(button.IsOutside(QPoint(35, 35)));
}

TEST(ShapeButton, BevelWidthZeroBuildsNothingAndOutOfRangeMeansTwo)
{
    TShapeButton button;
    button.SetBevelWidth(0);
    EXPECT_EQ(button.BevelWidth(), 0);
    button.SetPicture(RectanglePicture(QSize(20, 20), QRect(6, 6, 8, 8)));
    EXPECT_TRUE(button.PictureUp().isNull());
    EXPECT_TRUE(button.PictureDown().isNull());
    EXPECT_TRUE(button.PictureDisabled().isNull());
    EXPECT_EQ(button.size(), QSize(70, 70));

    button.SetBevelWidth(5);
    EXPECT_EQ(button.BevelWidth(), 2);
    // The change of width built the faces from the picture already set.
    EXPECT_EQ(button.size(), QSize(20, 20));
    EXPECT_EQ(Rgb(button.PictureUp(), 10, 4), 0xFFFFFFu);

    button.SetBevelWidth(1);
    EXPECT_EQ(Rgb(button.PictureUp(), 10, 4), 0u);
    button.SetBevelWidth(-3);
    EXPECT_EQ(button.BevelWidth(), 2);
    EXPECT_EQ(Rgb(button.PictureUp(), 10, 4), 0xFFFFFFu);
}

TEST(ShapeButton, HitTestFollowsThePressedFaceWithTheTwoPixelRule)
{
    QWidget screen;
    TShapeButton* button = MakeSquareButton(&screen);
    // Corners and borders of the picture.
    EXPECT_TRUE(button->IsOutside(QPoint(0, 0)));
    EXPECT_TRUE(button->IsOutside(QPoint(1, 1)));
    EXPECT_TRUE(button->IsOutside(QPoint(18, 18)));
    EXPECT_TRUE(button->IsOutside(QPoint(10, 0)));
    EXPECT_TRUE(button->IsOutside(QPoint(0, 10)));
    EXPECT_TRUE(button->IsOutside(QPoint(19, 10)));
    EXPECT_TRUE(button->IsOutside(QPoint(10, 19)));
    EXPECT_TRUE(button->IsOutside(QPoint(-4, 10)));
    EXPECT_TRUE(button->IsOutside(QPoint(10, 25)));
    // The face proper.
    EXPECT_FALSE(button->IsOutside(QPoint(10, 10)));
    EXPECT_FALSE(button->IsOutside(QPoint(3, 10)));
    EXPECT_FALSE(button->IsOutside(QPoint(15, 15)));
    // Left of the outline: a key pixel whose right neighbour is on the shape
    // still counts; two key pixels do not.
    EXPECT_FALSE(button->IsOutside(QPoint(2, 10)));
    EXPECT_TRUE(button->IsOutside(QPoint(1, 10)));
    EXPECT_FALSE(button->IsOutside(QPoint(10, 3)));
    EXPECT_TRUE(button->IsOutside(QPoint(10, 2)));
    // The up face's outline below and right is not part of the hit area.
    EXPECT_TRUE(button->IsOutside(QPoint(16, 10)));
    EXPECT_TRUE(button->IsOutside(QPoint(10, 16)));
}

TEST(ShapeButton, ClicksOnlyOnAPressAndReleaseOnTheShape)
{
    QWidget screen;
    TShapeButton* button = MakeSquareButton(&screen);
    QSignalSpy clicks(button, &TShapeButton::clicked);

    PressLeft(button, QPoint(10, 10));
    EXPECT_TRUE(button->IsDown());
    EXPECT_TRUE(button->IsTracking());
    ReleaseLeft(button, QPoint(10, 10));
    EXPECT_FALSE(button->IsDown());
    EXPECT_FALSE(button->IsTracking());
    EXPECT_EQ(clicks.count(), 1);

    // A press on a transparent corner is no press of this button.
    PressLeft(button, QPoint(1, 1));
    EXPECT_FALSE(button->IsDown());
    ReleaseLeft(button, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);

    // Only the left button presses.
    SendMouse(button, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(button->IsDown());
    SendMouse(button, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ShapeButton, DraggingOutShowsReleasedAndBackShowsPressed)
{
    QWidget screen;
    TShapeButton* button = MakeSquareButton(&screen);
    QSignalSpy clicks(button, &TShapeButton::clicked);

    PressLeft(button, QPoint(10, 10));
    DragTo(button, QPoint(1, 1));
    EXPECT_FALSE(button->IsDown());
    EXPECT_TRUE(button->IsTracking());
    DragTo(button, QPoint(30, 10));
    EXPECT_FALSE(button->IsDown());
    DragTo(button, QPoint(12, 8));
    EXPECT_TRUE(button->IsDown());
    ReleaseLeft(button, QPoint(12, 8));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->IsDown());

    // Out again and let go there: no click, and the button is shown up.
    PressLeft(button, QPoint(10, 10));
    DragTo(button, QPoint(40, 40));
    ReleaseLeft(button, QPoint(40, 40));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->IsDown());
    EXPECT_FALSE(button->IsTracking());
    // Moves after the release no longer press the button.
    HoverTo(button, QPoint(10, 10));
    EXPECT_FALSE(button->IsDown());

    // A release outside that no move announced still leaves it up.
    PressLeft(button, QPoint(10, 10));
    ReleaseLeft(button, QPoint(40, 40));
    EXPECT_FALSE(button->IsDown());
    EXPECT_EQ(clicks.count(), 1);
}

// Lower (created first) at (0,0), upper at (10,10): the upper button's
// transparent corner at its (2,2) lies on the lower button's face at (12,12).
struct OverlapScreen
{
    std::unique_ptr<QWidget> Screen = MakeScreen(QSize(60, 60));
    TShapeButton* Lower = MakeSquareButton(Screen.get(), QPoint(0, 0));
    TShapeButton* Upper = MakeSquareButton(Screen.get(), QPoint(10, 10));
};

TEST(ShapeButton, PressOnATransparentCornerClicksTheButtonBeneath)
{
    OverlapScreen s;
    s.Screen->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.Screen.get()));
    QSignalSpy lowerClicks(s.Lower, &TShapeButton::clicked);
    QSignalSpy upperClicks(s.Upper, &TShapeButton::clicked);
    QWindow* window = s.Screen->windowHandle();

    // Through the window, so Qt itself picks the upper button for the event.
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_TRUE(s.Lower->IsDown());
    EXPECT_FALSE(s.Upper->IsDown());
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(lowerClicks.count(), 1);
    EXPECT_EQ(upperClicks.count(), 0);
    EXPECT_FALSE(s.Lower->IsDown());

    // The upper button's own face clicks the upper button only, also where
    // it covers the lower one.
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(upperClicks.count(), 1);
    EXPECT_EQ(lowerClicks.count(), 1);

    // Everything is back in place after the hand-on.
    for (TShapeButton* button : {s.Lower, s.Upper}) {
        EXPECT_TRUE(button->ForwardTarget());
        EXPECT_TRUE(button->MayForward());
    }
}

TEST(ShapeButton, HandedOnDragFollowsTheLowerButton)
{
    OverlapScreen s;
    QSignalSpy lowerClicks(s.Lower, &TShapeButton::clicked);
    // While the upper button holds the mouse, the lower one pressed through
    // it follows the drag on the upper button's transparent parts.
    PressLeft(s.Upper, QPoint(2, 2));
    ASSERT_TRUE(s.Lower->IsDown());
    DragTo(s.Upper, QPoint(-8, -8)); // lower's (2,2): off its shape
    EXPECT_FALSE(s.Lower->IsDown());
    DragTo(s.Upper, QPoint(1, 2)); // lower's (11,12): back on it
    EXPECT_TRUE(s.Lower->IsDown());
    ReleaseLeft(s.Upper, QPoint(1, 2));
    EXPECT_EQ(lowerClicks.count(), 1);

    // Pressed through the upper button, released on the upper button's
    // face: neither clicks, and the lower one does not stay pressed.
    PressLeft(s.Upper, QPoint(2, 2));
    ASSERT_TRUE(s.Lower->IsDown());
    ReleaseLeft(s.Upper, QPoint(8, 8));
    EXPECT_EQ(lowerClicks.count(), 1);
    EXPECT_FALSE(s.Lower->IsDown());
    EXPECT_FALSE(s.Upper->IsDown());
}

TEST(ShapeButton, HandOnReachesEachSiblingOnceAndGoesNoDeeper)
{
    OverlapScreen s;
    // A third button far away: it gets the handed-on press at its own
    // coordinates, off its shape, and must not hand it back.
    TShapeButton* far = MakeSquareButton(s.Screen.get(), QPoint(40, 0));
    QSignalSpy lowerDowns(s.Lower, &TShapeButton::mouseDown);
    QSignalSpy upperDowns(s.Upper, &TShapeButton::mouseDown);
    QSignalSpy farDowns(far, &TShapeButton::mouseDown);

    PressLeft(s.Upper, QPoint(2, 2));
    EXPECT_EQ(upperDowns.count(), 1);
    EXPECT_EQ(lowerDowns.count(), 1);
    EXPECT_EQ(farDowns.count(), 1);
    EXPECT_EQ(lowerDowns.at(0).at(2).toPoint(), QPoint(12, 12));
    EXPECT_EQ(farDowns.at(0).at(2).toPoint(), QPoint(-28, 12));
    EXPECT_FALSE(far->IsDown());
    ReleaseLeft(s.Upper, QPoint(2, 2));

    // Disabled and hidden buttons receive nothing handed on.
    s.Lower->setEnabled(false);
    far->hide();
    PressLeft(s.Upper, QPoint(2, 2));
    ReleaseLeft(s.Upper, QPoint(2, 2));
    EXPECT_EQ(lowerDowns.count(), 1);
    EXPECT_EQ(farDowns.count(), 1);
    EXPECT_TRUE(s.Upper->ForwardTarget());
    EXPECT_TRUE(s.Lower->MayForward());
}

TEST(ShapeButton, CursorIsTheParentsOverTransparentParts)
{
    QWidget screen;
    screen.setCursor(Qt::CrossCursor);
    TShapeButton* button = MakeSquareButton(&screen);
    button->setCursor(Qt::PointingHandCursor);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->IsMouseInside());
    EXPECT_EQ(button->cursor().shape(), Qt::CrossCursor);
    HoverTo(button, QPoint(10, 10));
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    HoverTo(button, QPoint(18, 2));
    EXPECT_EQ(button->cursor().shape(), Qt::CrossCursor);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->IsMouseInside());
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
}

TEST(ShapeButton, PaintsItsFaceOverTheWallpaper)
{
    auto screen = MakeScreen(QSize(30, 30));
    TShapeButton* button = MakeSquareButton(screen.get(), QPoint(5, 5));
    QImage shot = Shot(*screen);
    // Key pixels show the wallpaper, the face shows its rings.
    EXPECT_EQ(Rgb(shot, 5 + 1, 5 + 1), Wallpaper);
    EXPECT_EQ(Rgb(shot, 5 + 17, 5 + 10), Wallpaper);
    EXPECT_EQ(Rgb(shot, 5 + 10, 5 + 10), ShapeBlue & 0xFFFFFFu);
    EXPECT_EQ(Rgb(shot, 5 + 10, 5 + 4), 0xFFFFFFu);
    EXPECT_EQ(Rgb(shot, 5 + 16, 5 + 10), 0u);

    PressLeft(button, QPoint(10, 10));
    shot = Shot(*screen);
    EXPECT_EQ(Rgb(shot, 5 + 10, 5 + 4), Grey);
    EXPECT_EQ(Rgb(shot, 5 + 16, 5 + 10), Wallpaper);
    ReleaseLeft(button, QPoint(10, 10));
}

TEST(ShapeButton, GlassShowsTheWallpaperYetTakesPresses)
{
    auto screen = MakeScreen(QSize(20, 20));
    auto* button = new TShapeButton(screen.get());
    QImage picture = RectanglePicture(QSize(20, 20), QRect(4, 4, 12, 12));
    for (int y = 8; y <= 11; ++y) {
        for (int x = 8; x <= 11; ++x) {
            picture.setPixel(x, y, 0xFF00FF00u);
        }
    }
    button->SetPicture(picture);
    button->SetSemiTransparentColor(QColor(0x00, 0xFF, 0x00));
    button->SetSemiTransparent(true);
    // The glass colour rebuilds the faces while glass is on.
    button->SetGlassColor(QColor(0xFF, 0xFF, 0x00));

    QImage shot = Shot(*screen);
    EXPECT_EQ(Rgb(shot, 8, 8), Wallpaper);
    EXPECT_EQ(Rgb(shot, 9, 8), 0xFFFF00u);
    EXPECT_EQ(Rgb(shot, 10, 8), Wallpaper);
    EXPECT_EQ(Rgb(shot, 10, 9), 0xFFFF00u);
    EXPECT_EQ(Rgb(shot, 6, 6), ShapeBlue & 0xFFFFFFu);

    // A press on a see-through pixel of the glass still presses the button.
    QSignalSpy clicks(button, &TShapeButton::clicked);
    EXPECT_FALSE(button->IsOutside(QPoint(8, 8)));
    PressLeft(button, QPoint(8, 8));
    EXPECT_TRUE(button->IsDown());
    ReleaseLeft(button, QPoint(8, 8));
    EXPECT_EQ(clicks.count(), 1);

    // Without glass the glass colour only waits for the next build: stored
    // faces stay as they are.
    button->SetSemiTransparent(false);
    EXPECT_EQ(Rgb(button->PictureUp(), 8, 8), 0x00FF00u);
    QImage stored = button->PictureUp();
    stored.setPixel(10, 10, 0xFF010203u);
    button->SetPictureUp(stored);
    button->SetGlassColor(QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(Rgb(button->PictureUp(), 10, 10), 0x010203u);
}

TEST(ShapeButton, DisabledButtonShowsTheFadedFaceAndAGreyCaption)
{
    auto screen = MakeScreen(QSize(40, 40));
    TShapeButton* button = MakeCaptionButton(screen.get(), QStringLiteral("H"));
    const QRect core(12, 12, 16, 16);

    QImage shot = Shot(*screen);
    EXPECT_GT(CountOf(shot, CaptionRed, core), 10);
    EXPECT_EQ(CountOf(shot, Grey, core), 0);
    EXPECT_EQ(CountOf(shot, 0xFFFFFF, core), 0);

    button->setEnabled(false);
    shot = Shot(*screen);
    EXPECT_EQ(CountOf(shot, CaptionRed, core), 0);
    EXPECT_GT(CountOf(shot, Grey, core), 10);
    // The face is dithered with white.
    EXPECT_EQ(Rgb(shot, 20, 7), 0xFFFFFFu);
    EXPECT_EQ(Rgb(shot, 20, 8), ShapeBlue & 0xFFFFFFu);
    // A disabled button ignores presses.
    PressLeft(button, QPoint(20, 20));
    EXPECT_FALSE(button->IsDown());

    // Without a disabled face it shows its up face, caption still grey.
    button->SetPictureDisabled(QImage());
    shot = Shot(*screen);
    EXPECT_EQ(Rgb(shot, 20, 7), ShapeBlue & 0xFFFFFFu);
    EXPECT_GT(CountOf(shot, Grey, core), 10);
    EXPECT_EQ(CountOf(shot, CaptionRed, core), 0);
}

TEST(ShapeButton, CaptionDropsATrailingBarAndMovesWhilePressed)
{
    auto plainScreen = MakeScreen(QSize(40, 40));
    MakeCaptionButton(plainScreen.get(), QStringLiteral("H"));
    auto barScreen = MakeScreen(QSize(40, 40));
    TShapeButton* bar = MakeCaptionButton(barScreen.get(), QStringLiteral("H|"));
    const QImage plain = Shot(*plainScreen);
    EXPECT_EQ(Shot(*barScreen), plain);

    const QRect core(8, 8, 24, 24);
    const QRect upText = BoundsOf(plain, CaptionRed, core);
    ASSERT_FALSE(upText.isNull());
    PressLeft(bar, QPoint(20, 20));
    const QRect downText = BoundsOf(Shot(*barScreen), CaptionRed, core);
    EXPECT_EQ(downText, upText.translated(1, 1));
    ReleaseLeft(bar, QPoint(20, 20));
    EXPECT_EQ(BoundsOf(Shot(*barScreen), CaptionRed, core), upText);

    // With no bevel the caption stays in place while pressed.
    bar->SetBevelWidth(0);
    PressLeft(bar, QPoint(20, 20));
    EXPECT_EQ(BoundsOf(Shot(*barScreen), CaptionRed, core), upText);
    ReleaseLeft(bar, QPoint(20, 20));
}

} // namespace
