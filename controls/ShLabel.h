#pragma once

#include <QColor>
#include <QLabel>

// Where the shadow of a shadow label falls, seen from the text.
enum TSLTextStyle { tsNone, tsUpperLeft, tsUpperRight, tsLowerLeft, tsLowerRight };

// A label that draws its text twice: first offset in the shadow colour, then
// in place in the font colour. Alignment, word wrap, font and transparency
// behave as for a plain label; an "&" marks the accelerator character as it
// does on a plain label of the old program, and "&&" stands for "&".
class TShadowLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TShadowLabel(QWidget* parent = nullptr);
    explicit TShadowLabel(const QString& text, QWidget* parent = nullptr);

    quint8 SLSLShadowSize() const { return FShadowSize; }
    void SetSLSLShadowSize(quint8 size);
    QColor SLSLShadowColor() const { return FShadowColor; }
    void SetSLSLShadowColor(const QColor& color);
    TSLTextStyle SLSLTextStyle() const { return FTextStyle; }
    void SetSLSLTextStyle(TSLTextStyle style);

    // The text colour (the palette's window text).
    QColor FontColor() const;
    void SetFontColor(const QColor& color);

    // Where the shadow lies relative to the text; (0,0) for tsNone.
    QPoint ShadowOffset() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int TextFlags() const;
    QRect TextRect() const;

    quint8 FShadowSize = 2;
    QColor FShadowColor = QColor(0x80, 0x80, 0x80);
    TSLTextStyle FTextStyle = tsLowerRight;
};
