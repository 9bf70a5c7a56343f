#include "controls/MenuMotifs.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QtMath>

// Every motif is drawn in its own design box (MotifSize) and scaled as a
// whole, so the same drawing serves the large objects of the main menu and
// the small icons on the topic menus' plates.

namespace {

const QColor Skin(0xF1, 0xC2, 0x9A);
const QColor Ink(0x20, 0x20, 0x28);
const QColor Wood(0x9A, 0x5B, 0x2A);
const QColor DarkWood(0x5A, 0x34, 0x18);

QLinearGradient Vertical(qreal Top, qreal Bottom, const QColor& From, const QColor& To)
{
    QLinearGradient gradient(0, Top, 0, Bottom);
    gradient.setColorAt(0, From);
    gradient.setColorAt(1, To);
    return gradient;
}

// Light across the middle, darker at both sides: a rounded metal part.
QLinearGradient Cylinder(qreal Left, qreal Right, const QColor& Base)
{
    QLinearGradient gradient(Left, 0, Right, 0);
    gradient.setColorAt(0, Base.darker(150));
    gradient.setColorAt(0.4, Base.lighter(150));
    gradient.setColorAt(1, Base.darker(170));
    return gradient;
}

QLinearGradient Gold(qreal Left, qreal Right)
{
    QLinearGradient gradient(Left, 0, Right, 0);
    gradient.setColorAt(0, QColor(0xA8, 0x74, 0x08));
    gradient.setColorAt(0.45, QColor(0xFF, 0xE0, 0x60));
    gradient.setColorAt(1, QColor(0x98, 0x66, 0x06));
    return gradient;
}

QLinearGradient Silver(qreal Left, qreal Right)
{
    return Cylinder(Left, Right, QColor(0xB8, 0xBE, 0xC8));
}

void Stroke(QPainter& P, const QColor& Color, qreal Width)
{
    P.setPen(QPen(Color, Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QFont DrawingFont(int PixelSize, bool Bold = true)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(PixelSize);
    font.setBold(Bold);
    return font;
}

void Text(QPainter& P, const QRectF& Box, const QString& Text, const QColor& Color, int PixelSize)
{
    P.setFont(DrawingFont(PixelSize));
    P.setPen(Color);
    P.drawText(Box, Qt::AlignCenter, Text);
}

// An eighth note (Flag) or a quarter note, the head's centre at Head.
void Note(QPainter& P, QPointF Head, qreal Size, const QColor& Color, bool Flag = true)
{
    P.save();
    P.setPen(Qt::NoPen);
    P.setBrush(Color);
    P.translate(Head);
    P.save();
    P.rotate(-22);
    P.drawEllipse(QPointF(0, 0), 1.3 * Size, 0.9 * Size);
    P.restore();
    const qreal x = 1.1 * Size;
    P.drawRect(QRectF(x, -3.6 * Size, 0.35 * Size, 3.6 * Size));
    if (Flag) {
        QPainterPath flag;
        flag.moveTo(x, -3.6 * Size);
        flag.cubicTo(x + 0.4 * Size, -2.6 * Size, x + 2.2 * Size, -2.2 * Size, x + 1.4 * Size,
                     -0.8 * Size);
        flag.cubicTo(x + 1.6 * Size, -1.9 * Size, x + 0.6 * Size, -2.4 * Size, x + 0.3 * Size,
                     -2.5 * Size);
        flag.closeSubpath();
        P.drawPath(flag);
    }
    P.restore();
}

// Two eighth notes joined by a beam.
void BeamedNotes(QPainter& P, QPointF First, QPointF Second, qreal Size, const QColor& Color)
{
    Note(P, First, Size, Color, false);
    Note(P, Second, Size, Color, false);
    const qreal x = 1.1 * Size;
    QPainterPath beam;
    beam.moveTo(First.x() + x, First.y() - 3.6 * Size);
    beam.lineTo(Second.x() + x + 0.35 * Size, Second.y() - 3.6 * Size);
    beam.lineTo(Second.x() + x + 0.35 * Size, Second.y() - 2.8 * Size);
    beam.lineTo(First.x() + x, First.y() - 2.8 * Size);
    beam.closeSubpath();
    P.setPen(Qt::NoPen);
    P.setBrush(Color);
    P.drawPath(beam);
}

// A person seen from the front: head and shoulders down to Bottom.
void Figure(QPainter& P, qreal CenterX, qreal HeadY, qreal HeadRadius, qreal Shoulders,
            qreal Bottom, const QColor& Shirt, const QColor& Hair)
{
    P.setPen(QPen(Shirt.darker(170), 1.2));
    P.setBrush(Vertical(HeadY, Bottom, Shirt.lighter(130), Shirt.darker(130)));
    const qreal top = HeadY + HeadRadius + 1.5;
    P.drawRoundedRect(QRectF(CenterX - Shoulders / 2, top, Shoulders, Bottom - top), Shoulders / 3,
                      Shoulders / 3);
    P.setPen(QPen(Skin.darker(150), 1.0));
    P.setBrush(Skin);
    P.drawEllipse(QPointF(CenterX, HeadY), HeadRadius * 0.9, HeadRadius);
    // Hair as a cap over the upper half of the head.
    QPainterPath hair;
    hair.moveTo(CenterX - HeadRadius, HeadY);
    hair.arcTo(
        QRectF(CenterX - HeadRadius, HeadY - HeadRadius * 1.1, 2 * HeadRadius, 2 * HeadRadius), 180,
        -180);
    hair.quadTo(CenterX, HeadY - HeadRadius * 0.35, CenterX - HeadRadius, HeadY);
    P.setPen(Qt::NoPen);
    P.setBrush(Hair);
    P.drawPath(hair);
}

void DrawGuitarUpright(QPainter& P)
{
    // Designed upright in a 52 x 100 box.
    QPainterPath body;
    body.addEllipse(QPointF(26, 74), 25, 24);
    QPainterPath upper;
    upper.addEllipse(QPointF(26, 47), 18, 17);
    body = body.united(upper);
    P.setPen(QPen(DarkWood.darker(150), 1.5));
    QRadialGradient wood(QPointF(20, 60), 40);
    wood.setColorAt(0, QColor(0xF2, 0xA5, 0x4A));
    wood.setColorAt(1, QColor(0xB0, 0x5A, 0x14));
    P.setBrush(wood);
    P.drawPath(body);
    P.setBrush(QColor(0x2A, 0x18, 0x0C));
    P.drawEllipse(QPointF(26, 52), 7.5, 7.5);
    P.setBrush(Cylinder(21, 31, DarkWood));
    P.drawRect(QRectF(22, 8, 8, 36));
    P.setBrush(QColor(0x3A, 0x22, 0x10));
    P.drawRoundedRect(QRectF(19.5, 0, 13, 12), 3, 3);
    P.setBrush(DarkWood);
    P.drawRect(QRectF(17, 78, 18, 4));
    P.setPen(QPen(QColor(0xF0, 0xF0, 0xE0), 0.6));
    for (int i = 0; i < 4; ++i) {
        const qreal x = 23.5 + 1.7 * i;
        P.drawLine(QPointF(x, 3), QPointF(x, 80));
    }
}

void DrawGuitar(QPainter& P)
{
    P.save();
    P.translate(36, 50);
    P.rotate(18);
    P.scale(0.88, 0.88);
    P.translate(-26, -50);
    DrawGuitarUpright(P);
    P.restore();
}

void DrawMicrophone(QPainter& P)
{
    // 60 x 100
    P.setPen(Qt::NoPen);
    P.setBrush(Vertical(90, 100, QColor(0x50, 0x50, 0x58), QColor(0x18, 0x18, 0x20)));
    P.drawEllipse(QPointF(30, 94), 19, 5);
    P.setBrush(Silver(28, 32));
    P.drawRect(QRectF(28.2, 50, 3.6, 44));
    P.setBrush(QColor(0x30, 0x30, 0x36));
    P.drawRoundedRect(QRectF(24.5, 45, 11, 8), 2, 2);
    QPainterPath handle;
    handle.moveTo(23, 26);
    handle.lineTo(37, 26);
    handle.lineTo(33.5, 52);
    handle.lineTo(26.5, 52);
    handle.closeSubpath();
    P.setPen(QPen(Ink, 1));
    P.setBrush(Cylinder(23, 37, QColor(0x40, 0x40, 0x48)));
    P.drawPath(handle);
    P.setBrush(Gold(22, 38));
    P.drawRect(QRectF(22, 25, 16, 4.5));
    QPainterPath head;
    head.addEllipse(QPointF(30, 14), 13, 14);
    QRadialGradient metal(QPointF(25, 9), 18);
    metal.setColorAt(0, QColor(0xF4, 0xF6, 0xFA));
    metal.setColorAt(1, QColor(0x70, 0x76, 0x80));
    P.setBrush(metal);
    P.drawPath(head);
    P.save();
    P.setClipPath(head);
    P.setPen(QPen(QColor(0x50, 0x55, 0x60), 0.8));
    for (int i = -4; i <= 8; ++i) {
        const qreal x = 10 + 5 * i;
        P.drawLine(QPointF(x, 0), QPointF(x + 28, 28));
        P.drawLine(QPointF(x + 28, 0), QPointF(x, 28));
    }
    P.restore();
}

void DrawBand(QPainter& P)
{
    // 100 x 70
    Figure(P, 20, 20, 8, 26, 70, QColor(0x2E, 0x6B, 0xC4), QColor(0x5A, 0x38, 0x20));
    Figure(P, 80, 20, 8, 26, 70, QColor(0x3C, 0xA0, 0x4A), QColor(0xD8, 0xB0, 0x40));
    Figure(P, 50, 14, 10, 32, 70, QColor(0xC8, 0x30, 0x30), QColor(0x20, 0x18, 0x14));
}

void DrawMusicians(QPainter& P)
{
    // 160 x 100: guitarist, singer at the microphone, drummer behind his kit.
    P.setPen(Qt::NoPen);
    QRadialGradient floor(QPointF(80, 92), 80);
    floor.setColorAt(0, QColor(0xC0, 0x50, 0x30));
    floor.setColorAt(1, QColor(0x60, 0x18, 0x10));
    P.setBrush(floor);
    P.drawEllipse(QPointF(80, 91), 78, 9);

    Figure(P, 128, 30, 8, 26, 76, QColor(0x8E, 0x44, 0xAD), QColor(0xE0, 0xC0, 0x60));
    // The drum kit: bass drum and a cymbal on its stand.
    P.setPen(QPen(Ink, 1));
    P.setBrush(Silver(138, 160));
    P.drawLine(QPointF(150, 40), QPointF(150, 90));
    P.drawEllipse(QPointF(150, 40), 10, 2.5);
    P.setBrush(QColor(0xB0, 0x20, 0x20));
    P.drawEllipse(QPointF(128, 72), 19, 19);
    P.setBrush(QColor(0xF4, 0xF0, 0xE6));
    P.drawEllipse(QPointF(128, 72), 15, 15);
    Text(P, QRectF(113, 62, 30, 20), QStringLiteral("\u266B"), QColor(0xB0, 0x20, 0x20), 16);

    Figure(P, 34, 28, 9, 28, 90, QColor(0x2E, 0x6B, 0xC4), QColor(0x5A, 0x38, 0x20));
    P.save();
    P.translate(36, 64);
    P.rotate(-60);
    P.scale(0.42, 0.42);
    P.translate(-26, -50);
    DrawGuitarUpright(P);
    P.restore();

    Figure(P, 80, 20, 10, 32, 90, QColor(0xD0, 0x30, 0x30), QColor(0x20, 0x18, 0x14));
    P.save();
    P.translate(74, 26);
    P.scale(0.62, 0.64);
    DrawMicrophone(P);
    P.restore();
}

void DrawPortrait(QPainter& P)
{
    // 70 x 100: an oval frame with a head and shoulders in it.
    P.setPen(QPen(QColor(0x6A, 0x48, 0x04), 1.2));
    P.setBrush(Gold(0, 70));
    P.drawEllipse(QRectF(2, 2, 66, 96));
    QPainterPath inner;
    inner.addEllipse(QRectF(9, 9, 52, 82));
    P.setBrush(Vertical(9, 91, QColor(0x50, 0x80, 0xC0), QColor(0x20, 0x38, 0x70)));
    P.drawPath(inner);
    P.save();
    P.setClipPath(inner);
    Figure(P, 35, 42, 14, 44, 100, QColor(0x80, 0x30, 0x30), QColor(0x3A, 0x26, 0x18));
    P.restore();
}

void DrawFrame(QPainter& P)
{
    // 160 x 100: a gilt frame around a landscape.
    P.setPen(QPen(QColor(0x6A, 0x48, 0x04), 1.5));
    QLinearGradient frame(0, 0, 160, 100);
    frame.setColorAt(0, QColor(0xFF, 0xE2, 0x70));
    frame.setColorAt(0.5, QColor(0xC8, 0x90, 0x18));
    frame.setColorAt(1, QColor(0x8A, 0x5C, 0x08));
    P.setBrush(frame);
    P.drawRect(QRectF(1, 1, 158, 98));
    P.setBrush(QColor(0x8A, 0x5C, 0x08));
    P.drawRect(QRectF(11, 11, 138, 78));
    const QRectF canvas(15, 15, 130, 70);
    P.setPen(Qt::NoPen);
    P.setBrush(Vertical(15, 85, QColor(0x58, 0x9C, 0xE8), QColor(0xD8, 0xEC, 0xFF)));
    P.drawRect(canvas);
    P.save();
    P.setClipRect(canvas);
    P.setBrush(QColor(0xFF, 0xD2, 0x30));
    P.drawEllipse(QPointF(118, 34), 10, 10);
    QPainterPath far;
    far.moveTo(15, 62);
    far.cubicTo(45, 36, 70, 44, 92, 58);
    far.cubicTo(110, 46, 130, 48, 145, 56);
    far.lineTo(145, 85);
    far.lineTo(15, 85);
    far.closeSubpath();
    P.setBrush(QColor(0x4A, 0x8A, 0x50));
    P.drawPath(far);
    QPainterPath near;
    near.moveTo(15, 76);
    near.cubicTo(55, 60, 100, 66, 145, 74);
    near.lineTo(145, 85);
    near.lineTo(15, 85);
    near.closeSubpath();
    P.setBrush(QColor(0x2E, 0x6A, 0x30));
    P.drawPath(near);
    P.setBrush(QColor(0x5A, 0x3A, 0x20));
    P.drawRect(QRectF(40, 56, 3, 12));
    P.setBrush(QColor(0x22, 0x58, 0x28));
    P.drawEllipse(QPointF(41.5, 52), 8, 9);
    P.restore();
}

void DrawSpeaker(QPainter& P)
{
    // 90 x 100: the box on the left, notes rising on the right.
    P.setPen(QPen(QColor(0x20, 0x12, 0x08), 1.5));
    P.setBrush(Vertical(6, 98, QColor(0x7A, 0x4E, 0x2C), QColor(0x3A, 0x22, 0x10)));
    P.drawRoundedRect(QRectF(3, 6, 58, 92), 5, 5);
    QRadialGradient cone(QPointF(32, 66), 22);
    cone.setColorAt(0, QColor(0x90, 0x90, 0x98));
    cone.setColorAt(0.8, QColor(0x30, 0x30, 0x36));
    cone.setColorAt(1, QColor(0x10, 0x10, 0x12));
    P.setBrush(QColor(0x18, 0x18, 0x1C));
    P.drawEllipse(QPointF(32, 68), 24, 24);
    P.setBrush(cone);
    P.drawEllipse(QPointF(32, 68), 20, 20);
    P.setBrush(QColor(0x50, 0x50, 0x58));
    P.drawEllipse(QPointF(32, 68), 6.5, 6.5);
    P.setBrush(QColor(0x18, 0x18, 0x1C));
    P.drawEllipse(QPointF(32, 26), 11, 11);
    QRadialGradient dome(QPointF(29, 23), 9);
    dome.setColorAt(0, QColor(0xE0, 0xE0, 0xE8));
    dome.setColorAt(1, QColor(0x40, 0x40, 0x48));
    P.setBrush(dome);
    P.drawEllipse(QPointF(32, 26), 7, 7);
    Note(P, QPointF(74, 32), 4.2, QColor(0xFF, 0xD8, 0x40));
    Note(P, QPointF(78, 72), 3.6, QColor(0xFF, 0xA0, 0x30));
    Note(P, QPointF(70, 52), 2.8, QColor(0xFF, 0xF0, 0x90));
}

void DrawQuestion(QPainter& P)
{
    // 120 x 70: a speech bubble full of questions.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2, 2, 116, 50), 16, 16);
    QPainterPath tail;
    tail.moveTo(28, 48);
    tail.lineTo(48, 48);
    tail.lineTo(18, 68);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    P.setPen(QPen(QColor(0x10, 0x30, 0x70), 1.5));
    P.setBrush(Vertical(2, 68, QColor(0x5A, 0x9C, 0xF0), QColor(0x1A, 0x4C, 0xA8)));
    P.drawPath(bubble);
    Text(P, QRectF(8, 0, 36, 52), QStringLiteral("?"), QColor(0xFF, 0xE0, 0x40), 34);
    Text(P, QRectF(38, -4, 44, 60), QStringLiteral("?"), Qt::white, 48);
    Text(P, QRectF(78, 4, 36, 50), QStringLiteral("?"), QColor(0xFF, 0xA0, 0x40), 28);
}

void DrawOpenBook(QPainter& P)
{
    // 100 x 80: an open song book, words on one page, music on the other.
    P.setPen(QPen(QColor(0x40, 0x08, 0x08), 1.2));
    P.setBrush(Vertical(10, 78, QColor(0xB8, 0x24, 0x24), QColor(0x70, 0x10, 0x10)));
    QPainterPath cover;
    cover.moveTo(50, 78);
    cover.cubicTo(36, 70, 16, 70, 1, 74);
    cover.lineTo(1, 16);
    cover.lineTo(50, 20);
    cover.lineTo(99, 16);
    cover.lineTo(99, 74);
    cover.cubicTo(84, 70, 64, 70, 50, 78);
    P.drawPath(cover);
    P.setPen(QPen(QColor(0x8A, 0x7A, 0x5A), 1));
    P.setBrush(Vertical(8, 74, QColor(0xFF, 0xFC, 0xEE), QColor(0xE8, 0xDC, 0xB8)));
    QPainterPath left;
    left.moveTo(50, 16);
    left.cubicTo(36, 6, 18, 8, 5, 12);
    left.lineTo(5, 68);
    left.cubicTo(18, 64, 36, 64, 50, 73);
    left.closeSubpath();
    P.drawPath(left);
    QPainterPath right;
    right.moveTo(50, 16);
    right.cubicTo(64, 6, 82, 8, 95, 12);
    right.lineTo(95, 68);
    right.cubicTo(82, 64, 64, 64, 50, 73);
    right.closeSubpath();
    P.drawPath(right);
    P.setPen(QPen(QColor(0x60, 0x60, 0x70), 0.8));
    for (int i = 0; i < 5; ++i) {
        const qreal y = 22 + 3.2 * i;
        P.drawLine(QPointF(10, y), QPointF(45, y + 1));
    }
    Note(P, QPointF(16, 33), 2.2, Ink);
    BeamedNotes(P, QPointF(26, 30), QPointF(35, 27), 2.2, Ink);
    P.setPen(QPen(QColor(0x70, 0x70, 0x80), 1.6));
    for (int i = 0; i < 5; ++i) {
        const qreal y = 47 + 4.5 * i;
        P.drawLine(QPointF(10, y), QPointF(i % 2 ? 38 : 44, y + 0.5));
    }
    for (int i = 0; i < 9; ++i) {
        const qreal y = 21 + 5 * i;
        P.drawLine(QPointF(56, y + 0.5), QPointF(i % 3 == 2 ? 76 : 89, y));
    }
}

void DrawTrophy(QPainter& P)
{
    // 70 x 100
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QBrush(Gold(0, 70)), 5.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath handles;
    handles.moveTo(15, 14);
    handles.cubicTo(-2, 12, 0, 38, 20, 40);
    handles.moveTo(55, 14);
    handles.cubicTo(72, 12, 70, 38, 50, 40);
    P.drawPath(handles);
    QPainterPath bowl;
    bowl.moveTo(11, 6);
    bowl.lineTo(59, 6);
    bowl.cubicTo(59, 40, 47, 53, 35, 55);
    bowl.cubicTo(23, 53, 11, 40, 11, 6);
    P.setPen(QPen(QColor(0x70, 0x4C, 0x04), 1.2));
    P.setBrush(Gold(11, 59));
    P.drawPath(bowl);
    P.setBrush(QColor(0xFF, 0xEA, 0x90));
    P.drawEllipse(QPointF(35, 6), 24, 3.5);
    P.setBrush(Gold(30, 40));
    P.drawRect(QRectF(31, 54, 8, 14));
    QPainterPath foot;
    foot.moveTo(22, 68);
    foot.lineTo(48, 68);
    foot.lineTo(54, 77);
    foot.lineTo(16, 77);
    foot.closeSubpath();
    P.setBrush(Gold(16, 54));
    P.drawPath(foot);
    P.setPen(QPen(QColor(0x20, 0x10, 0x06), 1.2));
    P.setBrush(Vertical(77, 98, QColor(0x6A, 0x40, 0x22), QColor(0x30, 0x1A, 0x0A)));
    P.drawRect(QRectF(11, 77, 48, 21));
    P.setBrush(Gold(22, 48));
    P.drawRect(QRectF(22, 82, 26, 10));
    Text(P, QRectF(22, 81, 26, 12), QStringLiteral("\u2605"), QColor(0x6A, 0x40, 0x04), 10);
}

void DrawPodium(QPainter& P)
{
    // 160 x 90: the cup on the highest step, places 2 and 3 beside it.
    struct Step
    {
        QRectF Box;
        QString Place;
        QColor Color;
    };
    const Step steps[] = {
        {QRectF(12, 60, 46, 29), QStringLiteral("2"), QColor(0xC8, 0xCC, 0xD4)},
        {QRectF(102, 68, 46, 21), QStringLiteral("3"), QColor(0xD8, 0x8A, 0x48)},
        {QRectF(56, 48, 48, 41), QStringLiteral("1"), QColor(0xFF, 0xD0, 0x40)},
    };
    for (const Step& step : steps) {
        P.setPen(QPen(QColor(0x20, 0x28, 0x40), 1.2));
        P.setBrush(Vertical(step.Box.top(), step.Box.bottom(), QColor(0x50, 0x70, 0xB0),
                            QColor(0x22, 0x34, 0x68)));
        P.drawRect(step.Box);
        Text(P, step.Box, step.Place, step.Color, qRound(step.Box.height() * 0.7));
    }
    P.save();
    P.translate(62, 0);
    P.scale(0.52, 0.48);
    DrawTrophy(P);
    P.restore();
    P.setPen(Qt::NoPen);
    const QColor confetti[] = {QColor(0xFF, 0x50, 0x50), QColor(0x50, 0xD0, 0x60),
                               QColor(0x40, 0xA0, 0xFF), QColor(0xFF, 0xD0, 0x30)};
    const QPointF places[] = {QPointF(30, 30),  QPointF(44, 14), QPointF(122, 20),
                              QPointF(136, 44), QPointF(20, 48), QPointF(112, 54)};
    int i = 0;
    for (const QPointF& place : places) {
        P.setBrush(confetti[i % 4]);
        P.save();
        P.translate(place);
        P.rotate(25.0 * i);
        P.drawRect(QRectF(-3, -1.5, 6, 3));
        P.restore();
        ++i;
    }
}

void DrawChart(QPainter& P)
{
    // 100 x 80: rising bars on a white board, an arrow going up.
    P.setPen(QPen(QColor(0x40, 0x48, 0x60), 1.2));
    P.setBrush(Vertical(2, 78, Qt::white, QColor(0xDC, 0xE4, 0xF0)));
    P.drawRoundedRect(QRectF(2, 2, 96, 76), 6, 6);
    const QColor colors[] = {QColor(0x40, 0xA0, 0xFF), QColor(0x50, 0xC0, 0x60),
                             QColor(0xFF, 0xB0, 0x30), QColor(0xE8, 0x40, 0x40)};
    const qreal heights[] = {18, 32, 44, 60};
    for (int i = 0; i < 4; ++i) {
        const QRectF bar(14 + 20 * i, 70 - heights[i], 14, heights[i]);
        P.setBrush(
            Vertical(bar.top(), bar.bottom(), colors[i].lighter(130), colors[i].darker(120)));
        P.drawRect(bar);
    }
    Stroke(P, QColor(0x20, 0x30, 0x50), 1.5);
    P.drawLine(QPointF(9, 70.5), QPointF(92, 70.5));
    Stroke(P, QColor(0xC0, 0x10, 0x10), 3);
    P.drawPolyline(QPolygonF({QPointF(12, 56), QPointF(34, 44), QPointF(52, 40), QPointF(84, 12)}));
    P.setBrush(QColor(0xC0, 0x10, 0x10));
    P.drawPolygon(QPolygonF({QPointF(88, 8), QPointF(76, 12), QPointF(86, 20)}));
}

void DrawRecordShelf(QPainter& P)
{
    // 120 x 100: records in a shelf, one album in front.
    P.setPen(QPen(QColor(0x30, 0x1A, 0x0A), 1.5));
    P.setBrush(Vertical(4, 96, QColor(0xB0, 0x74, 0x40), QColor(0x6A, 0x40, 0x1E)));
    P.drawRect(QRectF(2, 6, 116, 90));
    P.setBrush(QColor(0x3A, 0x22, 0x10));
    P.drawRect(QRectF(9, 13, 102, 76));
    const QColor spines[] = {
        QColor(0xE0, 0x40, 0x30), QColor(0x30, 0x60, 0xC0), QColor(0xF0, 0xC0, 0x30),
        QColor(0x20, 0x20, 0x24), QColor(0x40, 0xA0, 0x50), QColor(0xE8, 0xE8, 0xE0),
        QColor(0x90, 0x40, 0xB0), QColor(0xF0, 0x80, 0x30), QColor(0x30, 0x90, 0xA0),
        QColor(0xC0, 0x20, 0x50), QColor(0x60, 0x60, 0x70), QColor(0x20, 0x50, 0x90)};
    qreal x = 11;
    int i = 0;
    P.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.6));
    for (const QColor& color : spines) {
        const qreal width = 5 + (i * 7 % 4);
        const qreal height = 64 + (i * 5 % 9);
        P.setBrush(Cylinder(x, x + width, color));
        P.drawRect(QRectF(x, 89 - height, width, height));
        x += width + 0.8;
        ++i;
    }
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(QColor(0x14, 0x14, 0x16));
    P.drawEllipse(QPointF(98, 46), 21, 21);
    P.setPen(QPen(QColor(0x40, 0x40, 0x46), 0.6));
    P.setBrush(Qt::NoBrush);
    P.drawEllipse(QPointF(98, 46), 16, 16);
    P.drawEllipse(QPointF(98, 46), 12, 12);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xE8, 0x30, 0x30));
    P.drawEllipse(QPointF(98, 46), 6, 6);
    P.setPen(QPen(QColor(0x20, 0x10, 0x30), 1.2));
    QLinearGradient art(62, 42, 104, 98);
    art.setColorAt(0, QColor(0xFF, 0x90, 0x30));
    art.setColorAt(1, QColor(0xB0, 0x20, 0x80));
    P.setBrush(art);
    P.drawRect(QRectF(60, 46, 44, 48));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xFF, 0xF0, 0xC0));
    P.drawEllipse(QPointF(82, 66), 11, 11);
    P.setBrush(QColor(0x30, 0x10, 0x50));
    P.drawEllipse(QPointF(82, 66), 4, 4);
}

