#include "shell/TextUtil.h"

#include <gtest/gtest.h>

namespace {

QString Replaced(QString s, const QString& find, const QString& replacement)
{
    ReplaceAll(s, find, replacement);
    return s;
}

TEST(ReplaceAll, ReplacesEveryOccurrenceWithinReach)
{
    EXPECT_EQ(Replaced(QStringLiteral("aXbXc"), QStringLiteral("X"), QStringLiteral("-")),
              QStringLiteral("a-b-c"));
    EXPECT_EQ(Replaced(QStringLiteral("aXbXc"), QStringLiteral("X"), QString()),
              QStringLiteral("abc"));
    EXPECT_EQ(Replaced(QStringLiteral("%1 und %1"), QStringLiteral("%1"), QStringLiteral("Bach")),
              QStringLiteral("Bach und Bach"));
    // Nothing to look for leaves the text alone.
    EXPECT_EQ(Replaced(QStringLiteral("abc"), QString(), QStringLiteral("-")),
              QStringLiteral("abc"));
}

TEST(ReplaceAll, ContinuesAfterTheInsertedText)
{
    // A replacement that contains the marker must not be replaced again.
    EXPECT_EQ(Replaced(QStringLiteral("XX"), QStringLiteral("X"), QStringLiteral("XX")),
              QStringLiteral("XXXX"));
    EXPECT_EQ(Replaced(QStringLiteral("aXa"), QStringLiteral("a"), QStringLiteral("ba")),
              QStringLiteral("baXba"));
}

TEST(ReplaceAll, StopsAtAnOccurrenceBeyondTheWindow)
{
    const QString gap(300, QLatin1Char('.'));
    EXPECT_EQ(Replaced(QStringLiteral("X") + gap + QStringLiteral("X"), QStringLiteral("X"),
                       QStringLiteral("-")),
              QStringLiteral("-") + gap + QStringLiteral("X"));

    // With an empty replacement the window does not move either.
    EXPECT_EQ(Replaced(gap + QStringLiteral("X"), QStringLiteral("X"), QString()),
              gap + QStringLiteral("X"));

    // The last position inside the window is still found ...
    const QString inside(254, QLatin1Char('.'));
    EXPECT_EQ(Replaced(inside + QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("-")),
              inside + QStringLiteral("-"));
    // ... but an occurrence that crosses the window's end is not.
    EXPECT_EQ(Replaced(inside + QStringLiteral("XY"), QStringLiteral("XY"), QStringLiteral("-")),
              inside + QStringLiteral("XY"));
}

TEST(Patterns, BuildLikePatternsWithoutStrayPercents)
{
    EXPECT_EQ(PatternContains(QStringLiteral("Beat%les")), QStringLiteral("%Beatles%"));
    EXPECT_EQ(PatternStartsWith(QStringLiteral("%Bach")), QStringLiteral("Bach%"));
    EXPECT_EQ(PatternEndsWith(QStringLiteral("Bach%")), QStringLiteral("%Bach"));
    EXPECT_EQ(StripPercent(QStringLiteral("%1%0%")), QStringLiteral("10"));
    for (const QString& empty : {QString(), QStringLiteral("%"), QStringLiteral("%%%")}) {
        EXPECT_TRUE(PatternContains(empty).isEmpty());
        EXPECT_TRUE(PatternStartsWith(empty).isEmpty());
        EXPECT_TRUE(PatternEndsWith(empty).isEmpty());
    }
    // The underscore stays a wildcard for the database, umlauts stay letters.
    EXPECT_EQ(PatternStartsWith(QStringLiteral("M_ller")), QStringLiteral("M_ller%"));
    EXPECT_EQ(PatternContains(QStringLiteral("Größe")), QStringLiteral("%Größe%"));
}

TEST(TrimBlanks, RemovesOnlyBlanks)
{
    EXPECT_EQ(TrimBlanks(QStringLiteral("  Rock  ")), QStringLiteral("Rock"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("\tRock \t")), QStringLiteral("\tRock \t"));
    EXPECT_EQ(TrimBlanks(QStringLiteral(" Rock 'n' Roll ")), QStringLiteral("Rock 'n' Roll"));
    EXPECT_TRUE(TrimBlanks(QStringLiteral("    ")).isEmpty());
    EXPECT_TRUE(TrimBlanks(QString()).isEmpty());
}

} // namespace
