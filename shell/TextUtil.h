#pragma once

#include <QString>

// Small text routines shared by the screens: the LIKE patterns of the search
// buttons, blank trimming, and the replacing that fills question templates.

// Replaces Find by Replacement in S, scanning a window of at most 255
// characters from the current position. The window is deliberate: question
// templates rely on the replacing stopping at an occurrence that lies beyond
// it, exactly as the stored templates were written for.
void ReplaceAll(QString& S, const QString& Find, const QString& Replacement);

// The text with every "%" removed.
QString StripPercent(const QString& Text);
// LIKE patterns built from a search text; an empty text stays empty.
QString PatternStartsWith(const QString& Text);
QString PatternEndsWith(const QString& Text);
QString PatternContains(const QString& Text);

// Removes leading and trailing blanks (character 32 only; tabs stay).
QString TrimBlanks(const QString& Text);
