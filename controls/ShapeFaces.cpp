#include "controls/ShapeFaces.h"

namespace {

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Grey = 0x808080;
constexpr QRgb Black = 0x000000;

QRgb Opaque(QRgb color)
{
    return color | 0xFF000000u;
}

bool IsKey(const QImage& image, int x, int y, QRgb key)
{
    return ShapeFaces::SameColor(image.pixel(x, y), key);
}

} // namespace

template <typename Visit> void ShapeFaces::ForEachPair(const QImage& image, Visit visit)
{
    for (int y = 1; y < image.height(); ++y) {
        for (int x = y % 2; x + 1 < image.width(); x += 2) {
            visit(x, y);
        }
    }
}

bool ShapeFaces::CanShape(const QImage& source)
{
    return !source.isNull() && source.width() >= 2 && source.height() >= 2;
}

QRgb ShapeFaces::KeyColor(const QImage& source)
{
    if (!CanShape(source)) {
        return Black;
    }
    return source.pixel(1, 1) & 0xFFFFFFu;
}

QImage ShapeFaces::RingPass(const QImage& input, QRgb key, QRgb light, QRgb dark, bool last)
{
    QImage output = input.convertToFormat(QImage::Format_RGB32);
    const QRgb lightPixel = Opaque(light);
    const QRgb darkPixel = Opaque(dark);
    // Only the input decides which pixels are key, so a ring is exactly one
    // pixel wide whatever order the pixels are visited in; where two pixels
    // claim the same neighbour, the later one in reading order wins.
    auto paint = [&](int x, int y, QRgb color) {
        if (IsKey(input, x, y, key)) {
            output.setPixel(x, y, color);
        }
    };
    for (int y = 2; y <= input.height() - 2; ++y) {
        for (int x = 2; x <= input.width() - 2; ++x) {
            if (IsKey(input, x, y, key)) {
                continue;
            }
            paint(x, y - 1, lightPixel);
            paint(x - 1, y - 1, lightPixel);
            paint(x - 1, y, lightPixel);
            if (!last) {
                paint(x + 1, y - 1, darkPixel);
                paint(x - 1, y + 1, darkPixel);
                paint(x, y + 1, darkPixel);
                paint(x + 1, y + 1, darkPixel);
                paint(x + 1, y, darkPixel);
            }
        }
    }
    return output;
}

void ShapeFaces::Glaze(QImage& face, QRgb key, QRgb glassSource, QRgb glass)
{
    const QRgb keyPixel = Opaque(key);
    const QRgb glassPixel = Opaque(glass);
    ForEachPair(face, [&](int x, int y) {
        if (SameColor(face.pixel(x, y), glassSource) &&
            SameColor(face.pixel(x + 1, y), glassSource)) {
            face.setPixel(x, y, keyPixel);
            face.setPixel(x + 1, y, glassPixel);
        }
    });
    // Whatever glass did not pair up is left fully open rather than solid,
    // so no stray pixel of the glass source colour remains visible.
    for (int y = 1; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (SameColor(face.pixel(x, y), glassSource)) {
                face.setPixel(x, y, keyPixel);
            }
        }
    }
}

QImage ShapeFaces::Faded(const QImage& up, QRgb key)
{
    QImage faded = up.convertToFormat(QImage::Format_RGB32);
    const QRgb whitePixel = Opaque(White);
    ForEachPair(faded, [&](int x, int y) {
        if (!IsKey(faded, x, y, key) && !IsKey(faded, x + 1, y, key)) {
            faded.setPixel(x + 1, y, whitePixel);
        }
    });
    return faded;
}

ShapeFaces::Faces ShapeFaces::Build(const QImage& source, const Options& options)
{
    Faces faces;
    if (!CanShape(source) || options.BevelWidth == 0) {
        return faces;
    }
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const QRgb key = KeyColor(picture);
    const bool twoRings = options.BevelWidth == 2;

    faces.Up = RingPass(picture, key, White, Grey, false);
    if (twoRings) {
        faces.Up = RingPass(faces.Up, key, White, Grey, false);
    }
    faces.Up = RingPass(faces.Up, key, Black, Black, false);

    faces.Down = RingPass(picture, key, Grey, White, false);
    if (twoRings) {
        faces.Down = RingPass(faces.Down, key, Grey, White, false);
    }
    faces.Down = RingPass(faces.Down, key, Black, Black, true);

    if (options.SemiTransparent) {
        Glaze(faces.Up, key, options.SemiTransparentColor, options.GlassColor);
        Glaze(faces.Down, key, options.SemiTransparentColor, options.GlassColor);
    }
    faces.Disabled = Faded(faces.Up, key);
    return faces;
}

QImage ShapeFaces::Masked(const QImage& face, QRgb key)
{
    if (face.isNull()) {
        return {};
    }
    QImage masked = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        for (int x = 0; x < masked.width(); ++x) {
            if (IsKey(masked, x, y, key)) {
                masked.setPixel(x, y, 0u);
            }
        }
    }
    return masked;
}
