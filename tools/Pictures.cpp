#include "tools/Pictures.h"

#include "tools/BuildError.h"

#include <QBuffer>
#include <QColor>
#include <QImageReader>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// A colour ramp through the given stops (position 0..1, colour), as a
// 256-entry colour table.
struct Stop
{
    double At;
    double R, G, B;
};

QList<QRgb> Ramp(const std::vector<Stop>& stops)
{
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i) {
        const double x = i / 255.0;
        std::size_t k = 1;
        while (k + 1 < stops.size() && stops[k].At < x)
            ++k;
        const Stop& a = stops[k - 1];
        const Stop& b = stops[k];
        const double t = std::clamp((x - a.At) / std::max(1e-9, b.At - a.At), 0.0, 1.0);
        const auto mix = [t](double u, double v) {
            return static_cast<int>(std::lround((u + (v - u) * t) * 255.0));
        };
        table.append(qRgb(mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B)));
    }
    return table;
}

// HSL (h in degrees, s and l in 0..1) to a ramp stop.
Stop Hsl(double at, double h, double s, double l)
{
    const QColor c = QColor::fromHslF(static_cast<float>(std::fmod(h + 360.0, 360.0) / 360.0),
                                      static_cast<float>(s), static_cast<float>(l));
    return Stop{at, c.redF(), c.greenF(), c.blueF()};
}

// A deterministic pseudo-random value in [0, 1) for a pixel.
double Noise(unsigned seed, int x, int y)
{
    unsigned h =
        seed ^ (static_cast<unsigned>(x) * 0x9E3779B1u) ^ (static_cast<unsigned>(y) * 0x85EBCA77u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFFu) / 16777216.0;
}

// Fills an 8-bit image from an intensity field (0..1 → colour index).
template <typename Field>
QImage Render(int width, int height, const QList<QRgb>& palette, Field field)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const double v = std::clamp(field(x, y), 0.0, 1.0);
            line[x] = static_cast<uchar>(std::lround(v * 255.0));
        }
    }
    return image;
}

QImage PatternPicture(int width, int height, unsigned seed, double hue)
{
    const QList<QRgb> palette =
        Ramp({Hsl(0.0, hue, 0.35, 0.08), Hsl(0.45, hue, 0.35, 0.30), Hsl(0.8, hue + 20, 0.30, 0.62),
              Hsl(1.0, hue + 35, 0.25, 0.90)});
    const double cx = width * (0.3 + 0.4 * Noise(seed, 1, 2));
    const double cy = height * (0.3 + 0.4 * Noise(seed, 3, 4));
    const double ring = 9.0 + 10.0 * Noise(seed, 5, 6);
    const double angle = 2.0 * Pi * Noise(seed, 7, 8);
    const double diag = std::hypot(width, height);
    return Render(width, height, palette, [&](int x, int y) {
        const double u = (x * std::cos(angle) + y * std::sin(angle)) / diag;
        double v = 0.30 + 0.22 * u;
        const double r = std::hypot(x - cx, y - cy);
        v += 0.07 * std::cos(2.0 * Pi * r / ring) * std::exp(-r / (0.6 * diag));
        v += 0.10 * std::exp(-(r * r) / (2.0 * (0.18 * diag) * (0.18 * diag)));
        const int edge = std::min(std::min(x, y), std::min(width - 1 - x, height - 1 - y));
        if (edge == 3 || edge == 4)
            v += 0.25; // a thin light frame
        v += 0.015 * (Noise(seed, x, y) - 0.5);
        return v;
    });
}

QImage WallpaperPicture(unsigned seed, double hue)
{
    constexpr int size = 100;
    const QList<QRgb> palette = Ramp(
        {Hsl(0.0, hue, 0.30, 0.05), Hsl(0.5, hue, 0.28, 0.16), Hsl(1.0, hue + 15, 0.25, 0.34)});
    const double phase = 2.0 * Pi * Noise(seed, 11, 12);
    return Render(size, size, palette, [&](int x, int y) {
        // Every term has a period that divides 100, so the tile is seamless.
        const double a = 2.0 * Pi * x / size;
        const double b = 2.0 * Pi * y / size;
        double v = 0.42;
        v += 0.10 * std::sin(2.0 * (a + b) + phase);
        v += 0.07 * std::sin(3.0 * a + phase) * std::sin(2.0 * b);
        v += 0.05 * std::cos(5.0 * (a - b));
        v += 0.04 * (Noise(seed, x, y) - 0.5);
        return v;
    });
}

