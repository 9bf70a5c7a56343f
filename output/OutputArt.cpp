#include "output/OutputArt.h"

#include "controls/MenuArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace OutputArt {

namespace {

// Room for the rings of bevel and outline the shaped button grows.
constexpr int Margin = 4;
// Every motif is designed in a square of this size and scaled as a whole.
constexpr qreal DesignSize = 100;

const QColor Ink(0x20, 0x20, 0x28);
const QColor PlateColor(0xC8, 0xD4, 0xE4);
const QColor Paper(0xFC, 0xFC, 0xF6);

QLinearGradient Vertical(qreal Top, qreal Bottom, const QColor& From, const QColor& To)
{
    QLinearGradient gradient(0, Top, 0, Bottom);
    gradient.setColorAt(0, From);
    gradient.setColorAt(1, To);
    return gradient;
}

// Text lines on a sheet, as a hint of writing.
void Lines(QPainter& P, qreal Left, qreal Top, qreal Width, int Count, qreal Step)
{
    P.setPen(QPen(QColor(0x50, 0x60, 0x80), 3, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < Count; ++line) {
        const qreal length = (line % 3 == 2) ? Width * 0.6 : Width;
        const qreal y = Top + line * Step;
        P.drawLine(QPointF(Left, y), QPointF(Left + length, y));
    }
}

// A desk printer; Sheet draws a printed page coming out at the front.
void DrawPrinter(QPainter& P, bool Sheet)
{
    // The paper waiting at the back.
    P.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5));
    P.setBrush(Paper);
    P.drawRect(QRectF(24, 8, 52, 34));
    // The body.
    P.setPen(QPen(QColor(0x30, 0x34, 0x3C), 2));
    P.setBrush(Vertical(36, 76, QColor(0xB8, 0xC0, 0xCC), QColor(0x58, 0x60, 0x70)));
    P.drawRoundedRect(QRectF(6, 36, 88, 40), 8, 8);
    // The output slot and a lamp.
    P.setBrush(QColor(0x20, 0x22, 0x28));
    P.drawRect(QRectF(20, 62, 60, 5));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x40, 0xE0, 0x40));
    P.drawEllipse(QPointF(82, 46), 3.5, 3.5);
    if (Sheet) {
        P.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5));
        P.setBrush(Paper);
        P.drawRect(QRectF(24, 64, 52, 32));
        Lines(P, 31, 72, 38, 4, 6.5);
    }
}

void DrawPrinterChoice(QPainter& P)
{
    P.save();
    P.translate(0, 14);
    P.scale(0.78, 0.78);
    DrawPrinter(P, false);
    P.restore();
    // A list of printers with the chosen one ticked.
    P.setPen(QPen(QColor(0x30, 0x40, 0x70), 2));
    P.setBrush(QColor(0xFF, 0xF6, 0xC8));
    P.drawRoundedRect(QRectF(56, 4, 40, 52), 4, 4);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 16 + row * 14;
        P.setPen(QPen(QColor(0x50, 0x60, 0x80), 3, Qt::SolidLine, Qt::RoundCap));
        P.drawLine(QPointF(74, y), QPointF(90, y));
    }
    P.setPen(QPen(QColor(0x10, 0x90, 0x20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(61, 29);
    tick.lineTo(65, 34);
    tick.lineTo(71, 24);
    P.drawPath(tick);
}

void DrawClipboard(QPainter& P)
{
    P.setPen(QPen(QColor(0x50, 0x30, 0x10), 2));
    P.setBrush(Vertical(6, 96, QColor(0xC8, 0x8C, 0x50), QColor(0x8A, 0x56, 0x26)));
    P.drawRoundedRect(QRectF(14, 8, 72, 88), 6, 6);
    P.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.5));
    P.setBrush(Paper);
    P.drawRect(QRectF(22, 20, 56, 70));
    Lines(P, 29, 34, 42, 7, 7.5);
    // The clip.
    P.setPen(QPen(QColor(0x30, 0x30, 0x38), 2));
    P.setBrush(Vertical(2, 22, QColor(0xE8, 0xEC, 0xF0), QColor(0x80, 0x88, 0x94)));
    P.drawRoundedRect(QRectF(34, 2, 32, 20), 5, 5);
    P.setBrush(QColor(0x30, 0x30, 0x38));
    P.drawEllipse(QPointF(50, 9), 3, 3);
}

void DrawMargins(QPainter& P)
{
    // The page with its margin lines.
    P.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5));
    P.setBrush(Paper);
    P.drawRect(QRectF(20, 24, 62, 74));
    Lines(P, 32, 40, 38, 6, 8);
    P.setPen(QPen(QColor(0xD0, 0x30, 0x30), 1.5, Qt::DashLine));
    P.drawLine(QPointF(29, 24), QPointF(29, 98));
    P.drawLine(QPointF(73, 24), QPointF(73, 98));
    P.drawLine(QPointF(20, 33), QPointF(82, 33));
    P.drawLine(QPointF(20, 89), QPointF(82, 89));
    // A folding ruler across the top.
    P.setPen(QPen(QColor(0x60, 0x48, 0x00), 1.5));
    P.setBrush(Vertical(2, 18, QColor(0xFF, 0xE0, 0x50), QColor(0xD8, 0xA8, 0x10)));
    P.drawRect(QRectF(4, 4, 92, 14));
    P.setPen(QPen(Ink, 1.2));
    for (int mark = 0; mark <= 18; ++mark) {
        const qreal x = 8 + mark * 4.8;
        P.drawLine(QPointF(x, 4), QPointF(x, mark % 5 == 0 ? 13 : 9));
    }
}

