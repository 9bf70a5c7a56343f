#include "controls/ShapeFaces.h"
#include "controls/tests/ControlPictures.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Grey = 0x808080;
constexpr QRgb Black = 0x000000;
constexpr QRgb Key = KeyMagenta & 0xFFFFFFu;
constexpr QRgb Blue = ShapeBlue & 0xFFFFFFu;

// A 20 x 20 picture with the shape at columns and rows 6..13.
QImage SquareSource()
{
    return RectanglePicture(QSize(20, 20), QRect(6, 6, 8, 8));
}

ShapeFaces::Faces BuildWith(int bevelWidth)
{
    ShapeFaces::Options options;
    options.BevelWidth = bevelWidth;
    return ShapeFaces::Build(SquareSource(), options);
}

TEST(ShapeFaces, KeyColorIsThePixelAtOneOne)
{
    QImage picture = SquareSource();
    EXPECT_EQ(ShapeFaces::KeyColor(picture), Key);
    picture.setPixel(1, 1, 0xFF123456);
    EXPECT_EQ(ShapeFaces::KeyColor(picture), 0x123456u);
    EXPECT_FALSE(ShapeFaces::CanShape(QImage()));
    EXPECT_FALSE(ShapeFaces::CanShape(QImage(1, 5, QImage::Format_RGB32)));
}

TEST(ShapeFaces, UpFaceIsLitFromTheUpperLeftAndOutlinedAllRound)
{
    const QImage up = BuildWith(2).Up;
    ASSERT_EQ(up.size(), QSize(20, 20));
    // The shape itself stays as it was.
    EXPECT_EQ(Rgb(up, 6, 6), Blue);
    EXPECT_EQ(Rgb(up, 13, 13), Blue);
    // Two white rings above and to the left, two grey ones below and right.
    EXPECT_EQ(Rgb(up, 10, 5), White);
    EXPECT_EQ(Rgb(up, 10, 4), White);
    EXPECT_EQ(Rgb(up, 5, 10), White);
    EXPECT_EQ(Rgb(up, 4, 10), White);
    EXPECT_EQ(Rgb(up, 5, 5), White);
    EXPECT_EQ(Rgb(up, 14, 10), Grey);
    EXPECT_EQ(Rgb(up, 15, 10), Grey);
    EXPECT_EQ(Rgb(up, 10, 14), Grey);
    EXPECT_EQ(Rgb(up, 10, 15), Grey);
    EXPECT_EQ(Rgb(up, 14, 14), Grey);
    // The corners that lie diagonally upper right and lower left are shade.
    EXPECT_EQ(Rgb(up, 14, 5), Grey);
    EXPECT_EQ(Rgb(up, 5, 14), Grey);
    // A black outline on every side, then the key colour again.
    EXPECT_EQ(Rgb(up, 10, 3), Black);
    EXPECT_EQ(Rgb(up, 3, 10), Black);
    EXPECT_EQ(Rgb(up, 16, 10), Black);
    EXPECT_EQ(Rgb(up, 10, 16), Black);
    EXPECT_EQ(Rgb(up, 16, 16), Black);
    EXPECT_EQ(Rgb(up, 10, 2), Key);
    EXPECT_EQ(Rgb(up, 2, 10), Key);
    EXPECT_EQ(Rgb(up, 17, 10), Key);
    EXPECT_EQ(Rgb(up, 10, 17), Key);
    EXPECT_EQ(Rgb(up, 1, 1), Key);
}

TEST(ShapeFaces, DownFaceIsShadedFromTheUpperLeftAndOutlinedThereOnly)
{
    const QImage down = BuildWith(2).Down;
    EXPECT_EQ(Rgb(down, 10, 5), Grey);
    EXPECT_EQ(Rgb(down, 10, 4), Grey);
    EXPECT_EQ(Rgb(down, 5, 10), Grey);
    EXPECT_EQ(Rgb(down, 14, 10), White);
    EXPECT_EQ(Rgb(down, 15, 10), White);
    EXPECT_EQ(Rgb(down, 10, 15), White);
    EXPECT_EQ(Rgb(down, 10, 3), Black);
    EXPECT_EQ(Rgb(down, 3, 10), Black);
    EXPECT_EQ(Rgb(down, 3, 3), Black);
    EXPECT_EQ(Rgb(down, 15, 3), Black);
    EXPECT_EQ(Rgb(down, 3, 15), Black);
    // No outline below and to the right.
    EXPECT_EQ(Rgb(down, 16, 10), Key);
    EXPECT_EQ(Rgb(down, 10, 16), Key);
    EXPECT_EQ(Rgb(down, 16, 16), Key);
}

