#include "tools/page/PageExportOptions.h"

#include <gtest/gtest.h>

namespace {

std::optional<TPageExportOptions> Parse(const QStringList& Arguments, QString& Error)
{
    return TPageExportOptions::Parse(Arguments, Error);
}

} // namespace

TEST(PageExportOptions, ReadsOptionsAnywhereAndDefaultsTheRest)
{
    QString error;
    const auto plain = Parse(
        {QStringLiteral("/data"), QStringLiteral("6"), QStringLiteral("12"), QStringLiteral("34")},
        error);
    ASSERT_TRUE(plain) << error.toStdString();
    EXPECT_EQ(plain->Format, TPageExportOptions::TFormat::Text);
    EXPECT_TRUE(plain->OutputFile.isEmpty());
    EXPECT_EQ(plain->DataSource, QStringLiteral("MUSARIX"));
    EXPECT_EQ(plain->DataDir, QStringLiteral("/data"));
    EXPECT_EQ(plain->Kind, 6);
    EXPECT_EQ(plain->Id, 12);
    EXPECT_EQ(plain->SubId, 34);

    const auto full =
        Parse({QStringLiteral("--dsn"), QStringLiteral("OTHER"), QStringLiteral("/d"),
               QStringLiteral("1"), QStringLiteral("--format"), QStringLiteral("pdf"),
               QStringLiteral("7"), QStringLiteral("--output"), QStringLiteral("out.pdf")},
              error);
    ASSERT_TRUE(full) << error.toStdString();
    EXPECT_EQ(full->Format, TPageExportOptions::TFormat::Pdf);
    EXPECT_EQ(full->OutputFile, QStringLiteral("out.pdf"));
    EXPECT_EQ(full->DataSource, QStringLiteral("OTHER"));
    EXPECT_EQ(full->Id, 7);
    EXPECT_EQ(full->SubId, 0);
}

TEST(PageExportOptions, RejectsWhatMakesNoSense)
{
    const QList<QStringList> bad = {
        {},
        {QStringLiteral("/d"), QStringLiteral("1")},
        {QStringLiteral("/d"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
         QStringLiteral("4")},
        {QStringLiteral("/d"), QStringLiteral("person"), QStringLiteral("2")},
        {QStringLiteral("/d"), QStringLiteral("1"), QStringLiteral("2a")},
        {QStringLiteral("--format"), QStringLiteral("rtf"), QStringLiteral("/d"),
         QStringLiteral("1"), QStringLiteral("2")},
        {QStringLiteral("/d"), QStringLiteral("1"), QStringLiteral("2"),
         QStringLiteral("--output")},
        {QStringLiteral("--verbose"), QStringLiteral("/d"), QStringLiteral("1"),
         QStringLiteral("2")},
    };
    for (const QStringList& arguments : bad) {
        QString error;
        EXPECT_FALSE(Parse(arguments, error)) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(error.isEmpty()) << arguments.join(QLatin1Char(' ')).toStdString();
    }
}
