#include "output/MarginPreview.h"

#include "output/PageLayout.h"

#include <QPainter>

TMarginPreview::TMarginPreview(QWidget* Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TMarginPreview::SetMargins(int Left, int Right, int Top, int Bottom)
{
    FLeft = Left;
    FRight = Right;
    FTop = Top;
    FBottom = Bottom;
    update();
}

QRectF TMarginPreview::SheetRect() const
{
    // The printed page, fitted into the widget with room for its shadow.
    const QRectF room = QRectF(rect()).adjusted(1, 1, -4, -4);
    const qreal scale = qMin(room.width() / PageLayout::PageWidthTwips,
                             room.height() / PageLayout::PageHeightTwips);
    const QSizeF sheet(PageLayout::PageWidthTwips * scale, PageLayout::PageHeightTwips * scale);
    return QRectF(room.left() + (room.width() - sheet.width()) / 2,
                  room.top() + (room.height() - sheet.height()) / 2, sheet.width(), sheet.height());
}

QRectF TMarginPreview::TextRect() const
{
    const QRectF sheet = SheetRect();
    const qreal perTwip = sheet.width() / PageLayout::PageWidthTwips;
    const auto along = [perTwip](int Millimetres) {
        return PageLayout::Twips(Millimetres) * perTwip;
    };
    return sheet.adjusted(along(FLeft), along(FTop), -along(FRight), -along(FBottom));
}

void TMarginPreview::paintEvent(QPaintEvent* /*Event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet = SheetRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRect(sheet.translated(3, 3));
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    painter.setBrush(QColor(0xFC, 0xFC, 0xF6));
    painter.drawRect(sheet);

    const QRectF text = TextRect();
    if (text.width() <= 0 || text.height() <= 0)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE4, 0xE8, 0xF0));
    painter.drawRect(text);
    // Lines of text, the last of each paragraph shorter, kept inside the
    // text area.
    painter.save();
    painter.setClipRect(text);
    painter.setPen(QPen(QColor(0x70, 0x78, 0x90), 1));
    int line = 0;
    for (qreal y = text.top() + 3.5; y < text.bottom() - 2; y += 4.5, ++line) {
        const qreal width = (line % 5 == 4) ? text.width() * 0.5 : text.width() - 4;
        painter.drawLine(QPointF(text.left() + 2, y), QPointF(text.left() + 2 + width, y));
    }
    painter.restore();
    painter.setPen(QPen(QColor(0xD0, 0x30, 0x30), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(text);
}
