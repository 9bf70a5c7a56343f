#include "controls/MenuArt.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const TMotif AllMotifs[] = {
    TMotif::Musicians,   TMotif::Singer,     TMotif::Band,        TMotif::Portrait,
    TMotif::Guitar,      TMotif::Frame,      TMotif::Speaker,     TMotif::Question,
    TMotif::OpenBook,    TMotif::Podium,     TMotif::Trophy,      TMotif::Chart,
    TMotif::RecordShelf, TMotif::Gear,       TMotif::AddressBook, TMotif::Door,
    TMotif::Chili,       TMotif::TuningFork, TMotif::Minimise,    TMotif::Back,
    TMotif::Masks,       TMotif::TopHat,     TMotif::SongSheet,   TMotif::Chapel,
    TMotif::Anchor,      TMotif::Cover,      TMotif::Studio,      TMotif::Record,
    TMotif::Factory,     TMotif::Metronome,  TMotif::Dictionary,  TMotif::FilmReel,
    TMotif::Notes,       TMotif::Speech,     TMotif::Drum,        TMotif::Gramophone,
};

bool IsKey(const QImage& Image, int X, int Y)
{
    return (Image.pixel(X, Y) & 0xFFFFFFu) == (MenuArt::KeyColor & 0xFFFFFFu);
}

// The share of pixels that are not the key colour.
double Covered(const QImage& Image)
{
    int covered = 0;
    for (int y = 0; y < Image.height(); ++y) {
        for (int x = 0; x < Image.width(); ++x) {
            covered += IsKey(Image, x, y) ? 0 : 1;
        }
    }
    return double(covered) / (Image.width() * Image.height());
}

// A shaped button grows three rings around its shape; they must fit.
void ExpectFreeMargin(const QImage& Image, int Margin)
{
    for (int y = 0; y < Image.height(); ++y) {
        for (int x = 0; x < Image.width(); ++x) {
            if (x < Margin || y < Margin || x >= Image.width() - Margin ||
                y >= Image.height() - Margin) {
                ASSERT_TRUE(IsKey(Image, x, y)) << x << "," << y;
            }
        }
    }
}

} // namespace

TEST(MenuArt, EveryMotifMakesAPictureWithRoomForTheBevel)
{
    for (const TMotif motif : AllMotifs) {
        SCOPED_TRACE(static_cast<int>(motif));
        const QImage object = MenuArt::ObjectPicture(motif, QSize(120, 110));
        EXPECT_EQ(object.size(), QSize(120, 110));
        EXPECT_TRUE(IsKey(object, 1, 1));
        ExpectFreeMargin(object, 4);
        // A motif fills a fair part of its box.
        EXPECT_GT(Covered(object), 0.08);
    }
}

TEST(MenuArt, PlatesAndTilesAreSolidButtons)
{
    for (const QImage& picture :
         {MenuArt::PlatePicture(TMotif::Guitar, QSize(206, 54), QStringLiteral("Instrumente"),
                                QColor(0x98, 0xC0, 0xF0)),
          MenuArt::TilePicture(TMotif::Drum, QSize(160, 138),
                               QStringLiteral("Spezielle Instrumente"),
                               QColor(0xF0, 0xA8, 0x60))}) {
        ExpectFreeMargin(picture, 4);
        // Inside the margin there is no hole a click could fall through,
        // but for the rounded corners.
        const QRect inner = picture.rect().adjusted(16, 16, -16, -16);
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            for (int x = inner.left(); x <= inner.right(); ++x) {
                ASSERT_FALSE(IsKey(picture, x, y)) << x << "," << y;
            }
        }
    }
}

TEST(MenuArt, KeyedKeepsDrawnPixelsOffTheKeyColour)
{
    QImage drawing(4, 1, QImage::Format_ARGB32);
    drawing.setPixel(0, 0, qRgba(0xFF, 0x00, 0xFF, 0xFF)); // drawn in the key colour
    drawing.setPixel(1, 0, qRgba(0x10, 0x20, 0x30, 0xFF));
    drawing.setPixel(2, 0, qRgba(0x10, 0x20, 0x30, 0x40)); // a faint edge
    drawing.setPixel(3, 0, qRgba(0, 0, 0, 0));
    const QImage keyed = MenuArt::Keyed(drawing);
    EXPECT_FALSE(IsKey(keyed, 0, 0));
    EXPECT_EQ(keyed.pixel(1, 0) & 0xFFFFFFu, 0x102030u);
    EXPECT_TRUE(IsKey(keyed, 2, 0));
    EXPECT_TRUE(IsKey(keyed, 3, 0));
}
