#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// One \pict group of an RTF text: its kind, its measures and its data, and
// the image made of them. Only bitmap kinds are shown; metafiles are not
// (the stored texts never hold them, and a reader for them would be a
// program of its own).
class TRtfPicture
{
public:
    enum class TKind { Unknown, Png, Jpeg, Dib, DeviceBitmap };

    // Pictures larger than this (per side) are not decoded: a hostile header
    // must not make us allocate gigabytes.
    static constexpr int MaxSide = 8192;

    TKind Kind = TKind::Unknown;
    int Width = 0;           // \picw: pixels of a bitmap
    int Height = 0;          // \pich
    int GoalWidthTwips = 0;  // \picwgoal
    int GoalHeightTwips = 0; // \pichgoal
    int ScaleX = 100;        // \picscalex, per cent
    int ScaleY = 100;
    int BitsPerPixel = 0; // \wbmbitspixel
    int WidthBytes = 0;   // \wbmwidthbytes
    QByteArray Data;

    // Adds one hex digit of the picture data (anything else is ignored).
    void AddHexDigit(char Digit);

    // The decoded image, or a null image when the data is no picture we read.
    QImage Decode() const;
    // The size the picture is shown at, in pixels at Dpi: the goal size
    // scaled, or the image's own size.
    QSize DisplaySize(const QImage& Image, double Dpi) const;

private:
    QImage DecodeDib(const QByteArray& Dib) const;
    QImage DecodeDeviceBitmap() const;

    int FHighNibble = -1;
};
