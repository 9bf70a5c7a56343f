#include "richtext/tests/RtfSamples.h"

#include "richtext/RtfReader.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextImageFormat>

namespace RtfSamples {

TRead Read(QTextDocument& Doc, const QByteArray& Rtf)
{
    TRtfReader reader{QTextCursor(&Doc)};
    reader.SetDpi(96);
    TRead result;
    result.Complete = reader.Read(Rtf);
    result.Text = Doc.toPlainText();
    return result;
}

QTextCharFormat FormatAt(const QTextDocument& Doc, int Pos)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&Doc));
    cursor.setPosition(Pos + 1);
    return cursor.charFormat();
}

int Find(const QTextDocument& Doc, const QString& Text)
{
    const QTextCursor found = Doc.find(Text);
    return found.isNull() ? -1 : found.selectionStart();
}

QImage TestPicture(int Width, int Height)
{
    QImage picture(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            picture.setPixel(x, y, x < Width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return picture;
}

QByteArray PngHex(const QImage& Picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Picture.save(&buffer, "PNG");
    return png.toHex();
}

namespace {
void Put32(QByteArray& Data, quint32 Value)
{
    for (int i = 0; i < 4; ++i)
        Data.append(static_cast<char>((Value >> (8 * i)) & 0xFF));
}
void Put16(QByteArray& Data, quint16 Value)
{
    Data.append(static_cast<char>(Value & 0xFF));
    Data.append(static_cast<char>(Value >> 8));
}
} // namespace

QByteArray Dib24Hex(const QImage& Picture)
{
    const int stride = (Picture.width() * 3 + 3) / 4 * 4;
    QByteArray dib;
    Put32(dib, 40);
    Put32(dib, static_cast<quint32>(Picture.width()));
    Put32(dib, static_cast<quint32>(Picture.height()));
    Put16(dib, 1);
    Put16(dib, 24);
    Put32(dib, 0);
    Put32(dib, static_cast<quint32>(stride * Picture.height()));
    Put32(dib, 2835);
    Put32(dib, 2835);
    Put32(dib, 0);
    Put32(dib, 0);
    for (int y = Picture.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < Picture.width(); ++x) {
            const QRgb pixel = Picture.pixel(x, y);
            row.append(static_cast<char>(qBlue(pixel)));
            row.append(static_cast<char>(qGreen(pixel)));
            row.append(static_cast<char>(qRed(pixel)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        dib.append(row);
    }
    return dib.toHex();
}

QImage FirstPicture(const QTextDocument& Doc, QString* Name)
{
    for (QTextBlock block = Doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (Name)
                *Name = name;
            return Doc.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        }
    }
    return QImage();
}

} // namespace RtfSamples
