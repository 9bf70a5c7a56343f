#pragma once

#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QUrl>

// How a link lives in the document: the visible text carries the link code
// as its anchor, so Qt's own anchor handling finds it under the mouse.
//
// Codes hold ":" "," blanks and umlauts ("P:Mahler, Gustav"). Qt hands a
// clicked anchor over as a QUrl, which would read "P:" as a scheme and fold
// blanks, so the code is percent-encoded behind a scheme of its own and
// decoded again on the way out.
class TLinkFormat
{
public:
    static QColor LinkColor() { return QColor(0, 0, 128); }

    static QString HrefForCode(const QString& Code);
    // The code of an href made by HrefForCode; empty for any other href.
    static QString CodeFromHref(const QString& Href);
    static QString CodeFromUrl(const QUrl& Url);

    // What a link run adds to the run's own format: anchor, underline, navy.
    static QTextCharFormat LinkCharFormat(const QString& Code);
    static bool IsLink(const QTextCharFormat& Format);
};
