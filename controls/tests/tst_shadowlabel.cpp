#include "controls/ShLabel.h"
#include "controls/tests/ControlPictures.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb TextRed = 0xFF0000;
constexpr QRgb ShadowBlue = 0x0000FF;

QFont CrispFont()
{
    QFont font;
    font.setPixelSize(24);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A label on a white ground, sized generously so no shadow is cut off.
struct LabelScreen
{
    QWidget Screen;
    TShadowLabel* Label = new TShadowLabel(QStringLiteral("Ton"), &Screen);

    LabelScreen()
    {
        Screen.resize(100, 50);
        QPalette colors = Screen.palette();
        colors.setColor(QPalette::Window, Qt::white);
        Screen.setPalette(colors);
        Screen.setAutoFillBackground(true);
        Label->setGeometry(0, 0, 100, 50);
        Label->setAlignment(Qt::AlignCenter);
        Label->setFont(CrispFont());
        Label->SetFontColor(QColor::fromRgb(TextRed));
        Label->SetSLSLShadowColor(QColor::fromRgb(ShadowBlue));
        Label->SetSLSLShadowSize(3);
    }

    QImage Shot() { return Screen.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST(ShadowLabel, DefaultsToAGreyShadowTwoPixelsLowerRight)
{
    TShadowLabel label;
    EXPECT_EQ(label.SLSLShadowSize(), 2);
    EXPECT_EQ(label.SLSLShadowColor(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(label.SLSLTextStyle(), tsLowerRight);
    EXPECT_EQ(label.ShadowOffset(), QPoint(2, 2));
}

TEST(ShadowLabel, ShadowFallsOnTheSideOfItsStyle)
{
    LabelScreen s;
    s.Label->SetSLSLTextStyle(tsNone);
    const QImage plain = s.Shot();
    const QRect text = BoundsOf(plain, TextRed, plain.rect());
    ASSERT_FALSE(text.isNull());
    EXPECT_EQ(CountOf(plain, ShadowBlue, plain.rect()), 0);

    struct Case
    {
        TSLTextStyle Style;
        QPoint Offset;
    };
    for (const Case& c : {Case{tsUpperLeft, QPoint(-3, -3)}, Case{tsUpperRight, QPoint(3, -3)},
                          Case{tsLowerLeft, QPoint(-3, 3)}, Case{tsLowerRight, QPoint(3, 3)}}) {
        s.Label->SetSLSLTextStyle(c.Style);
        const QImage shot = s.Shot();
        // The text stays where it was; the shadow sticks out by the offset
        // on its side only.
        EXPECT_EQ(BoundsOf(shot, TextRed, shot.rect()), text) << c.Style;
        const QRect shadow = BoundsOf(shot, ShadowBlue, shot.rect());
        ASSERT_FALSE(shadow.isNull()) << c.Style;
        EXPECT_EQ(shadow.united(text), text.united(text.translated(c.Offset))) << c.Style;
    }
}

TEST(ShadowLabel, ShadowSizeAndColourApply)
{
    LabelScreen s;
    s.Label->SetSLSLTextStyle(tsLowerRight);
    s.Label->SetSLSLShadowSize(6);
    s.Label->SetSLSLShadowColor(QColor(0x00, 0x80, 0x00));
    const QImage shot = s.Shot();
    const QRect text = BoundsOf(shot, TextRed, shot.rect());
    EXPECT_EQ(CountOf(shot, ShadowBlue, shot.rect()), 0);
    const QRect shadow = BoundsOf(shot, 0x008000, shot.rect());
    EXPECT_EQ(shadow.bottomRight(), text.bottomRight() + QPoint(6, 6));
}

TEST(ShadowLabel, AmpersandMarksTheAcceleratorAsOnAPlainLabel)
{
    LabelScreen s;
    s.Label->SetSLSLTextStyle(tsNone);
    const QImage plain = s.Shot();
    const QRect text = BoundsOf(plain, TextRed, plain.rect());
    s.Label->setText(QStringLiteral("&Ton"));
    const QImage marked = s.Shot();
    const QRect markedText = BoundsOf(marked, TextRed, marked.rect());
    // No "&" is drawn (it would be wider than the kerning can account for),
    // but the accelerator is underlined below the baseline.
    EXPECT_NEAR(markedText.width(), text.width(), 3);
    const QRect belowBaseline(0, text.bottom() + 1, plain.width(),
                              plain.height() - text.bottom() - 1);
    EXPECT_EQ(CountOf(plain, TextRed, belowBaseline), 0);
    EXPECT_GT(CountOf(marked, TextRed, belowBaseline), 0);
}

TEST(ShadowLabel, SizeHintMakesRoomForTheShadow)
{
    TShadowLabel label(QStringLiteral("Ton"));
    label.SetSLSLTextStyle(tsNone);
    const QSize bare = label.sizeHint();
    label.SetSLSLTextStyle(tsUpperLeft);
    label.SetSLSLShadowSize(4);
    EXPECT_EQ(label.sizeHint(), bare + QSize(4, 4));
}

} // namespace