void DrawGear(QPainter& P)
{
    // 100 x 100
    QPainterPath gear;
    const int teeth = 10;
    QPolygonF outline;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal angle = (i + 0.5) * 2 * M_PI / (teeth * 4);
        const qreal radius = (i % 4 < 2) ? 47 : 37;
        outline << QPointF(50 + radius * qCos(angle), 50 + radius * qSin(angle));
    }
    gear.addPolygon(outline);
    gear.closeSubpath();
    gear.addEllipse(QPointF(50, 50), 15, 15);
    gear.setFillRule(Qt::OddEvenFill);
    P.setPen(QPen(QColor(0x30, 0x34, 0x40), 1.5));
    QLinearGradient metal(0, 0, 100, 100);
    metal.setColorAt(0, QColor(0xE8, 0xEC, 0xF4));
    metal.setColorAt(1, QColor(0x60, 0x68, 0x78));
    P.setBrush(metal);
    P.drawPath(gear);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QColor(0x80, 0x88, 0x98), 3));
    P.drawEllipse(QPointF(50, 50), 26, 26);
}

void DrawAddressBook(QPainter& P)
{
    // 70 x 100
    const QColor tabs[] = {QColor(0xE0, 0x40, 0x30), QColor(0xF0, 0xC0, 0x30),
                           QColor(0x40, 0xB0, 0x50), QColor(0x40, 0x90, 0xE0)};
    P.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    for (int i = 0; i < 4; ++i) {
        P.setBrush(tabs[i]);
        P.drawRoundedRect(QRectF(58, 12 + 20 * i, 11, 14), 2, 2);
    }
    P.setPen(QPen(QColor(0x10, 0x20, 0x40), 1.5));
    P.setBrush(Vertical(2, 98, QColor(0x3A, 0x6C, 0xC0), QColor(0x18, 0x34, 0x70)));
    P.drawRoundedRect(QRectF(2, 2, 60, 96), 5, 5);
    P.setBrush(QColor(0x12, 0x26, 0x50));
    P.drawRect(QRectF(2, 2, 10, 96));
    P.setBrush(QColor(0xFF, 0xFA, 0xEA));
    P.setPen(QPen(QColor(0x60, 0x50, 0x30), 1));
    P.drawRoundedRect(QRectF(18, 16, 38, 36), 3, 3);
    Text(P, QRectF(18, 14, 38, 24), QStringLiteral("A\u2013Z"), QColor(0x18, 0x34, 0x70), 14);
    P.setPen(QPen(QColor(0x90, 0x90, 0xA0), 1.2));
    P.drawLine(QPointF(23, 40), QPointF(51, 40));
    P.drawLine(QPointF(23, 46), QPointF(45, 46));
    Text(P, QRectF(14, 58, 46, 30), QStringLiteral("@"), QColor(0xFF, 0xE0, 0x70), 26);
    P.setPen(QPen(QColor(0xC0, 0xC4, 0xCC), 2));
    P.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        P.drawEllipse(QPointF(7, 12 + 15 * i), 3, 2.5);
    }
}

