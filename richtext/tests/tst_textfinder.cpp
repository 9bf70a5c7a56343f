// The in-page finder's matching: case, wildcard, hits that do not overlap.

#include "richtext/TextFinder.h"

#include <gtest/gtest.h>

namespace {
QList<std::pair<int, int>> Hits(const QString& Pattern, const QString& Text)
{
    QList<std::pair<int, int>> hits;
    for (const TTextFinder::THit& hit : TTextFinder(Pattern, QLatin1Char('*')).FindAll(Text))
        hits.append({hit.Start, hit.Length});
    return hits;
}
using Expected = QList<std::pair<int, int>>;
} // namespace

TEST(TextFinder, FindsEveryOccurrenceIgnoringCaseAndUmlautCase)
{
    EXPECT_EQ(Hits(QStringLiteral("band"), QStringLiteral("Band, BAND und Bandleader")),
              (Expected{{0, 4}, {6, 4}, {15, 4}}));
    EXPECT_EQ(Hits(QString::fromUtf8("ÜBER"), QString::fromUtf8("über Über")),
              (Expected{{0, 4}, {5, 4}}));
    EXPECT_EQ(Hits(QStringLiteral("aa"), QStringLiteral("aaaa")), (Expected{{0, 2}, {2, 2}}));
}

TEST(TextFinder, WildcardSpansAsLittleAsPossible)
{
    EXPECT_EQ(Hits(QStringLiteral("Ma*er"), QStringLiteral("Mahler und Mayer, later")),
              (Expected{{0, 6}, {11, 5}}));
    // Leading and trailing wildcards add nothing to a hit.
    EXPECT_EQ(Hits(QStringLiteral("*ton*"), QStringLiteral("Ton und Tonleiter")),
              (Expected{{0, 3}, {8, 3}}));
    EXPECT_EQ(Hits(QStringLiteral("a**c"), QStringLiteral("abc")), (Expected{{0, 3}}));
}

TEST(TextFinder, FindsNothingForMissingTextAndBareWildcards)
{
    EXPECT_TRUE(Hits(QStringLiteral("Oboe"), QStringLiteral("Geige und Bratsche")).isEmpty());
    EXPECT_TRUE(Hits(QStringLiteral("Gei*Oboe"), QStringLiteral("Geige und Bratsche")).isEmpty());
    EXPECT_TRUE(TTextFinder(QStringLiteral("**"), QLatin1Char('*')).IsEmpty());
    EXPECT_TRUE(Hits(QString(), QStringLiteral("text")).isEmpty());
}
