#pragma once

#include "controls/MenuMotifs.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

// The button pictures of the menus, drawn by the program itself. Every
// picture is a source picture for a shaped button: opaque where the button
// is, the key colour everywhere else, with a free margin all round for the
// bevel rings the button grows.
namespace MenuArt {

// No drawing uses this colour, so it can mark the transparent parts.
inline constexpr QRgb KeyColor = 0xFFFF00FF;

// An object of the main menu: the motif as large as it fits, and a small
// plate with Caption at its foot when a caption is given.
QImage ObjectPicture(TMotif Motif, QSize Size, const QString& Caption = QString());

// A topic menu's button: a rounded plate in Color, the motif on the left and
// the text beside it, on up to two lines.
QImage PlatePicture(TMotif Motif, QSize Size, const QString& Text, const QColor& Color);

// A larger topic menu's button: the motif on top and the text below.
QImage TilePicture(TMotif Motif, QSize Size, const QString& Text, const QColor& Color);

// Turns a drawing on a transparent ground into a source picture: pixels that
// are mostly covered keep their colour, the rest become the key colour.
QImage Keyed(const QImage& Drawing);

// The font of all texts on the pictures (bold, the given pixel size).
QFont PictureFont(int PixelSize);

} // namespace MenuArt