void DrawDoor(QPainter& P)
{
    // 100 x 100: an open door, an arrow leading out.
    P.setPen(QPen(QColor(0x20, 0x14, 0x08), 1.5));
    P.setBrush(QColor(0x18, 0x18, 0x20));
    P.drawRect(QRectF(8, 6, 50, 90));
    P.setBrush(QColor(0xFF, 0xF0, 0xB0));
    P.drawRect(QRectF(13, 11, 40, 85));
    QPainterPath leaf;
    leaf.moveTo(13, 11);
    leaf.lineTo(36, 20);
    leaf.lineTo(36, 90);
    leaf.lineTo(13, 96);
    leaf.closeSubpath();
    P.setBrush(Vertical(11, 96, QColor(0xB8, 0x78, 0x40), QColor(0x70, 0x40, 0x18)));
    P.drawPath(leaf);
    P.setBrush(QColor(0xFF, 0xD0, 0x40));
    P.drawEllipse(QPointF(31, 56), 2.5, 2.5);
    QPainterPath arrow;
    arrow.moveTo(44, 44);
    arrow.lineTo(70, 44);
    arrow.lineTo(70, 30);
    arrow.lineTo(96, 54);
    arrow.lineTo(70, 78);
    arrow.lineTo(70, 64);
    arrow.lineTo(44, 64);
    arrow.closeSubpath();
    P.setPen(QPen(QColor(0x60, 0x08, 0x08), 1.5));
    P.setBrush(Vertical(30, 78, QColor(0xFF, 0x60, 0x50), QColor(0xB0, 0x10, 0x10)));
    P.drawPath(arrow);
}

