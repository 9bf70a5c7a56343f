#pragma once

#include "controls/ShapeFaces.h"

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

// A picture button whose clickable area is the non-transparent part of its
// picture. It paints straight over its parent, so the parent's wallpaper
// shows wherever the picture has its key colour, and it grows its own raised,
// pressed and disabled faces from the one picture. Shaped buttons that share
// a parent may overlap: a press on a transparent part of the upper button is
// handed on to the buttons beneath.
class TShapeButton : public QWidget
{
    Q_OBJECT

public:
    explicit TShapeButton(QWidget* parent = nullptr);

    // The source picture; its pixel at (1,1) is the key colour. Setting it
    // rebuilds the faces and gives the button the picture's size.
    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& picture);

    // The faces as built (or as set, for stored faces). PictureDown is also
    // the mask of the hit test.
    const QImage& PictureUp() const { return FPictureUp; }
    void SetPictureUp(const QImage& face);
    const QImage& PictureDown() const { return FPictureDown; }
    void SetPictureDown(const QImage& face);
    const QImage& PictureDisabled() const { return FPictureDisabled; }
    void SetPictureDisabled(const QImage& face);

    // Rings of bevel, 0..2; anything else is taken as 2. 0 builds no faces.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int width);

    // Glass: areas of SemiTransparentColor show the wallpaper through every
    // other pixel and GlassColor in between. A change of SemiTransparentColor
    // takes effect with the next build of the faces; GlassColor rebuilds them
    // while glass is on.
    bool SemiTransparent() const { return FSemiTransparent; }
    void SetSemiTransparent(bool on);
    QColor SemiTransparentColor() const { return FSemiTransparentColor; }
    void SetSemiTransparentColor(const QColor& color);
    QColor GlassColor() const { return FGlassColor; }
    void SetGlassColor(const QColor& color);

    // Drawn centred on the face; a trailing "|" is not drawn.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    QColor FontColor() const { return FFontColor; }
    void SetFontColor(const QColor& color);

    // The key colour of the current picture (compare RGB only).
    QRgb KeyColor() const { return FKeyColor; }

    // True when the point (in button coordinates) is not on the shape: off
    // the picture, or on a key pixel of PictureDown whose right neighbour is
    // key as well. Looking at two pixels keeps every point of a glass area on
    // the shape.
    bool IsOutside(QPoint point) const;

    // State, mainly for the screens' own checks and for tests.
    bool IsDown() const { return FDown; }
    bool IsTracking() const { return FTracking; }
    bool IsMouseInside() const { return FMouseInside; }
    bool ForwardTarget() const { return FForwardTarget; }
    bool MayForward() const { return FMayForward; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // A left press and release on the shape.
    void clicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    using ButtonList = QList<QPointer<TShapeButton>>;

    void BuildFaces();
    void RefreshMasks();
    void SetDown(bool down);
    void ShowCursor(bool parentCursor);
    // All shaped buttons of the parent, this one included.
    QList<TShapeButton*> ShapedSiblings();

    // The handlers proper. Handed-on events call them directly on the
    // siblings; clicks are only collected here and fired once the whole event,
    // hand-on included, is done, so a click handler that runs a modal screen
    // finds every button in its normal state.
    void HandleMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void HandleMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos,
                       ButtonList& clicks);
    void HandleMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    template <typename Deliver> void HandOn(QPoint pos, Deliver deliver);

    QImage FPicture;
    QImage FPictureUp;
    QImage FPictureDown;
    QImage FPictureDisabled;
    QImage FMaskedUp;
    QImage FMaskedDown;
    QImage FMaskedDisabled;
    int FBevelWidth = 2;
    bool FSemiTransparent = false;
    QColor FSemiTransparentColor = Qt::black;
    QColor FGlassColor = Qt::white;
    QString FCaption;
    QColor FFontColor = Qt::black;
    QRgb FKeyColor = 0;

    bool FDown = false;
    bool FTracking = false;
    bool FMouseInside = false;
    bool FForwardTarget = true;
    bool FMayForward = true;
    bool FShowingParentCursor = false;
    QCursor FOwnCursor;
    bool FOwnCursorSet = false;
    QCursor FParentCursor;
};
