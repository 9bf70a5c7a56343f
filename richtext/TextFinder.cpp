#include "richtext/TextFinder.h"

TTextFinder::TTextFinder(const QString& Pattern, QChar Wildcard)
{
    // Leading and trailing wildcards add nothing when each takes as little as
    // it can; empty pieces between two wildcards add nothing either.
    for (const QString& piece : Pattern.split(Wildcard, Qt::SkipEmptyParts))
        FPieces.append(piece);
}

QList<TTextFinder::THit> TTextFinder::FindAll(const QString& Text) const
{
    QList<THit> hits;
    if (FPieces.isEmpty())
        return hits;
    qsizetype from = 0;
    while (from < Text.size()) {
        const qsizetype start = Text.indexOf(FPieces.first(), from, Qt::CaseInsensitive);
        if (start < 0)
            break;
        qsizetype end = start + FPieces.first().size();
        bool complete = true;
        for (qsizetype i = 1; i < FPieces.size(); ++i) {
            const qsizetype next = Text.indexOf(FPieces.at(i), end, Qt::CaseInsensitive);
            if (next < 0) {
                complete = false;
                break;
            }
            end = next + FPieces.at(i).size();
        }
        // When the later pieces are missing after this start they are missing
        // after every later start too.
        if (!complete)
            break;
        hits.append({static_cast<int>(start), static_cast<int>(end - start)});
        from = end;
    }
    return hits;
}
