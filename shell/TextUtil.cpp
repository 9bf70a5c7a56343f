#include "shell/TextUtil.h"

namespace {
constexpr qsizetype ReplaceWindow = 255;
}

void ReplaceAll(QString& S, const QString& Find, const QString& Replacement)
{
    if (Find.isEmpty())
        return;
    qsizetype p = 0; // zero-based here; the window starts at p
    for (;;) {
        const qsizetype k = QStringView(S).mid(p, ReplaceWindow).indexOf(Find);
        if (k < 0)
            return;
        S.remove(p + k, Find.size());
        if (!Replacement.isEmpty()) {
            S.insert(p + k, Replacement);
            p += Replacement.size() + k;
        }
    }
}

QString StripPercent(const QString& Text)
{
    QString result = Text;
    result.remove(QLatin1Char('%'));
    return result;
}

QString PatternStartsWith(const QString& Text)
{
    const QString stripped = StripPercent(Text);
    return stripped.isEmpty() ? stripped : stripped + QLatin1Char('%');
}

QString PatternEndsWith(const QString& Text)
{
    const QString stripped = StripPercent(Text);
    return stripped.isEmpty() ? stripped : QLatin1Char('%') + stripped;
}

QString PatternContains(const QString& Text)
{
    const QString stripped = StripPercent(Text);
    return stripped.isEmpty() ? stripped : QLatin1Char('%') + stripped + QLatin1Char('%');
}

QString TrimBlanks(const QString& Text)
{
    qsizetype first = 0;
    qsizetype last = Text.size();
    while (first < last && Text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && Text.at(last - 1) == QLatin1Char(' '))
        --last;
    return Text.mid(first, last - first);
}