void DrawChili(QPainter& P)
{
    // 100 x 100: a hot pod, and a bubble with an exclamation mark.
    QPainterPath pod;
    pod.moveTo(18, 34);
    pod.cubicTo(8, 72, 46, 96, 94, 94);
    pod.cubicTo(64, 80, 46, 60, 44, 34);
    pod.cubicTo(38, 26, 24, 26, 18, 34);
    P.setPen(QPen(QColor(0x60, 0x08, 0x04), 1.5));
    QLinearGradient red(10, 30, 60, 60);
    red.setColorAt(0, QColor(0xFF, 0x50, 0x30));
    red.setColorAt(1, QColor(0xA8, 0x08, 0x04));
    P.setBrush(red);
    P.drawPath(pod);
    Stroke(P, QColor(0xFF, 0xB0, 0xA0), 2.5);
    P.setBrush(Qt::NoBrush);
    QPainterPath shine;
    shine.moveTo(22, 44);
    shine.cubicTo(22, 62, 36, 78, 54, 84);
    P.drawPath(shine);
    P.setPen(QPen(QColor(0x10, 0x40, 0x10), 1));
    P.setBrush(QColor(0x40, 0xA0, 0x30));
    P.drawEllipse(QPointF(31, 30), 15, 6);
    Stroke(P, QColor(0x30, 0x80, 0x20), 5);
    QPainterPath stem;
    stem.moveTo(31, 28);
    stem.cubicTo(30, 16, 36, 8, 46, 6);
    P.drawPath(stem);
    P.setPen(QPen(QColor(0x80, 0x60, 0x00), 1.5));
    P.setBrush(QColor(0xFF, 0xE0, 0x40));
    QPainterPath bubble;
    bubble.addEllipse(QPointF(76, 28), 21, 21);
    QPainterPath tail;
    tail.moveTo(60, 38);
    tail.lineTo(68, 46);
    tail.lineTo(52, 52);
    tail.closeSubpath();
    P.drawPath(bubble.united(tail));
    Text(P, QRectF(56, 6, 40, 44), QStringLiteral("!"), QColor(0xD0, 0x10, 0x10), 34);
}

