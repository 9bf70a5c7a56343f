#pragma once

#include "controls/MenuArt.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// The button pictures of the output screen and the margins dialog, drawn by
// the program itself in the manner of the menus' pictures: each is a source
// picture for a shaped button, opaque where the button is and the key colour
// everywhere else, with a free margin all round for the bevel rings.
namespace OutputArt {

enum class TOutputMotif {
    Back,          // an arrow turning back to the page
    PrinterChoice, // a printer with a selection list beside it
    Clipboard,     // a clipboard with a written sheet
    Print,         // a printer with a printed sheet coming out
    Margins,       // a page with its margins and a ruler along the top
    Ok,            // a tick
    Cancel,        // a cross
};

// No drawing uses this colour, so it marks the transparent parts.
inline constexpr QRgb KeyColor = MenuArt::KeyColor;

// A square tile: the motif large on top, Caption in one line at its foot.
QImage TilePicture(TOutputMotif Motif, QSize Size, const QString& Caption);

// A flat plate: the motif on the left, Caption beside it.
QImage PlatePicture(TOutputMotif Motif, QSize Size, const QString& Caption);

// Draws the motif fitted and centred into Box, antialiased, on whatever the
// painter holds.
void DrawMotif(QPainter& Painter, TOutputMotif Motif, const QRectF& Box);

} // namespace OutputArt
