#include "controls/MenuArt.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace MenuArt {

namespace {

// Room for the three rings of bevel and outline the button grows around
// its shape.
constexpr int Margin = 4;

QImage Canvas(QSize Size)
{
    QImage canvas(Size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    return canvas;
}

// The largest font, down to 9 pixels, that sets Text into Box on at most
// two lines.
QFont FittingFont(const QString& Text, const QRectF& Box, int Largest)
{
    for (int size = Largest; size > 9; --size) {
        const QFont font = PictureFont(size);
        const QFontMetricsF metrics(font);
        const QRectF needed =
            metrics.boundingRect(QRectF(0, 0, Box.width(), 1000), Qt::TextWordWrap, Text);
        if (needed.width() <= Box.width() && needed.height() <= Box.height() &&
            needed.height() <= 2.4 * metrics.height()) {
            return font;
        }
    }
    return PictureFont(9);
}

// The plate's outline is drawn on the pixel centres, so that its pen stays
// inside the margin too.
QRectF PlateArea(QSize Size)
{
    const qreal inset = Margin + 0.5;
    return QRectF(QPointF(0, 0), QSizeF(Size)).adjusted(inset, inset, -inset, -inset);
}

void PaintPlate(QPainter& Painter, const QRectF& Box, const QColor& Color, qreal Radius)
{
    QLinearGradient fill(0, Box.top(), 0, Box.bottom());
    fill.setColorAt(0, Color.lighter(150));
    fill.setColorAt(0.5, Color);
    fill.setColorAt(1, Color.darker(125));
    Painter.setPen(QPen(Color.darker(200), 1));
    Painter.setBrush(fill);
    Painter.drawRoundedRect(Box, Radius, Radius);
}

// Dark text on light plates, white text on dark ones.
QColor TextColorOn(const QColor& Color)
{
    return Color.lightness() > 150 ? QColor(0x18, 0x18, 0x30) : QColor(Qt::white);
}

} // namespace

QFont PictureFont(int PixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(PixelSize);
    font.setBold(true);
    return font;
}

QImage Keyed(const QImage& Drawing)
{
    const QImage argb = Drawing.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            QRgb pixel = KeyColor;
            if (qAlpha(from[x]) >= 128) {
                pixel = qRgb(qRed(from[x]), qGreen(from[x]), qBlue(from[x]));
                // A drawn pixel must never read as transparent.
                if ((pixel & 0xFFFFFFu) == (KeyColor & 0xFFFFFFu)) {
                    pixel = qRgb(0xFE, 0x00, 0xFE);
                }
            }
            to[x] = pixel;
        }
    }
    return keyed;
}

QImage ObjectPicture(TMotif Motif, QSize Size, const QString& Caption)
{
    QImage canvas = Canvas(Size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = QRectF(canvas.rect()).adjusted(Margin, Margin, -Margin, -Margin);
    if (Caption.isEmpty()) {
        DrawMotif(painter, Motif, area);
        return Keyed(canvas);
    }
    QFont font = PictureFont(12);
    while (font.pixelSize() > 9 &&
           QFontMetricsF(font).horizontalAdvance(Caption) + 12 > area.width()) {
        font = PictureFont(font.pixelSize() - 1);
    }
    const QFontMetricsF metrics(font);
    const qreal plateHeight = metrics.height() + 5;
    const qreal plateWidth = qMin(area.width(), metrics.horizontalAdvance(Caption) + 14);
    const QRectF plate(area.center().x() - plateWidth / 2, area.bottom() - plateHeight, plateWidth,
                       plateHeight);
    // The object stands a little into its plate, as on a pedestal.
    DrawMotif(painter, Motif, area.adjusted(0, 0, 0, -plateHeight + 4));
    PaintPlate(painter, plate, QColor(0xF4, 0xE8, 0xC0), 5);
    painter.setFont(font);
    painter.setPen(QColor(0x40, 0x20, 0x10));
    painter.drawText(plate, Qt::AlignCenter, Caption);
    return Keyed(canvas);
}

QImage PlatePicture(TMotif Motif, QSize Size, const QString& Text, const QColor& Color)
{
    QImage canvas = Canvas(Size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate = PlateArea(Size);
    PaintPlate(painter, plate, Color, qMin(12.0, plate.height() / 3));
    // A narrow plate keeps most of its width for the text.
    const qreal side = qMin(plate.height() - 8, plate.width() * 0.3);
    const QRectF badge(plate.left() + 5, plate.center().y() - side / 2, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(badge);
    DrawMotif(painter, Motif, badge.adjusted(3, 3, -3, -3));
    const QRectF textBox(badge.right() + 4, plate.top() + 2, plate.right() - badge.right() - 9,
                         plate.height() - 4);
    painter.setFont(FittingFont(Text, textBox, 15));
    painter.setPen(TextColorOn(Color));
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextWordWrap, Text);
    return Keyed(canvas);
}

QImage TilePicture(TMotif Motif, QSize Size, const QString& Text, const QColor& Color)
{
    QImage canvas = Canvas(Size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate = PlateArea(Size);
    PaintPlate(painter, plate, Color, 14);
    // The text takes the lines it needs at the foot; the picture the rest.
    const QRectF widest(plate.left() + 6, plate.top(), plate.width() - 12, 40);
    const QFont font = FittingFont(Text, widest, 16);
    const QRectF needed = QFontMetricsF(font).boundingRect(QRectF(0, 0, widest.width(), 1000),
                                                           Qt::TextWordWrap, Text);
    const QRectF textBox(widest.left(), plate.bottom() - needed.height() - 6, widest.width(),
                         needed.height() + 2);
    const QRectF picture(plate.left() + 8, plate.top() + 6, plate.width() - 16,
                         textBox.top() - plate.top() - 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawRoundedRect(picture, 10, 10);
    DrawMotif(painter, Motif, picture.adjusted(4, 4, -4, -4));
    painter.setFont(font);
    painter.setPen(TextColorOn(Color));
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextWordWrap, Text);
    return Keyed(canvas);
}

} // namespace MenuArt
