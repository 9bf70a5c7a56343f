#pragma once

// What the output tests need to know of a PDF file written by a print: that
// it is one, its pages' sizes, and where the text lies on the first page.
// Reads the files Qt's PDF writer produces (page dictionaries in plain text,
// content streams deflated); no PDF library is needed.

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

struct TPdfFacts
{
    bool IsPdf = false;
    // The MediaBox of every page, in points.
    QList<QSizeF> PageSizes;
    // The origin of the first glyph of every text line of the first page, in
    // points from the page's top left corner, top to bottom.
    QList<QPointF> LineStarts;

    // Leftmost line start and the first line's baseline, in points.
    qreal TextLeft() const;
    qreal FirstBaseline() const;
};

TPdfFacts ReadPdfFacts(const QString& FileName);
