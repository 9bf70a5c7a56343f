#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QRect>
#include <QWidget>

// Pictures and mouse input shared by the control tests.

constexpr QRgb KeyMagenta = 0xFFFF00FF;
constexpr QRgb ShapeBlue = 0xFF3070C0;

// A source picture of the given size in the key colour with a solid
// rectangle of shape colour in it.
inline QImage RectanglePicture(QSize size, QRect shape, QRgb shapeColor = ShapeBlue)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(KeyMagenta);
    for (int y = shape.top(); y <= shape.bottom(); ++y) {
        for (int x = shape.left(); x <= shape.right(); ++x) {
            picture.setPixel(x, y, shapeColor);
        }
    }
    return picture;
}

inline QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

// The smallest rectangle holding every pixel of one colour inside Area
// (null when there is none).
inline QRect BoundsOf(const QImage& image, QRgb color, QRect area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Rgb(image, x, y) == (color & 0xFFFFFFu)) {
                bounds = bounds.united(QRect(x, y, 1, 1));
            }
        }
    }
    return bounds;
}

inline int CountOf(const QImage& image, QRgb color, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Rgb(image, x, y) == (color & 0xFFFFFFu)) {
                ++count;
            }
        }
    }
    return count;
}

// Mouse input delivered straight to one widget, the way the widget gets it
// while it holds the mouse after a press.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void PressLeft(QWidget* widget, QPoint pos)
{
    SendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}

inline void DragTo(QWidget* widget, QPoint pos)
{
    SendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

inline void HoverTo(QWidget* widget, QPoint pos)
{
    SendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

inline void ReleaseLeft(QWidget* widget, QPoint pos)
{
    SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}