TEST(ShapeFaces, BevelWidthDecidesTheRings)
{
    const ShapeFaces::Faces one = BuildWith(1);
    EXPECT_EQ(Rgb(one.Up, 10, 5), White);
    EXPECT_EQ(Rgb(one.Up, 10, 4), Black);
    EXPECT_EQ(Rgb(one.Up, 10, 3), Key);
    EXPECT_EQ(Rgb(one.Up, 15, 10), Black);
    EXPECT_EQ(Rgb(one.Down, 4, 10), Black);
    EXPECT_EQ(Rgb(one.Down, 15, 10), Key);

    const ShapeFaces::Faces none = BuildWith(0);
    EXPECT_TRUE(none.Up.isNull());
    EXPECT_TRUE(none.Down.isNull());
    EXPECT_TRUE(none.Disabled.isNull());
}

TEST(ShapeFaces, ARingIsOnePixelWideEvenNextToTheEdge)
{
    // A shape touching the inner frame: rings grow up to the picture's
    // border but never past it, and the pass leaves row and column 0 alone
    // apart from what the pixels at 1 and 2 colour.
    const QImage source = RectanglePicture(QSize(8, 8), QRect(2, 2, 4, 4));
    const QImage ring = ShapeFaces::RingPass(source, Key, White, Grey, false);
    EXPECT_EQ(Rgb(ring, 1, 1), White);
    EXPECT_EQ(Rgb(ring, 6, 6), Grey);
    EXPECT_EQ(Rgb(ring, 0, 3), Key);
    EXPECT_EQ(Rgb(ring, 7, 3), Key);
    const QImage last = ShapeFaces::RingPass(source, Key, Black, Black, true);
    EXPECT_EQ(Rgb(last, 1, 3), Black);
    EXPECT_EQ(Rgb(last, 6, 3), Key);
    EXPECT_EQ(Rgb(last, 3, 6), Key);
}

TEST(ShapeFaces, GlassBecomesACheckerboardOfKeyAndGlassColour)
{
    constexpr QRgb Green = 0x00FF00;
    QImage source = RectanglePicture(QSize(20, 20), QRect(4, 4, 12, 12));
    for (int y = 8; y <= 11; ++y) {
        for (int x = 8; x <= 11; ++x) {
            source.setPixel(x, y, 0xFF000000u | Green);
        }
    }
    ShapeFaces::Options options;
    options.SemiTransparent = true;
    options.SemiTransparentColor = Green;
    options.GlassColor = 0xFFFF00;
    const ShapeFaces::Faces faces = ShapeFaces::Build(source, options);
    for (const QImage* face : {&faces.Up, &faces.Down}) {
        // Even row: pairs start at even columns.
        EXPECT_EQ(Rgb(*face, 8, 8), Key);
        EXPECT_EQ(Rgb(*face, 9, 8), 0xFFFF00u);
        EXPECT_EQ(Rgb(*face, 10, 8), Key);
        EXPECT_EQ(Rgb(*face, 11, 8), 0xFFFF00u);
        // Odd row: pairs start at odd columns; unpaired glass is left open.
        EXPECT_EQ(Rgb(*face, 8, 9), Key);
        EXPECT_EQ(Rgb(*face, 9, 9), Key);
        EXPECT_EQ(Rgb(*face, 10, 9), 0xFFFF00u);
        EXPECT_EQ(Rgb(*face, 11, 9), Key);
        EXPECT_EQ(CountOf(*face, Green, face->rect()), 0);
        // The rest of the shape keeps its colour.
        EXPECT_EQ(Rgb(*face, 6, 6), Blue);
    }
}

TEST(ShapeFaces, DisabledFaceFadesEveryOtherPixelOfTheShape)
{
    const ShapeFaces::Faces faces = BuildWith(2);
    const QImage& faded = faces.Disabled;
    ASSERT_EQ(faded.size(), faces.Up.size());
    // Deep inside the shape every pixel with an odd coordinate sum is white,
    // the others keep the up face's colour.
    for (int y = 6; y <= 13; ++y) {
        for (int x = 6; x <= 13; ++x) {
            const QRgb expected = (x + y) % 2 == 1 ? White : Rgb(faces.Up, x, y);
            EXPECT_EQ(Rgb(faded, x, y), expected) << x << "," << y;
        }
    }
    // A pair that reaches into the key colour stays as it was.
    EXPECT_EQ(Rgb(faded, 3, 10), Black);
    EXPECT_EQ(Rgb(faded, 16, 10), Black);
    EXPECT_EQ(Rgb(faded, 16, 11), White);
    EXPECT_EQ(Rgb(faded, 2, 10), Key);
    EXPECT_EQ(Rgb(faded, 17, 11), Key);
}

} // namespace
