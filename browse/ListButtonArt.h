#pragma once

#include "controls/MenuArt.h"

#include <QImage>
#include <QSize>

// The pictures of the list screens' buttons, drawn by the program itself in
// the manner of the menus: a rounded plate with a small sign and its word.
// The plates are source pictures for shaped buttons (the key colour at
// pixel (1,1) and all round the plate); the glyphs of the search-mode
// buttons are plain pictures on a transparent ground.
namespace ListButtonArt {

// No drawing uses this colour, so it can mark the transparent parts.
inline constexpr QRgb KeyColor = MenuArt::KeyColor;

// "Auswahl": a pointing hand on a green plate.
QImage SelectPicture(QSize Size);
// "Hauptmenü": an arrow home on a grey-green plate.
QImage MenuPicture(QSize Size);

// A line of text with the search term at its start, and with the term in
// its middle.
QImage StartGlyph(QSize Size);
QImage AnywhereGlyph(QSize Size);

} // namespace ListButtonArt