void DrawOk(QPainter& P)
{
    QPainterPath tick;
    tick.moveTo(8, 54);
    tick.lineTo(22, 40);
    tick.lineTo(40, 58);
    tick.lineTo(80, 12);
    tick.lineTo(94, 26);
    tick.lineTo(40, 88);
    tick.closeSubpath();
    P.setPen(QPen(QColor(0x08, 0x48, 0x10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Vertical(12, 88, QColor(0x70, 0xE0, 0x60), QColor(0x18, 0x88, 0x20)));
    P.drawPath(tick);
}

void DrawCancel(QPainter& P)
{
    QPainterPath cross;
    const qreal arm = 15;
    cross.moveTo(14, 14 + arm);
    cross.lineTo(14 + arm, 14);
    cross.lineTo(50, 35);
    cross.lineTo(86 - arm, 14);
    cross.lineTo(86, 14 + arm);
    cross.lineTo(65, 50);
    cross.lineTo(86, 86 - arm);
    cross.lineTo(86 - arm, 86);
    cross.lineTo(50, 65);
    cross.lineTo(14 + arm, 86);
    cross.lineTo(14, 86 - arm);
    cross.lineTo(35, 50);
    cross.closeSubpath();
    P.setPen(QPen(QColor(0x60, 0x08, 0x08), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Vertical(14, 86, QColor(0xF0, 0x60, 0x50), QColor(0xA0, 0x10, 0x10)));
    P.drawPath(cross);
}

QImage Canvas(QSize Size)
{
    QImage canvas(Size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    return canvas;
}

void PaintPlate(QPainter& P, const QRectF& Box, qreal Radius)
{
    QLinearGradient fill(0, Box.top(), 0, Box.bottom());
    fill.setColorAt(0, PlateColor.lighter(125));
    fill.setColorAt(0.5, PlateColor);
    fill.setColorAt(1, PlateColor.darker(125));
    P.setPen(QPen(PlateColor.darker(220), 1));
    P.setBrush(fill);
    P.drawRoundedRect(Box, Radius, Radius);
}

// The plate's outline lies on pixel centres, inside the bevel margin.
QRectF PlateArea(QSize Size)
{
    const qreal inset = Margin + 0.5;
    return QRectF(QPointF(0, 0), QSizeF(Size)).adjusted(inset, inset, -inset, -inset);
}

// The largest font, down to 9 pixels, that sets Text into one line of Width.
QFont FittingFont(const QString& Text, qreal Width, int Largest)
{
    for (int size = Largest; size > 9; --size) {
        const QFont font = MenuArt::PictureFont(size);
        if (QFontMetricsF(font).horizontalAdvance(Text) <= Width)
            return font;
    }
    return MenuArt::PictureFont(9);
}

} // namespace

void DrawMotif(QPainter& Painter, TOutputMotif Motif, const QRectF& Box)
{
    // The way back is the menus' own arrow.
    if (Motif == TOutputMotif::Back) {
        ::DrawMotif(Painter, TMotif::Back, Box);
        return;
    }
    const qreal side = qMin(Box.width(), Box.height());
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.translate(Box.center().x() - side / 2, Box.center().y() - side / 2);
    Painter.scale(side / DesignSize, side / DesignSize);
    switch (Motif) {
    case TOutputMotif::Back:
        break;
    case TOutputMotif::PrinterChoice:
        DrawPrinterChoice(Painter);
        break;
    case TOutputMotif::Clipboard:
        DrawClipboard(Painter);
        break;
    case TOutputMotif::Print:
        DrawPrinter(Painter, true);
        break;
    case TOutputMotif::Margins:
        DrawMargins(Painter);
        break;
    case TOutputMotif::Ok:
        DrawOk(Painter);
        break;
    case TOutputMotif::Cancel:
        DrawCancel(Painter);
        break;
    }
    Painter.restore();
}

QImage TilePicture(TOutputMotif Motif, QSize Size, const QString& Caption)
{
    QImage canvas = Canvas(Size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate = PlateArea(Size);
    PaintPlate(painter, plate, 10);
    const QFont font = FittingFont(Caption, plate.width() - 8, 13);
    const qreal textHeight = QFontMetricsF(font).height();
    const QRectF textBox(plate.left() + 4, plate.bottom() - textHeight - 4, plate.width() - 8,
                         textHeight);
    const QRectF picture(plate.left() + 7, plate.top() + 6, plate.width() - 14,
                         textBox.top() - plate.top() - 9);
    DrawMotif(painter, Motif, picture);
    painter.setFont(font);
    painter.setPen(Ink);
    painter.drawText(textBox, Qt::AlignCenter, Caption);
    return MenuArt::Keyed(canvas);
}

QImage PlatePicture(TOutputMotif Motif, QSize Size, const QString& Caption)
{
    QImage canvas = Canvas(Size);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate = PlateArea(Size);
    PaintPlate(painter, plate, qMin(10.0, plate.height() / 3));
    const qreal side = plate.height() - 10;
    const QRectF badge(plate.left() + 7, plate.center().y() - side / 2, side, side);
    DrawMotif(painter, Motif, badge);
    const QRectF textBox(badge.right() + 4, plate.top(), plate.right() - badge.right() - 10,
                         plate.height());
    painter.setFont(FittingFont(Caption, textBox.width(), 15));
    painter.setPen(Ink);
    painter.drawText(textBox, Qt::AlignCenter, Caption);
    return MenuArt::Keyed(canvas);
}

} // namespace OutputArt