QImage IntroPicture(double hue)
{
    constexpr int width = 640;
    constexpr int height = 480;
    const QList<QRgb> palette =
        Ramp({Hsl(0.0, hue, 0.45, 0.03), Hsl(0.35, hue, 0.45, 0.16), Hsl(0.6, hue - 25, 0.45, 0.36),
              Hsl(0.85, hue - 175, 0.55, 0.62), Hsl(1.0, hue - 180, 0.70, 0.86)});
    // Five staff lines that swing across the picture, and notes on them.
    const auto staffY = [](double x, int k) {
        return 262.0 + (k - 2) * 13.0 + 38.0 * std::sin(2.0 * Pi * x / 900.0 + 0.9) +
               10.0 * std::sin(2.0 * Pi * x / 260.0);
    };
    struct Note
    {
        double X, Y;
    };
    std::vector<Note> notes;
    for (int i = 0; i < 13; ++i) {
        const double x = 52.0 + i * 44.0 + 10.0 * Noise(77, i, 1);
        const int step = static_cast<int>(Noise(77, i, 2) * 9.0); // line or space
        notes.push_back({x, staffY(x, 0) + step * 6.5 - 6.5});
    }
    return Render(width, height, palette, [&](int x, int y) {
        const double dx = x - 320.0;
        const double dy = y - 250.0;
        double v = 0.10 + 0.30 * std::exp(-(dx * dx + dy * dy) / (2.0 * 230.0 * 230.0));
        for (int k = 0; k < 5; ++k) {
            const double d = std::abs(y - staffY(x, k));
            v += 0.30 * std::exp(-(d * d) / 1.6);
        }
        for (const Note& n : notes) {
            // An oval head, tilted, with a stem up from its right side.
            const double ux = x - n.X;
            const double uy = y - n.Y;
            const double c = std::cos(-0.35);
            const double s = std::sin(-0.35);
            const double ex = (ux * c - uy * s) / 7.5;
            const double ey = (ux * s + uy * c) / 5.2;
            const double e = ex * ex + ey * ey;
            if (e < 1.4)
                v = std::max(v, 0.55 + 0.40 * std::clamp((1.4 - e) / 0.4, 0.0, 1.0));
            if (ux >= 5.5 && ux <= 7.5 && uy <= 0 && uy >= -40.0)
                v = std::max(v, 0.85);
        }
        v += 0.02 * (Noise(5, x, y) - 0.5);
        if (Noise(9, x, y) > 0.9993)
            v = std::max(v, 0.7); // a few faint stars
        return v;
    });
}

} // namespace

std::vector<char> EncodeBmp(const QImage& Image)
{
    // Qt writes 8-bit rows straight from the image's scan lines, including the
    // bytes that pad a row to a multiple of four; zero them so that the file
    // does not depend on what the memory held.
    QImage copy = Image;
    if (copy.format() == QImage::Format_Indexed8 && copy.bytesPerLine() > copy.width())
        for (int y = 0; y < copy.height(); ++y) {
            uchar* line = copy.scanLine(y);
            std::fill(line + copy.width(), line + copy.bytesPerLine(), uchar{0});
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!copy.save(&buffer, "BMP"))
        throw TBuildError("cannot encode a BMP picture");
    return std::vector<char>(bytes.begin(), bytes.end());
}

QImage ToIndexed256(const QImage& Image)
{
    QImage indexed =
        Image.format() == QImage::Format_Indexed8
            ? Image
            : Image.convertToFormat(QImage::Format_RGB32)
                  .convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither | Qt::PreferDither);
    QList<QRgb> table = indexed.colorTable();
    while (table.size() < 256)
        table.append(qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return indexed;
}

QImage ToCataloguePicture(const QImage& Image)
{
    if (Image.format() == QImage::Format_Indexed8 && Image.colorCount() <= 256 &&
        !Image.hasAlphaChannel())
        return ToIndexed256(Image);
    QImage flat(Image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, Image);
    }
    flat.setDotsPerMeterX(Image.dotsPerMeterX());
    flat.setDotsPerMeterY(Image.dotsPerMeterY());
    return flat.convertToFormat(QImage::Format_RGB888);
}

QImage LoadPictureFile(const std::string& Path, const std::string& ShownPath,
                       const std::string& File, int Line)
{
    QImageReader reader(QString::fromStdString(Path));
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        throw TBuildError(File, Line,
                          "cannot read the picture " + ShownPath + ": " +
                              reader.errorString().toStdString());
    return image;
}

QImage GeneratePicture(const TGeneratorRecipe& Recipe, const std::string& File, int Line)
{
    CheckOptions(Recipe, {"kind", "width", "height", "seed", "hue"}, File, Line);
    if (!Recipe.Words.empty())
        throw TBuildError(File, Line,
                          "gen: unexpected word \"" + Recipe.Words.front() +
                              "\" (write options as key=value)");
    const std::string kind = TextOption(Recipe, "kind", "pattern");
    const unsigned seed = SeedHash(TextOption(Recipe, "seed", ""));
    if (kind == "pattern") {
        const int width = IntOption(Recipe, "width", 200, 16, 1024, File, Line);
        const int height = IntOption(Recipe, "height", 200, 16, 1024, File, Line);
        const int hue = IntOption(Recipe, "hue", static_cast<int>(seed % 360u), 0, 359, File, Line);
        return PatternPicture(width, height, seed, hue);
    }
    if (kind != "pattern" && (Recipe.Options.count("width") || Recipe.Options.count("height")))
        throw TBuildError(File, Line,
                          "gen: kind=" + kind + " has a fixed size; leave out width and height");
    if (kind == "wallpaper") {
        const int hue = IntOption(Recipe, "hue", 220, 0, 359, File, Line);
        return WallpaperPicture(seed, hue);
    }
    if (kind == "intro") {
        const int hue = IntOption(Recipe, "hue", 230, 0, 359, File, Line);
        return IntroPicture(hue);
    }
    throw TBuildError(File, Line,
                      "gen: unknown kind \"" + kind + "\" (known: pattern, intro, wallpaper)");
}
