#include "shell/AppIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap DrawIcon(int Size)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = Size / 16.0;
    const QRectF disc(margin, margin, Size - 2 * margin, Size - 2 * margin);
    QRadialGradient gradient(disc.center() - QPointF(Size / 6.0, Size / 6.0), Size * 0.7);
    gradient.setColorAt(0.0, QColor(0xd0, 0x30, 0x30));
    gradient.setColorAt(1.0, QColor(0x60, 0x08, 0x08));
    painter.setBrush(gradient);
    painter.setPen(QPen(QColor(0x30, 0x00, 0x00), Size / 32.0));
    painter.drawEllipse(disc);

    // Two beamed eighth notes, drawn from shapes so that no font is needed.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal s = Size / 64.0;
    painter.drawEllipse(QRectF(16 * s, 38 * s, 13 * s, 10 * s));
    painter.drawEllipse(QRectF(36 * s, 34 * s, 13 * s, 10 * s));
    painter.drawRect(QRectF(26 * s, 16 * s, 3.5 * s, 27 * s));
    painter.drawRect(QRectF(46 * s, 12 * s, 3.5 * s, 27 * s));
    QPolygonF beam;
    beam << QPointF(26 * s, 16 * s) << QPointF(49.5 * s, 12 * s) << QPointF(49.5 * s, 19 * s)
         << QPointF(26 * s, 23 * s);
    painter.drawPolygon(beam);
    return pixmap;
}

} // namespace

QIcon MusarixIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(DrawIcon(size));
    return icon;
}
