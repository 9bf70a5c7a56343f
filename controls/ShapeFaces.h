#pragma once

#include <QImage>
#include <QRgb>

// The image work behind a shaped button: every face of the button is grown
// from one source picture whose pixel at (1,1) holds the key colour, the
// colour that stands for "no button here". Kept apart from the widget so the
// faces can be built and checked without any window.
class ShapeFaces
{
public:
    // What shapes the faces; the defaults are those of a new button.
    struct Options
    {
        int BevelWidth = 2;
        bool SemiTransparent = false;
        QRgb SemiTransparentColor = 0x000000;
        QRgb GlassColor = 0xFFFFFF;
    };

    struct Faces
    {
        QImage Up;
        QImage Down;
        QImage Disabled;
    };

    // Colours are compared without their alpha channel: the pictures are
    // opaque, and a key read from one image format must match another's.
    static bool SameColor(QRgb a, QRgb b) { return (a & 0xFFFFFFu) == (b & 0xFFFFFFu); }

    // The key colour of a picture, or 0 (black) when it has no pixel (1,1).
    static QRgb KeyColor(const QImage& source);

    // Whether a picture is big enough to carry a key colour and a shape.
    static bool CanShape(const QImage& source);

    // One bevel ring around every non-key pixel of Input: the neighbours above,
    // upper-left and left that are still key become Light; the other five
    // become Dark unless this is the last ring, which outlines only the upper
    // and left sides.
    static QImage RingPass(const QImage& input, QRgb key, QRgb light, QRgb dark, bool last);

    // Turns the areas of GlassSource into a checkerboard of key colour and
    // Glass, so the wallpaper shows through every other pixel.
    static void Glaze(QImage& face, QRgb key, QRgb glassSource, QRgb glass);

    // The dithered, faded copy of a face shown by a disabled button.
    static QImage Faded(const QImage& up, QRgb key);

    // The up, down and disabled faces; all empty when the source cannot carry
    // a shape or the bevel width is 0.
    static Faces Build(const QImage& source, const Options& options);

    // The face as an image whose key-colour pixels are fully transparent, ready
    // to be drawn over the parent's painting.
    static QImage Masked(const QImage& face, QRgb key);

private:
    // Calls visit(x, y) for the left pixel of each pair that the glass and the
    // fading work on: from row 1 on, pairs start at even columns in even rows
    // and at odd columns in odd rows.
    template <typename Visit> static void ForEachPair(const QImage& image, Visit visit);
};
