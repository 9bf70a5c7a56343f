#include "controls/ShLabel.h"

#include <QPainter>
#include <QStyle>

TShadowLabel::TShadowLabel(QWidget* parent) : TShadowLabel(QString(), parent) {}

TShadowLabel::TShadowLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    // Captions are plain words; a "<" in one must not switch to rich text.
    setTextFormat(Qt::PlainText);
}

void TShadowLabel::SetSLSLShadowSize(quint8 size)
{
    if (size == FShadowSize) {
        return;
    }
    FShadowSize = size;
    updateGeometry();
    update();
}

void TShadowLabel::SetSLSLShadowColor(const QColor& color)
{
    if (color == FShadowColor) {
        return;
    }
    FShadowColor = color;
    update();
}

void TShadowLabel::SetSLSLTextStyle(TSLTextStyle style)
{
    if (style == FTextStyle) {
        return;
    }
    FTextStyle = style;
    updateGeometry();
    update();
}

QColor TShadowLabel::FontColor() const
{
    return palette().color(QPalette::Active, foregroundRole());
}

void TShadowLabel::SetFontColor(const QColor& color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Active, foregroundRole(), color);
    colors.setColor(QPalette::Inactive, foregroundRole(), color);
    setPalette(colors);
}

QPoint TShadowLabel::ShadowOffset() const
{
    const int s = FShadowSize;
    switch (FTextStyle) {
    case tsUpperLeft:
        return {-s, -s};
    case tsUpperRight:
        return {s, -s};
    case tsLowerLeft:
        return {-s, s};
    case tsLowerRight:
        return {s, s};
    case tsNone:
        break;
    }
    return {};
}

QSize TShadowLabel::sizeHint() const
{
    // Room for the shadow, so that a label sized to its text keeps it whole.
    const QPoint offset = ShadowOffset();
    return QLabel::sizeHint() + QSize(qAbs(offset.x()), qAbs(offset.y()));
}

QSize TShadowLabel::minimumSizeHint() const
{
    const QPoint offset = ShadowOffset();
    return QLabel::minimumSizeHint() + QSize(qAbs(offset.x()), qAbs(offset.y()));
}

int TShadowLabel::TextFlags() const
{
    int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    if (wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    return flags | Qt::TextShowMnemonic;
}

QRect TShadowLabel::TextRect() const
{
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int gap = indent();
    if (gap > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft) {
            area.setLeft(area.left() + gap);
        }
        if (align & Qt::AlignRight) {
            area.setRight(area.right() - gap);
        }
        if (align & Qt::AlignTop) {
            area.setTop(area.top() + gap);
        }
        if (align & Qt::AlignBottom) {
            area.setBottom(area.bottom() - gap);
        }
    }
    return area;
}

void TShadowLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QString caption = text();
    if (caption.isEmpty()) {
        return;
    }
    painter.setFont(font());
    const QRect area = TextRect();
    const int flags = TextFlags();
    if (FTextStyle != tsNone) {
        painter.setPen(FShadowColor);
        painter.drawText(area.translated(ShadowOffset()), flags, caption);
    }
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, flags, caption);
}