void DrawTuningFork(QPainter& P)
{
    // 70 x 100: a tuning fork on its sounding box.
    P.setPen(QPen(QColor(0x30, 0x1A, 0x0A), 1.5));
    P.setBrush(Vertical(74, 98, QColor(0xC8, 0x88, 0x48), QColor(0x70, 0x40, 0x18)));
    P.drawRect(QRectF(3, 74, 64, 24));
    P.setBrush(QColor(0x30, 0x18, 0x08));
    P.drawEllipse(QPointF(35, 86), 11, 5);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QBrush(Silver(18, 52)), 7, Qt::SolidLine, Qt::FlatCap));
    QPainterPath fork;
    fork.moveTo(25, 4);
    fork.lineTo(25, 36);
    fork.cubicTo(25, 50, 45, 50, 45, 36);
    fork.lineTo(45, 4);
    P.drawPath(fork);
    P.setPen(QPen(QBrush(Silver(31, 39)), 6, Qt::SolidLine, Qt::FlatCap));
    P.drawLine(QPointF(35, 46), QPointF(35, 75));
    Stroke(P, QColor(0x50, 0x80, 0xE0), 2);
    P.drawArc(QRectF(6, 8, 12, 26), 120 * 16, 120 * 16);
    P.drawArc(QRectF(52, 8, 12, 26), -60 * 16, 120 * 16);
    Text(P, QRectF(46, 76, 20, 20), QStringLiteral("A"), QColor(0xFF, 0xE8, 0xA0), 12);
}

void DrawMinimise(QPainter& P)
{
    // 24 x 20
    P.setPen(QPen(QColor(0x10, 0x18, 0x30), 1));
    P.setBrush(Vertical(1, 19, QColor(0x70, 0x88, 0xB8), QColor(0x28, 0x38, 0x68)));
    P.drawRoundedRect(QRectF(1, 1, 22, 18), 4, 4);
    P.setPen(Qt::NoPen);
    P.setBrush(Qt::white);
    P.drawRect(QRectF(6, 12, 12, 3));
}

void DrawBack(QPainter& P)
{
    // 100 x 100: an arrow turning back.
    QPainterPath arrow;
    arrow.moveTo(4, 44);
    arrow.lineTo(40, 10);
    arrow.lineTo(40, 30);
    arrow.cubicTo(76, 30, 96, 50, 96, 90);
    arrow.cubicTo(86, 66, 70, 58, 40, 58);
    arrow.lineTo(40, 78);
    arrow.closeSubpath();
    P.setPen(QPen(QColor(0x10, 0x40, 0x10), 1.5));
    P.setBrush(Vertical(10, 90, QColor(0x70, 0xD8, 0x60), QColor(0x20, 0x80, 0x28)));
    P.drawPath(arrow);
}

QPainterPath MaskShape()
{
    QPainterPath mask;
    mask.moveTo(0, 0);
    mask.cubicTo(14, 6, 28, 6, 42, 0);
    mask.cubicTo(44, 30, 36, 52, 21, 56);
    mask.cubicTo(6, 52, -2, 30, 0, 0);
    return mask;
}

void DrawMask(QPainter& P, bool Laughing, const QColor& Color)
{
    P.setPen(QPen(Color.darker(220), 1.5));
    P.setBrush(Vertical(0, 56, Color.lighter(140), Color.darker(120)));
    P.drawPath(MaskShape());
    P.setPen(Qt::NoPen);
    P.setBrush(Ink);
    const qreal eyeY = Laughing ? 18 : 20;
    for (const qreal x : {13.0, 29.0}) {
        QPainterPath eye;
        eye.moveTo(x - 6, eyeY);
        eye.quadTo(x, Laughing ? eyeY - 7 : eyeY + 5, x + 6, eyeY);
        eye.quadTo(x, Laughing ? eyeY + 2 : eyeY - 3, x - 6, eyeY);
        P.drawPath(eye);
    }
    QPainterPath mouth;
    if (Laughing) {
        mouth.moveTo(10, 32);
        mouth.quadTo(21, 48, 32, 32);
        mouth.quadTo(21, 38, 10, 32);
    } else {
        mouth.moveTo(11, 44);
        mouth.quadTo(21, 30, 31, 44);
        mouth.quadTo(21, 38, 11, 44);
    }
    P.drawPath(mouth);
}

void DrawMasks(QPainter& P)
{
    // 100 x 80
    P.save();
    P.translate(50, 16);
    P.rotate(14);
    DrawMask(P, false, QColor(0x70, 0x90, 0xD0));
    P.restore();
    P.save();
    P.translate(6, 12);
    P.rotate(-14);
    DrawMask(P, true, QColor(0xF0, 0xC0, 0x30));
    P.restore();
}

QPolygonF Star(QPointF Center, qreal Outer, qreal Inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal radius = i % 2 ? Inner : Outer;
        star << QPointF(Center.x() + radius * qCos(angle), Center.y() + radius * qSin(angle));
    }
    return star;
}

void DrawTopHat(QPainter& P)
{
    // 100 x 100
    P.setPen(QPen(Qt::black, 1.2));
    P.setBrush(Vertical(60, 92, QColor(0x40, 0x40, 0x48), QColor(0x08, 0x08, 0x0C)));
    P.drawEllipse(QPointF(46, 80), 42, 11);
    P.setBrush(Cylinder(20, 72, QColor(0x30, 0x30, 0x38)));
    P.drawRect(QRectF(22, 28, 48, 52));
    P.drawEllipse(QPointF(46, 28), 24, 5);
    P.setBrush(QColor(0xC8, 0x18, 0x28));
    P.drawRect(QRectF(22, 64, 48, 10));
    P.setPen(QPen(QColor(0x80, 0x60, 0x00), 1.2));
    P.setBrush(QColor(0xFF, 0xD8, 0x30));
    P.drawPolygon(Star(QPointF(80, 20), 18, 7.5));
    P.setBrush(QColor(0xFF, 0xF0, 0xA0));
    P.drawPolygon(Star(QPointF(14, 14), 8, 3.2));
}

