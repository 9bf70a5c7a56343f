#include "browse/ListButtonArt.h"

#include "controls/MenuArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ListButtonArt {

namespace {

// Room for the bevel rings the shaped button grows around its picture.
constexpr qreal Margin = 4.5;

QImage Canvas(QSize Size)
{
    QImage canvas(Size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    return canvas;
}

// The plate with its sign in a light disc on the left and the word beside it.
template <typename DrawSign>
QImage PlatePicture(QSize Size, const QColor& Color, const QString& Word, DrawSign Sign)
{
    QImage canvas = Canvas(Size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate =
        QRectF(QPointF(0, 0), QSizeF(Size)).adjusted(Margin, Margin, -Margin, -Margin);
    QLinearGradient fill(0, plate.top(), 0, plate.bottom());
    fill.setColorAt(0, Color.lighter(150));
    fill.setColorAt(0.5, Color);
    fill.setColorAt(1, Color.darker(125));
    painter.setPen(QPen(Color.darker(200), 1));
    painter.setBrush(fill);
    const qreal radius = qMin(12.0, plate.height() / 3);
    painter.drawRoundedRect(plate, radius, radius);

    const qreal side = plate.height() - 8;
    const QRectF disc(plate.left() + 5, plate.center().y() - side / 2, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 160));
    painter.drawEllipse(disc);
    Sign(painter, disc.adjusted(4, 4, -4, -4));

    const QRectF textBox(disc.right() + 4, plate.top() + 2, plate.right() - disc.right() - 8,
                         plate.height() - 4);
    int pixelSize = 16;
    while (pixelSize > 9 &&
           QFontMetricsF(MenuArt::PictureFont(pixelSize)).horizontalAdvance(Word) > textBox.width())
        --pixelSize;
    painter.setFont(MenuArt::PictureFont(pixelSize));
    painter.setPen(Qt::white);
    painter.drawText(textBox, Qt::AlignCenter, Word);
    painter.end();
    return MenuArt::Keyed(canvas);
}

// A hand whose finger points to the right, at an entry of the list.
void DrawPointingHand(QPainter& Painter, const QRectF& Box)
{
    const qreal u = Box.width() / 10;
    QPainterPath hand;
    hand.addRoundedRect(QRectF(Box.left() + 1 * u, Box.top() + 3.5 * u, 4.5 * u, 5 * u), u, u);
    hand.addRoundedRect(QRectF(Box.left() + 4 * u, Box.top() + 3.5 * u, 5.5 * u, 1.6 * u), 0.8 * u,
                        0.8 * u);
    Painter.setBrush(QColor(0xF8, 0xD8, 0xB0));
    Painter.setPen(QPen(QColor(0x60, 0x38, 0x20), 1.2));
    Painter.drawPath(hand.simplified());
    Painter.setPen(QPen(QColor(0x60, 0x38, 0x20), 1));
    for (int finger = 1; finger <= 2; ++finger) {
        const qreal y = Box.top() + (5.1 + finger * 1.2) * u;
        Painter.drawLine(QPointF(Box.left() + 3.2 * u, y), QPointF(Box.left() + 5.5 * u, y));
    }
    Painter.setBrush(QColor(0x30, 0x60, 0xC0));
    Painter.setPen(Qt::NoPen);
    Painter.drawRect(QRectF(Box.left(), Box.top() + 4 * u, 1.2 * u, 4 * u));
}

// A bent arrow that leads back up and to the left: home.
void DrawArrowHome(QPainter& Painter, const QRectF& Box)
{
    const qreal u = Box.width() / 10;
    QPainterPath shaft;
    shaft.moveTo(Box.left() + 8.5 * u, Box.top() + 9 * u);
    shaft.lineTo(Box.left() + 8.5 * u, Box.top() + 4.5 * u);
    shaft.lineTo(Box.left() + 3.5 * u, Box.top() + 4.5 * u);
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(
        QPen(QColor(0x20, 0x40, 0x30), 1.8 * u, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    Painter.drawPath(shaft);
    QPainterPath head;
    head.moveTo(Box.left() + 0.5 * u, Box.top() + 4.5 * u);
    head.lineTo(Box.left() + 4 * u, Box.top() + 1 * u);
    head.lineTo(Box.left() + 4 * u, Box.top() + 8 * u);
    head.closeSubpath();
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(0x20, 0x40, 0x30));
    Painter.drawPath(head);
}

// Three grey lines of text; the search term, in red, on the first line at
// the given fifth of its width.
QImage TextGlyph(QSize Size, int WordFifth)
{
    QImage glyph = Canvas(Size);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = Size.width();
    const qreal h = Size.height();
    const qreal thickness = h * 0.13;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x70, 0x70, 0x70));
    for (int line = 0; line < 3; ++line) {
        const qreal y = h * (0.22 + 0.26 * line);
        painter.drawRoundedRect(QRectF(w * 0.1, y, w * (line == 2 ? 0.5 : 0.8), thickness), 1, 1);
    }
    painter.setBrush(QColor(0xD0, 0x10, 0x10));
    painter.drawRoundedRect(
        QRectF(w * (0.1 + 0.11 * WordFifth), h * 0.22 - thickness * 0.6, w * 0.36, thickness * 2.2),
        2, 2);
    return glyph;
}

} // namespace

QImage SelectPicture(QSize Size)
{
    return PlatePicture(Size, QColor(0x38, 0x90, 0x50), QStringLiteral("Auswahl"),
                        DrawPointingHand);
}

QImage MenuPicture(QSize Size)
{
    return PlatePicture(Size, QColor(0x70, 0x90, 0x78), QStringLiteral("Hauptmenü"), DrawArrowHome);
}

QImage StartGlyph(QSize Size)
{
    return TextGlyph(Size, 0);
}

QImage AnywhereGlyph(QSize Size)
{
    return TextGlyph(Size, 2);
}

} // namespace ListButtonArt
