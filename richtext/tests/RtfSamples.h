#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTextCharFormat>
#include <QTextDocument>

#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& Text, std::ostream* Out)
{
    *Out << '"' << Text.toStdString() << '"';
}

// What the RTF tests share: reading a text into a fresh document and looking
// at what arrived there, and pictures in the two forms \pict carries.
namespace RtfSamples {

struct TRead
{
    bool Complete = false;
    QString Text; // paragraphs joined with '\n'
};

// Reads Rtf with TRtfReader into Doc (96 dpi).
TRead Read(QTextDocument& Doc, const QByteArray& Rtf);

// The character format at document position Pos (of the character there).
QTextCharFormat FormatAt(const QTextDocument& Doc, int Pos);
// Position of the first occurrence of Text, or -1.
int Find(const QTextDocument& Doc, const QString& Text);

// A small test picture: left half red, right half blue.
QImage TestPicture(int Width, int Height);
// Its data as PNG, in hex as \pict writes it.
QByteArray PngHex(const QImage& Picture);
// A bottom-up 24-bit DIB (BITMAPINFOHEADER and padded rows) of Picture, in hex.
QByteArray Dib24Hex(const QImage& Picture);
// The first picture of Doc with its name; a null image when there is none.
QImage FirstPicture(const QTextDocument& Doc, QString* Name = nullptr);

} // namespace RtfSamples