void DrawSongSheet(QPainter& P)
{
    // 80 x 100
    QPainterPath sheet;
    sheet.moveTo(6, 2);
    sheet.lineTo(58, 2);
    sheet.lineTo(74, 18);
    sheet.lineTo(74, 98);
    sheet.lineTo(6, 98);
    sheet.closeSubpath();
    P.setPen(QPen(QColor(0x70, 0x60, 0x40), 1.2));
    P.setBrush(Vertical(2, 98, QColor(0xFF, 0xFC, 0xF0), QColor(0xE8, 0xDA, 0xB0)));
    P.drawPath(sheet);
    P.setBrush(QColor(0xD0, 0xC0, 0x90));
    P.drawPolygon(QPolygonF({QPointF(58, 2), QPointF(58, 18), QPointF(74, 18)}));
    P.setPen(QPen(QColor(0x50, 0x50, 0x60), 0.9));
    for (int staff = 0; staff < 3; ++staff) {
        for (int line = 0; line < 5; ++line) {
            const qreal y = 26 + 25 * staff + 3.4 * line;
            P.drawLine(QPointF(12, y), QPointF(68, y));
        }
    }
    Note(P, QPointF(20, 36), 2.6, Ink);
    BeamedNotes(P, QPointF(34, 33), QPointF(46, 30), 2.6, Ink);
    Note(P, QPointF(60, 34), 2.6, Ink, false);
    BeamedNotes(P, QPointF(18, 58), QPointF(30, 61), 2.6, Ink);
    Note(P, QPointF(46, 56), 2.6, Ink);
    Note(P, QPointF(60, 60), 2.6, Ink, false);
    Note(P, QPointF(22, 84), 2.6, Ink, false);
    BeamedNotes(P, QPointF(38, 80), QPointF(52, 84), 2.6, Ink);
}

void DrawChapel(QPainter& P)
{
    // 100 x 100: a chapel with notes rising from it.
    P.setPen(QPen(QColor(0x40, 0x30, 0x20), 1.2));
    P.setBrush(Vertical(40, 96, QColor(0xFF, 0xF4, 0xE0), QColor(0xD8, 0xC8, 0xA8)));
    P.drawRect(QRectF(14, 52, 60, 44));
    P.drawRect(QRectF(36, 22, 16, 30));
    P.setBrush(QColor(0xB0, 0x30, 0x20));
    P.drawPolygon(QPolygonF({QPointF(8, 54), QPointF(44, 30), QPointF(80, 54)}));
    P.drawPolygon(QPolygonF({QPointF(33, 24), QPointF(44, 2), QPointF(55, 24)}));
    P.setBrush(QColor(0x60, 0x38, 0x18));
    QPainterPath door;
    door.moveTo(37, 96);
    door.lineTo(37, 78);
    door.arcTo(QRectF(37, 70, 14, 16), 180, -180);
    door.lineTo(51, 96);
    door.closeSubpath();
    P.drawPath(door);
    P.setBrush(QColor(0x60, 0xA0, 0xE0));
    P.drawEllipse(QPointF(44, 38), 4, 4);
    P.drawRect(QRectF(20, 62, 8, 12));
    P.drawRect(QRectF(60, 62, 8, 12));
    Note(P, QPointF(84, 40), 3.6, QColor(0x30, 0x50, 0xA0));
    Note(P, QPointF(74, 16), 3, QColor(0x30, 0x50, 0xA0));
}

void DrawAnchor(QPainter& P)
{
    // 80 x 100
    Stroke(P, QColor(0x18, 0x2C, 0x58), 7);
    P.setBrush(Qt::NoBrush);
    P.drawEllipse(QPointF(40, 12), 8, 8);
    P.drawLine(QPointF(40, 21), QPointF(40, 88));
    P.drawLine(QPointF(22, 32), QPointF(58, 32));
    QPainterPath arms;
    arms.moveTo(8, 62);
    arms.cubicTo(10, 88, 70, 88, 72, 62);
    P.drawPath(arms);
    P.setPen(QPen(QColor(0x18, 0x2C, 0x58), 1));
    P.setBrush(QColor(0x18, 0x2C, 0x58));
    P.drawPolygon(QPolygonF({QPointF(0, 66), QPointF(8, 50), QPointF(16, 66)}));
    P.drawPolygon(QPolygonF({QPointF(64, 66), QPointF(72, 50), QPointF(80, 66)}));
    Stroke(P, QColor(0xC8, 0xA0, 0x60), 2.5);
    P.setBrush(Qt::NoBrush);
    QPainterPath rope;
    rope.moveTo(46, 14);
    rope.cubicTo(70, 20, 70, 44, 46, 46);
    rope.cubicTo(30, 48, 30, 60, 46, 62);
    P.drawPath(rope);
}

void DrawCover(QPainter& P)
{
    // 100 x 100: the sleeve with its record half out.
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(QColor(0x14, 0x14, 0x16));
    P.drawEllipse(QPointF(64, 44), 34, 34);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QColor(0x44, 0x44, 0x4A), 0.8));
    for (const qreal r : {28.0, 22.0, 17.0}) {
        P.drawEllipse(QPointF(64, 44), r, r);
    }
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xF0, 0xC0, 0x30));
    P.drawEllipse(QPointF(64, 44), 10, 10);
    P.setPen(QPen(QColor(0x20, 0x10, 0x30), 1.2));
    QLinearGradient art(4, 24, 70, 96);
    art.setColorAt(0, QColor(0x30, 0x40, 0xC0));
    art.setColorAt(1, QColor(0xD0, 0x30, 0x80));
    P.setBrush(art);
    P.drawRect(QRectF(2, 28, 68, 68));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xFF, 0xE0, 0x60));
    P.drawPolygon(Star(QPointF(36, 58), 22, 9));
    P.setBrush(QColor(0xFF, 0xFF, 0xFF, 200));
    P.drawRect(QRectF(8, 86, 40, 4));
}

void DrawStudio(QPainter& P)
{
    // 120 x 80: a mixing desk.
    QPainterPath desk;
    desk.moveTo(2, 78);
    desk.lineTo(118, 78);
    desk.lineTo(106, 6);
    desk.lineTo(14, 6);
    desk.closeSubpath();
    P.setPen(QPen(QColor(0x10, 0x10, 0x14), 1.5));
    P.setBrush(Vertical(6, 78, QColor(0x60, 0x64, 0x70), QColor(0x24, 0x26, 0x2E)));
    P.drawPath(desk);
    const QColor knobs[] = {QColor(0xE8, 0x40, 0x40), QColor(0x40, 0xB0, 0xE8),
                            QColor(0xF0, 0xC0, 0x30), QColor(0x50, 0xD0, 0x60)};
    const qreal levels[] = {0.3, 0.6, 0.45, 0.2, 0.7, 0.5, 0.35, 0.55};
    for (int i = 0; i < 8; ++i) {
        const qreal top = 12;
        const qreal x = 22 + 11 * i;
        P.setPen(Qt::NoPen);
        P.setBrush(knobs[i % 4]);
        P.drawEllipse(QPointF(x, top + 4), 3.2, 3.2);
        P.setBrush(knobs[(i + 1) % 4]);
        P.drawEllipse(QPointF(x, top + 13), 3.2, 3.2);
        P.setBrush(QColor(0x08, 0x08, 0x0A));
        P.drawRect(QRectF(x - 1, 34, 2, 36));
        const qreal y = 36 + 30 * levels[i];
        P.setPen(QPen(Qt::black, 0.8));
        P.setBrush(Vertical(y - 3, y + 3, QColor(0xF4, 0xF4, 0xF8), QColor(0x90, 0x90, 0x98)));
        P.drawRect(QRectF(x - 4, y - 2.5, 8, 5));
    }
}

