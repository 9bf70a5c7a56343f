#pragma once

#include <QChar>
#include <QList>
#include <QString>

// Finds a search pattern in one paragraph's text, ignoring case. The wildcard
// character stands for any run of characters (also none) inside the
// paragraph; a pattern that is only wildcards finds nothing, so that a search
// for "*" does not colour the whole page.
class TTextFinder
{
public:
    struct THit
    {
        int Start = 0;
        int Length = 0;
    };

    TTextFinder(const QString& Pattern, QChar Wildcard);

    bool IsEmpty() const { return FPieces.isEmpty(); }
    // Every hit in Text, left to right, not overlapping. Each wildcard takes
    // as few characters as it can, so "Ma*er" finds "Mahler" and not the
    // whole line up to the last "er".
    QList<THit> FindAll(const QString& Text) const;

private:
    QStringList FPieces;
};
