#pragma once

#include <QWidget>

// A small drawn page beside the margin fields of the margins dialog: the
// sheet in the proportions of the printed page, the text area inside the
// four margins grey with lines, so that a change of a field shows at once.
class TMarginPreview : public QWidget
{
    Q_OBJECT

public:
    explicit TMarginPreview(QWidget* Parent = nullptr);

    // Margins in millimetres.
    void SetMargins(int Left, int Right, int Top, int Bottom);

    // The sheet and the text area within the widget, in pixels.
    QRectF SheetRect() const;
    QRectF TextRect() const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int FLeft = 0;
    int FRight = 0;
    int FTop = 0;
    int FBottom = 0;
};