void DrawRecord(QPainter& P)
{
    // 100 x 100
    P.setPen(QPen(Qt::black, 1));
    QRadialGradient vinyl(QPointF(50, 50), 48);
    vinyl.setColorAt(0, QColor(0x30, 0x30, 0x36));
    vinyl.setColorAt(1, QColor(0x08, 0x08, 0x0A));
    P.setBrush(vinyl);
    P.drawEllipse(QPointF(50, 50), 48, 48);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QColor(0x50, 0x50, 0x58), 0.7));
    for (const qreal r : {42.0, 36.0, 30.0, 24.0}) {
        P.drawEllipse(QPointF(50, 50), r, r);
    }
    Stroke(P, QColor(0xFF, 0xFF, 0xFF, 90), 3);
    P.drawArc(QRectF(12, 12, 76, 76), 100 * 16, 50 * 16);
    P.setPen(QPen(QColor(0x80, 0x10, 0x10), 1));
    P.setBrush(Vertical(32, 68, QColor(0xFF, 0x70, 0x50), QColor(0xC0, 0x20, 0x20)));
    P.drawEllipse(QPointF(50, 50), 17, 17);
    Text(P, QRectF(33, 34, 34, 14), QStringLiteral("LABEL"), QColor(0xFF, 0xF0, 0xC0), 7);
    P.setBrush(Ink);
    P.drawEllipse(QPointF(50, 50), 2, 2);
}

void DrawFactory(QPainter& P)
{
    // 120 x 90
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xB0, 0xB4, 0xBC));
    P.drawEllipse(QPointF(104, 12), 7, 6);
    P.drawEllipse(QPointF(112, 5), 5, 4.5);
    P.setPen(QPen(QColor(0x30, 0x18, 0x10), 1.2));
    P.setBrush(Cylinder(90, 102, QColor(0xB0, 0x50, 0x30)));
    P.drawRect(QRectF(90, 16, 12, 34));
    QPainterPath hall;
    hall.moveTo(4, 88);
    hall.lineTo(4, 40);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 4 + 36 * i;
        hall.lineTo(x + 36, 22);
        hall.lineTo(x + 36, 40);
    }
    hall.lineTo(112, 40);
    hall.lineTo(116, 40);
    hall.lineTo(116, 88);
    hall.closeSubpath();
    P.setBrush(Vertical(22, 88, QColor(0xD8, 0x70, 0x48), QColor(0x90, 0x38, 0x20)));
    P.drawPath(hall);
    P.setBrush(QColor(0xFF, 0xE0, 0x70));
    for (int i = 0; i < 5; ++i) {
        P.drawRect(QRectF(12 + 20 * i, 50, 12, 12));
    }
    P.setBrush(QColor(0x40, 0x28, 0x18));
    P.drawRect(QRectF(52, 68, 16, 20));
}

void DrawMetronome(QPainter& P)
{
    // 80 x 100
    QPainterPath body;
    body.moveTo(16, 96);
    body.lineTo(64, 96);
    body.lineTo(50, 4);
    body.lineTo(30, 4);
    body.closeSubpath();
    P.setPen(QPen(QColor(0x30, 0x18, 0x08), 1.5));
    P.setBrush(Cylinder(16, 64, Wood));
    P.drawPath(body);
    QPainterPath face;
    face.moveTo(26, 80);
    face.lineTo(54, 80);
    face.lineTo(46, 12);
    face.lineTo(34, 12);
    face.closeSubpath();
    P.setBrush(QColor(0xF4, 0xE8, 0xC8));
    P.drawPath(face);
    P.setPen(QPen(QColor(0x60, 0x50, 0x30), 0.8));
    for (int i = 0; i < 8; ++i) {
        const qreal y = 18 + 7 * i;
        P.drawLine(QPointF(38, y), QPointF(42, y));
    }
    P.setBrush(DarkWood);
    P.drawRect(QRectF(10, 84, 60, 12));
    Stroke(P, QColor(0x50, 0x50, 0x58), 2.5);
    P.drawLine(QPointF(40, 80), QPointF(60, 14));
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(Gold(50, 62));
    P.drawRect(QRectF(50, 34, 11, 9));
}

void DrawDictionary(QPainter& P)
{
    // 80 x 100
    P.setPen(QPen(QColor(0x60, 0x58, 0x40), 1));
    P.setBrush(QColor(0xF8, 0xF0, 0xD8));
    P.drawRect(QRectF(62, 8, 12, 86));
    P.setPen(QPen(QColor(0x10, 0x30, 0x18), 1.5));
    P.setBrush(Vertical(2, 98, QColor(0x30, 0x90, 0x58), QColor(0x10, 0x48, 0x28)));
    P.drawRoundedRect(QRectF(4, 2, 62, 96), 4, 4);
    P.setBrush(QColor(0x0C, 0x38, 0x1C));
    P.drawRect(QRectF(4, 2, 9, 96));
    P.setPen(QPen(QColor(0xE0, 0xC0, 0x50), 2));
    P.drawLine(QPointF(20, 14), QPointF(60, 14));
    P.drawLine(QPointF(20, 86), QPointF(60, 86));
    Text(P, QRectF(14, 22, 50, 30), QStringLiteral("A\u2013Z"), QColor(0xFF, 0xE0, 0x70), 18);
    Note(P, QPointF(34, 72), 3.6, QColor(0xFF, 0xE0, 0x70));
}

void DrawFilmReel(QPainter& P)
{
    // 100 x 100
    P.setPen(QPen(QColor(0x10, 0x10, 0x14), 1));
    P.setBrush(QColor(0x28, 0x28, 0x2C));
    QPainterPath strip;
    strip.moveTo(50, 82);
    strip.lineTo(98, 82);
    strip.lineTo(98, 98);
    strip.lineTo(50, 98);
    strip.closeSubpath();
    P.drawPath(strip);
    P.setBrush(QColor(0xF0, 0xF0, 0xE8));
    for (int i = 0; i < 6; ++i) {
        P.drawRect(QRectF(54 + 7.5 * i, 84, 4, 3));
        P.drawRect(QRectF(54 + 7.5 * i, 93, 4, 3));
    }
    QPainterPath reel;
    reel.addEllipse(QPointF(44, 44), 42, 42);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = -M_PI / 2 + i * 2 * M_PI / 5;
        reel.addEllipse(QPointF(44 + 23 * qCos(angle), 44 + 23 * qSin(angle)), 10, 10);
    }
    reel.addEllipse(QPointF(44, 44), 4, 4);
    reel.setFillRule(Qt::OddEvenFill);
    QLinearGradient metal(0, 0, 88, 88);
    metal.setColorAt(0, QColor(0xE8, 0xEC, 0xF4));
    metal.setColorAt(1, QColor(0x60, 0x68, 0x78));
    P.setPen(QPen(QColor(0x30, 0x34, 0x40), 1.5));
    P.setBrush(metal);
    P.drawPath(reel);
}

void DrawNotes(QPainter& P)
{
    // 100 x 80: a leaf with a staff and notes.
    P.setPen(QPen(QColor(0x70, 0x60, 0x40), 1.2));
    P.setBrush(Vertical(4, 76, QColor(0xFF, 0xFC, 0xF0), QColor(0xE8, 0xDA, 0xB0)));
    P.drawRoundedRect(QRectF(2, 4, 96, 72), 6, 6);
    P.setPen(QPen(QColor(0x40, 0x40, 0x50), 1.1));
    for (int line = 0; line < 5; ++line) {
        const qreal y = 28 + 7 * line;
        P.drawLine(QPointF(8, y), QPointF(92, y));
    }
    Note(P, QPointF(22, 56), 5, Ink);
    BeamedNotes(P, QPointF(46, 52), QPointF(66, 42), 5, Ink);
    Note(P, QPointF(84, 48), 5, Ink, false);
}

