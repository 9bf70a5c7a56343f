// The RTF the catalogue builder writes, read back: real stored texts.

#include "richtext/WPRichText.h"
#include "richtext/tests/RtfSamples.h"
#include "tools/Markup.h"
#include "tools/SourceText.h"

#include <QDirIterator>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace RtfSamples;

namespace {
QByteArray BuilderRtf(const std::vector<std::string>& Lines)
{
    return QByteArray::fromStdString(MarkupToRtf(Lines, "test.txt", nullptr));
}
} // namespace

TEST(RtfBuilder, ReadsEveryCatalogueTextWithAllItsLinks)
{
    // Every long text of the demo catalogue, as the builder stores it: it
    // reads completely, no markup or RTF shows, and its links arrive in
    // order with their codes exactly as the markup gives them.
    const QRegularExpression linkMarkup(
        QStringLiteral(R"(\[((?:[^\]\\]|\\.)+)\]\(((?:[^()]|\([^()]*\))*)\))"));
    int texts = 0;
    QDirIterator files(QStringLiteral(MUSARIX_CATALOGUE_SOURCE "/texts"), {QStringLiteral("*.txt")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const std::vector<std::string> lines = ReadSourceLines(path.toStdString(), "text");
        QStringList codes;
        for (const std::string& line : lines) {
            auto match = linkMarkup.globalMatch(QString::fromStdString(line));
            while (match.hasNext())
                codes.append(match.next().captured(2).trimmed());
        }
        TWPRichText view;
        EXPECT_TRUE(view.AppendRtf(BuilderRtf(lines), {})) << path.toStdString();
        const QString text = view.document()->toPlainText();
        EXPECT_FALSE(text.contains(QStringLiteral("](")) || text.contains(QLatin1Char('\\')))
            << path.toStdString();
        QStringList read;
        for (const TWPRichText::TLink& link : view.Links())
            read.append(link.Code);
        EXPECT_EQ(read, codes) << path.toStdString();
        ++texts;
    }
    EXPECT_GT(texts, 10);
}

TEST(RtfBuilder, ReadsTheBuildersFormOfABiography)
{
    // Literally what the builder writes for a short biography.
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 "
        "Ihre Lehrerin {\\ul Ruth Marlow}{\\v P:Marlow, Ruth} brachte ihr Harmonielehre bei.\\par\n"
        "Das Musical {\\ul Leuchtturm}{\\v f:6}. \\b Stil:\\b0  norddeutscher Beat}";
    TWPRichText view;
    ASSERT_TRUE(view.AppendRtf(rtf, {}));
    EXPECT_EQ(view.document()->toPlainText(),
              QStringLiteral("Ihre Lehrerin Ruth Marlow brachte ihr Harmonielehre bei.\n"
                             "Das Musical Leuchtturm. Stil: norddeutscher Beat"));
    const QList<TWPRichText::TLink> links = view.Links();
    ASSERT_EQ(links.size(), 2);
    EXPECT_EQ(links[0].Text, QStringLiteral("Ruth Marlow"));
    EXPECT_EQ(links[0].Code, QStringLiteral("P:Marlow, Ruth"));
    EXPECT_EQ(links[1].Text, QStringLiteral("Leuchtturm"));
    EXPECT_EQ(links[1].Code, QStringLiteral("f:6"));
    EXPECT_EQ(
        FormatAt(*view.document(), Find(*view.document(), QStringLiteral("Stil:"))).fontWeight(),
        QFont::Bold);
    EXPECT_DOUBLE_EQ(FormatAt(*view.document(), 0).fontPointSize(), 10.0);
}

TEST(RtfBuilder, ReadsEveryCharacterTheBuilderEscapes)
{
    const std::vector<std::string> lines = {
        "„Grüße“ für 5 € – *kursiv* und **fett**, {geschweift} \\\\ Zeile\\",
        "zwei\tmit Tab, łódź, ♫ und 🎵", "", "[Ärzte & Söhne](B:Die Ärzte, Söhne (1982)) am Ende"};
    QTextDocument doc;
    const TRead read = Read(doc, BuilderRtf(lines));
    ASSERT_TRUE(read.Complete);
    EXPECT_EQ(read.Text,
              QString::fromUtf8("„Grüße“ für 5 € – kursiv und fett, {geschweift} \\ Zeile\n"
                                "zwei\tmit Tab, łódź, ♫ und 🎵\nÄrzte & Söhne am Ende"));
    EXPECT_TRUE(FormatAt(doc, Find(doc, QStringLiteral("kursiv"))).fontItalic());
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("fett"))).fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("geschweift"))).fontItalic());
    TWPRichText view;
    view.AppendRtf(BuilderRtf(lines), {});
    ASSERT_EQ(view.Links().size(), 1);
    EXPECT_EQ(view.Links()[0].Text, QString::fromUtf8("Ärzte & Söhne"));
    EXPECT_EQ(view.Links()[0].Code, QString::fromUtf8("B:Die Ärzte, Söhne (1982)"));
}
