#include "richtext/RtfPicture.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdint>

namespace {

std::uint32_t ReadU32(const QByteArray& Data, qsizetype Pos)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(Data.at(Pos + i));
    return value;
}

std::uint16_t ReadU16(const QByteArray& Data, qsizetype Pos)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(Data.at(Pos)) |
                                      (static_cast<unsigned char>(Data.at(Pos + 1)) << 8));
}

void AppendU32(QByteArray& Data, std::uint32_t Value)
{
    for (int i = 0; i < 4; ++i)
        Data.append(static_cast<char>((Value >> (8 * i)) & 0xFFu));
}

bool SideOk(long long Side)
{
    return Side > 0 && Side <= TRtfPicture::MaxSide;
}

QImage ReadWithLimits(const QByteArray& Data, const char* Format)
{
    QBuffer buffer;
    buffer.setData(Data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, Format);
    const QSize size = reader.size();
    if (size.isValid() && (!SideOk(size.width()) || !SideOk(size.height())))
        return QImage();
    return reader.read();
}

} // namespace

void TRtfPicture::AddHexDigit(char Digit)
{
    int value = -1;
    if (Digit >= '0' && Digit <= '9')
        value = Digit - '0';
    else if (Digit >= 'a' && Digit <= 'f')
        value = Digit - 'a' + 10;
    else if (Digit >= 'A' && Digit <= 'F')
        value = Digit - 'A' + 10;
    if (value < 0)
        return;
    if (FHighNibble < 0) {
        FHighNibble = value;
        return;
    }
    Data.append(static_cast<char>((FHighNibble << 4) | value));
    FHighNibble = -1;
}

QImage TRtfPicture::Decode() const
{
    switch (Kind) {
    case TKind::Png:
        return ReadWithLimits(Data, "PNG");
    case TKind::Jpeg:
        return ReadWithLimits(Data, "JPEG");
    case TKind::Dib:
        return DecodeDib(Data);
    case TKind::DeviceBitmap:
        // Writers put DIBs behind \wbitmap as well; their header tells them apart.
        if (Data.size() >= 40 && ReadU32(Data, 0) == 40)
            return DecodeDib(Data);
        return DecodeDeviceBitmap();
    case TKind::Unknown:
        break;
    }
    return QImage();
}

QImage TRtfPicture::DecodeDib(const QByteArray& Dib) const
{
    // A DIB is a BMP file without its 14-byte file header; Qt reads BMP
    // files, so the header is put in front. Its only real content is where
    // the pixels start: after the info header, the colour masks and the
    // palette.
    if (Dib.size() < 16)
        return QImage();
    const std::uint32_t headerSize = ReadU32(Dib, 0);
    if (headerSize < 40 || headerSize > 124 || Dib.size() < static_cast<qsizetype>(headerSize))
        return QImage();
    const auto width = static_cast<std::int32_t>(ReadU32(Dib, 4));
    const auto height = static_cast<std::int32_t>(ReadU32(Dib, 8));
    if (!SideOk(width) || !SideOk(std::abs(static_cast<long long>(height))))
        return QImage();
    const std::uint16_t bitCount = ReadU16(Dib, 14);
    const std::uint32_t compression = ReadU32(Dib, 16);
    std::uint32_t colours = ReadU32(Dib, 32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    if (colours > 256)
        return QImage();
    std::uint32_t masks = 0;
    if (headerSize == 40 && (compression == 3 || compression == 6))
        masks = compression == 3 ? 12 : 16;
    const std::uint32_t offset = 14 + headerSize + masks + 4 * colours;

    QByteArray file("BM");
    AppendU32(file, static_cast<std::uint32_t>(14 + Dib.size()));
    AppendU32(file, 0);
    AppendU32(file, offset);
    file.append(Dib);
    return ReadWithLimits(file, "BMP");
}

QImage TRtfPicture::DecodeDeviceBitmap() const
{
    // Raw rows, top row first, each WidthBytes long.
    if (!SideOk(Width) || !SideOk(Height))
        return QImage();
    const int rowBits = Width * BitsPerPixel;
    const int minRow = (rowBits + 7) / 8;
    const int stride = WidthBytes > 0 ? WidthBytes : (minRow + 1) / 2 * 2;
    if (stride < minRow || static_cast<qsizetype>(stride) * Height > Data.size())
        return QImage();
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(Data.constData()) +
                          static_cast<qsizetype>(y) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            switch (BitsPerPixel) {
            case 1:
                // Set bits are the background (white) of a monochrome bitmap.
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                break;
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32:
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            default:
                return QImage();
            }
        }
    }
    return image;
}

QSize TRtfPicture::DisplaySize(const QImage& Image, double Dpi) const
{
    // Goal sizes are in twips; without them the bitmap keeps its pixels.
    const auto scaled = [Dpi](int Twips, int Scale) {
        return Twips * std::clamp(Scale, 1, 1000) / 100.0 * Dpi / 1440.0;
    };
    double width = GoalWidthTwips > 0 ? scaled(GoalWidthTwips, ScaleX)
                                      : Image.width() * std::clamp(ScaleX, 1, 1000) / 100.0;
    double height = GoalHeightTwips > 0 ? scaled(GoalHeightTwips, ScaleY)
                                        : Image.height() * std::clamp(ScaleY, 1, 1000) / 100.0;
    width = std::clamp(width, 1.0, 4000.0);
    height = std::clamp(height, 1.0, 4000.0);
    return QSize(static_cast<int>(width + 0.5), static_cast<int>(height + 0.5));
}