void DrawSpeech(QPainter& P)
{
    // 100 x 80
    QPainterPath bubble;
    bubble.addEllipse(QRectF(2, 2, 96, 60));
    QPainterPath tail;
    tail.moveTo(24, 50);
    tail.lineTo(40, 56);
    tail.lineTo(10, 78);
    tail.closeSubpath();
    P.setPen(QPen(QColor(0x70, 0x58, 0x00), 1.5));
    P.setBrush(Vertical(2, 78, QColor(0xFF, 0xF4, 0xA0), QColor(0xF0, 0xC0, 0x30)));
    P.drawPath(bubble.united(tail));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x80, 0x40, 0x10));
    for (int i = 0; i < 3; ++i) {
        P.drawEllipse(QPointF(32 + 18 * i, 32), 5.5, 5.5);
    }
}

void DrawDrum(QPainter& P)
{
    // 100 x 90: a drum with crossed sticks.
    P.setPen(QPen(QColor(0x50, 0x08, 0x08), 1.5));
    P.setBrush(Cylinder(12, 88, QColor(0xD0, 0x28, 0x28)));
    QPainterPath shell;
    shell.moveTo(12, 44);
    shell.lineTo(12, 76);
    shell.arcTo(QRectF(12, 66, 76, 20), 180, 180);
    shell.lineTo(88, 44);
    shell.closeSubpath();
    P.drawPath(shell);
    Stroke(P, QColor(0xE0, 0xE4, 0xEC), 1.6);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 18 + 16 * i;
        P.drawLine(QPointF(x, 50), QPointF(x + 8, 78));
        P.drawLine(QPointF(x + 8, 78), QPointF(x + 16, 50));
    }
    P.setPen(QPen(QColor(0x60, 0x60, 0x68), 1.5));
    P.setBrush(QColor(0xF6, 0xF2, 0xE8));
    P.drawEllipse(QPointF(50, 44), 38, 10);
    Stroke(P, QColor(0xC8, 0x98, 0x58), 4);
    P.drawLine(QPointF(14, 4), QPointF(62, 38));
    P.drawLine(QPointF(86, 4), QPointF(38, 38));
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0xF0, 0xD8, 0xA8));
    P.drawEllipse(QPointF(62, 38), 3, 3);
    P.drawEllipse(QPointF(38, 38), 3, 3);
}

void DrawGramophone(QPainter& P)
{
    // 100 x 100
    P.setPen(QPen(QColor(0x30, 0x18, 0x08), 1.5));
    P.setBrush(Vertical(66, 98, QColor(0xB0, 0x70, 0x38), QColor(0x60, 0x34, 0x14)));
    P.drawRect(QRectF(8, 70, 68, 28));
    P.setBrush(QColor(0x14, 0x14, 0x16));
    P.drawEllipse(QPointF(42, 68), 30, 5);
    QPainterPath horn;
    horn.moveTo(40, 64);
    horn.cubicTo(48, 50, 52, 30, 50, 4);
    horn.cubicTo(68, 10, 86, 24, 98, 44);
    horn.cubicTo(78, 46, 60, 54, 46, 66);
    horn.closeSubpath();
    P.setPen(QPen(QColor(0x70, 0x4C, 0x04), 1.5));
    P.setBrush(Gold(40, 98));
    P.drawPath(horn);
    P.setBrush(QColor(0x6A, 0x44, 0x08));
    P.save();
    P.translate(74, 24);
    P.rotate(40);
    P.drawEllipse(QPointF(0, 0), 28, 8);
    P.restore();
    Stroke(P, QColor(0x90, 0x90, 0x98), 3);
    P.drawLine(QPointF(42, 64), QPointF(28, 66));
}

} // namespace

QSizeF MotifSize(TMotif Motif)
{
    switch (Motif) {
    case TMotif::Musicians:
        return {160, 100};
    case TMotif::Frame:
        return {160, 100};
    case TMotif::Podium:
        return {160, 90};
    case TMotif::Question:
        return {120, 70};
    case TMotif::RecordShelf:
        return {120, 100};
    case TMotif::Studio:
        return {120, 80};
    case TMotif::Factory:
        return {120, 90};
    case TMotif::Band:
        return {100, 70};
    case TMotif::OpenBook:
    case TMotif::Chart:
    case TMotif::Masks:
    case TMotif::Notes:
    case TMotif::Speech:
        return {100, 80};
    case TMotif::Drum:
        return {100, 90};
    case TMotif::Singer:
        return {60, 100};
    case TMotif::Guitar:
        return {72, 100};
    case TMotif::Portrait:
    case TMotif::Trophy:
    case TMotif::AddressBook:
    case TMotif::TuningFork:
        return {70, 100};
    case TMotif::Speaker:
        return {90, 100};
    case TMotif::SongSheet:
    case TMotif::Anchor:
    case TMotif::Metronome:
    case TMotif::Dictionary:
        return {80, 100};
    case TMotif::Minimise:
        return {24, 20};
    case TMotif::Gear:
    case TMotif::Door:
    case TMotif::Chili:
    case TMotif::Back:
    case TMotif::TopHat:
    case TMotif::Chapel:
    case TMotif::Cover:
    case TMotif::Record:
    case TMotif::FilmReel:
    case TMotif::Gramophone:
        return {100, 100};
    }
    return {100, 100};
}

void DrawMotif(QPainter& Painter, TMotif Motif, const QRectF& Box)
{
    const QSizeF design = MotifSize(Motif);
    const qreal scale = qMin(Box.width() / design.width(), Box.height() / design.height());
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setRenderHint(QPainter::TextAntialiasing);
    Painter.translate(Box.center().x() - design.width() * scale / 2,
                      Box.center().y() - design.height() * scale / 2);
    Painter.scale(scale, scale);
    switch (Motif) {
    case TMotif::Musicians:
        DrawMusicians(Painter);
        break;
    case TMotif::Singer:
        DrawMicrophone(Painter);
        break;
    case TMotif::Band:
        DrawBand(Painter);
        break;
    case TMotif::Portrait:
        DrawPortrait(Painter);
        break;
    case TMotif::Guitar:
        DrawGuitar(Painter);
        break;
    case TMotif::Frame:
        DrawFrame(Painter);
        break;
    case TMotif::Speaker:
        DrawSpeaker(Painter);
        break;
    case TMotif::Question:
        DrawQuestion(Painter);
        break;
    case TMotif::OpenBook:
        DrawOpenBook(Painter);
        break;
    case TMotif::Podium:
        DrawPodium(Painter);
        break;
    case TMotif::Trophy:
        DrawTrophy(Painter);
        break;
    case TMotif::Chart:
        DrawChart(Painter);
        break;
    case TMotif::RecordShelf:
        DrawRecordShelf(Painter);
        break;
    case TMotif::Gear:
        DrawGear(Painter);
        break;
    case TMotif::AddressBook:
        DrawAddressBook(Painter);
        break;
    case TMotif::Door:
        DrawDoor(Painter);
        break;
    case TMotif::Chili:
        DrawChili(Painter);
        break;
    case TMotif::TuningFork:
        DrawTuningFork(Painter);
        break;
    case TMotif::Minimise:
        DrawMinimise(Painter);
        break;
    case TMotif::Back:
        DrawBack(Painter);
        break;
    case TMotif::Masks:
        DrawMasks(Painter);
        break;
    case TMotif::TopHat:
        DrawTopHat(Painter);
        break;
    case TMotif::SongSheet:
        DrawSongSheet(Painter);
        break;
    case TMotif::Chapel:
        DrawChapel(Painter);
        break;
    case TMotif::Anchor:
        DrawAnchor(Painter);
        break;
    case TMotif::Cover:
        DrawCover(Painter);
        break;
    case TMotif::Studio:
        DrawStudio(Painter);
        break;
    case TMotif::Record:
        DrawRecord(Painter);
        break;
    case TMotif::Factory:
        DrawFactory(Painter);
        break;
    case TMotif::Metronome:
        DrawMetronome(Painter);
        break;
    case TMotif::Dictionary:
        DrawDictionary(Painter);
        break;
    case TMotif::FilmReel:
        DrawFilmReel(Painter);
        break;
    case TMotif::Notes:
        DrawNotes(Painter);
        break;
    case TMotif::Speech:
        DrawSpeech(Painter);
        break;
    case TMotif::Drum:
        DrawDrum(Painter);
        break;
    case TMotif::Gramophone:
        DrawGramophone(Painter);
        break;
    }
    Painter.restore();
}
