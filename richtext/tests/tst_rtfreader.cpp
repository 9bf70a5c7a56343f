// The RTF reader on well-formed texts: one group of cases per feature.

#include "richtext/LinkFormat.h"
#include "richtext/tests/RtfSamples.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace RtfSamples;

namespace {
QByteArray Rtf(const QByteArray& Body)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 " + Body +
           "}";
}
} // namespace

TEST(RtfReader, ReadsBoldItalicUnderlineAndStrikeRuns)
{
    QTextDocument doc;
    const TRead read = Read(doc, Rtf("plain \\b bold\\b0  \\i italic\\i0  {\\ul under}"
                                     "{\\strike gone} \\ul u2\\ulnone  tail"));
    ASSERT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("plain bold italic undergone u2 tail"));
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("plain"))).fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("bold"))).fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatAt(doc, Find(doc, QStringLiteral("italic"))).fontItalic());
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("italic"))).fontWeight() == QFont::Bold);
    EXPECT_TRUE(FormatAt(doc, Find(doc, QStringLiteral("under"))).fontUnderline());
    EXPECT_TRUE(FormatAt(doc, Find(doc, QStringLiteral("gone"))).fontStrikeOut());
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("gone"))).fontUnderline());
    EXPECT_TRUE(FormatAt(doc, Find(doc, QStringLiteral("u2"))).fontUnderline());
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("tail"))).fontUnderline());
}

TEST(RtfReader, GroupsRestoreFormattingAndPlainResetsIt)
{
    QTextDocument doc;
    const TRead read =
        Read(doc, Rtf("{\\b in {\\i deep} back} out \\b\\i\\fs40 big\\plain  small"));
    EXPECT_EQ(read.Text, QStringLiteral("in deep back out big small"));
    EXPECT_TRUE(FormatAt(doc, Find(doc, QStringLiteral("deep"))).fontItalic());
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("deep"))).fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("back"))).fontItalic());
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("out"))).fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(FormatAt(doc, Find(doc, QStringLiteral("out"))).fontPointSize(), 10.0);
    EXPECT_DOUBLE_EQ(FormatAt(doc, Find(doc, QStringLiteral("big"))).fontPointSize(), 20.0);
    // \plain: back to RTF's defaults (12 pt, nothing set).
    const QTextCharFormat small = FormatAt(doc, Find(doc, QStringLiteral("small")));
    EXPECT_DOUBLE_EQ(small.fontPointSize(), 12.0);
    EXPECT_FALSE(small.fontItalic());
    EXPECT_EQ(small.fontWeight(), QFont::Normal);
}

TEST(RtfReader, DecodesWindows1252EscapesIncludingTheTypographicRange)
{
    QTextDocument doc;
    const TRead read = Read(
        doc, Rtf("\\'84Gr\\'fc\\'dfe\\'93 \\'80 5 \\'96 6\\'85 \\'e4\\'f6\\'fc\\'c4 \\'8a\\'9f"));
    ASSERT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QString::fromUtf8("„Grüße“ € 5 – 6… äöüÄ ŠŸ"));
    // Raw 8-bit bytes in the text are Windows-1252 as well.
    QTextDocument raw;
    EXPECT_EQ(Read(raw, Rtf("\x80 \xe4")).Text, QString::fromUtf8("€ ä"));
}

TEST(RtfReader, ReadsUnicodeEscapesWithTheirFallbacks)
{
    QTextDocument doc;
    // \uc1 (the default): one fallback character follows and is skipped,
    // also when it is an escape. \uc0: none. \uc2: two.
    EXPECT_EQ(Read(doc, Rtf("A\\u8364?B\\u1046\\'3fC")).Text, QString::fromUtf8("A€BЖC"));
    QTextDocument doc0;
    EXPECT_EQ(Read(doc0, Rtf("\\uc0\\u8364 B")).Text, QString::fromUtf8("€B"));
    QTextDocument doc2;
    EXPECT_EQ(Read(doc2, Rtf("\\uc2\\u322 xyZ")).Text, QString::fromUtf8("łZ"));
    // \uc in a group holds only there.
    QTextDocument scoped;
    EXPECT_EQ(Read(scoped, Rtf("{\\uc0 \\u322}\\u322 ?!")).Text, QString::fromUtf8("łł!"));
}

TEST(RtfReader, ReadsNegativeUnicodeValuesAndSurrogatePairs)
{
    QTextDocument doc;
    // Values above 32767 come as negative numbers: -497 is U+FE0F ... and
    // U+1F3B5 (musical note) is the pair -10180, -8267.
    const TRead read = Read(doc, Rtf("\\u-1?x\\u-10180?\\u-8267?y"));
    EXPECT_EQ(read.Text, QString(QChar(0xFFFF)) + QStringLiteral("x") +
                             QString::fromUcs4(U"\U0001F3B5") + QStringLiteral("y"));
}

TEST(RtfReader, KeepsFontAndColourTablesOutOfTheText)
{
    QTextDocument doc;
    const TRead read = Read(doc, "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}"
                                 "{\\f1\\fswiss Arial;}\\f2\\fmodern Courier New;}"
                                 "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
                                 "{\\*\\generator Riched20 10.0;}"
                                 "default \\f0 serif \\f2 mono \\cf1 red\\cf2  green\\cf0  auto}");
    ASSERT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("default serif mono red green auto"));
    EXPECT_EQ(
        FormatAt(doc, Find(doc, QStringLiteral("default"))).fontFamilies().toStringList().first(),
        QStringLiteral("Arial"));
    const QStringList serif =
        FormatAt(doc, Find(doc, QStringLiteral("serif"))).fontFamilies().toStringList();
    EXPECT_EQ(serif,
              (QStringList{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}));
    EXPECT_EQ(
        FormatAt(doc, Find(doc, QStringLiteral("mono"))).fontFamilies().toStringList().first(),
        QStringLiteral("Courier New"));
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("red"))).foreground().color(),
              QColor(255, 0, 0));
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("green"))).foreground().color(),
              QColor(0, 128, 0));
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("auto"))).foreground().style(), Qt::NoBrush);
}

TEST(RtfReader, SkipsIgnorableAndHeaderDestinations)
{
    QTextDocument doc;
    const TRead read = Read(
        doc, Rtf("{\\*\\generator Msftedit 5.41;}{\\info{\\title Secret}{\\author Me}}"
                 "{\\stylesheet{\\s1 Heading 1;}}{\\*\\unknowndest {nested} text}"
                 "{\\header Page header}visible{\\*\\bkmkstart mark}{\\*\\bkmkend mark} text"));
    ASSERT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("visible text"));
}

TEST(RtfReader, IgnoresUnknownControlWordsButKeepsTheirText)
{
    QTextDocument doc;
    // The blank after a control word ends the word and is no text.
    const TRead read = Read(doc, Rtf("a\\frobnicate42 b\\lang1031\\langfe1033 c\\noproof d"));
    EXPECT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("abcd"));
}

TEST(RtfReader, BreaksParagraphsAndLinesAndReadsTabsAndSymbols)
{
    QTextDocument doc;
    const TRead read = Read(doc, Rtf("one\\par two\\line three\\tab four\\par\n"
                                     "\\ldblquote q\\rdblquote \\emdash\\~x\\{y\\}\\\\"));
    EXPECT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(doc.begin().text(), QStringLiteral("one"));
    EXPECT_EQ(doc.begin().next().text(),
              QStringLiteral("two") + QChar(QChar::LineSeparator) + QStringLiteral("three\tfour"));
    EXPECT_EQ(doc.lastBlock().text(), QString::fromUtf8("“q”—\u00A0x{y}\\"));
    EXPECT_TRUE(read.Complete);
}

TEST(RtfReader, AppliesAlignmentAndIndentsPerParagraph)
{
    QTextDocument doc;
    // 1440 twips are one inch: 96 pixels at 96 dpi.
    Read(doc, Rtf("\\qc centred\\par\\pard\\qr\\li1440\\ri720\\fi-360\\sb240\\sa120 right\\par"
                  "\\pard\\qj just\\par\\pard plain"));
    QTextBlock block = doc.begin();
    EXPECT_EQ(block.blockFormat().alignment(), Qt::AlignHCenter);
    block = block.next();
    const QTextBlockFormat right = block.blockFormat();
    EXPECT_EQ(right.alignment(), Qt::AlignRight);
    EXPECT_DOUBLE_EQ(right.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(right.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(right.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(right.topMargin(), 16.0);
    EXPECT_DOUBLE_EQ(right.bottomMargin(), 8.0);
    block = block.next();
    EXPECT_EQ(block.blockFormat().alignment(), Qt::AlignJustify);
    block = block.next();
    EXPECT_EQ(block.text(), QStringLiteral("plain"));
    EXPECT_EQ(block.blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), 0.0);
}

TEST(RtfReader, TurnsHiddenTextAfterUnderlinedTextIntoItsLinkCode)
{
    QTextDocument doc;
    const TRead read = Read(doc, Rtf("Lehrerin {\\ul Ruth Marlow}{\\v P:Marlow, Ruth} und "
                                     "{\\ul seine \\b Band}{\\v  b:3 } sowie{\\v lost}."));
    ASSERT_TRUE(read.Complete);
    // Codes are not text of the page.
    EXPECT_EQ(read.Text, QStringLiteral("Lehrerin Ruth Marlow und seine Band sowie."));
    const QTextCharFormat ruth = FormatAt(doc, Find(doc, QStringLiteral("Ruth")));
    EXPECT_TRUE(ruth.isAnchor());
    EXPECT_EQ(TLinkFormat::CodeFromHref(ruth.anchorHref()), QStringLiteral("P:Marlow, Ruth"));
    EXPECT_EQ(ruth.foreground().color(), TLinkFormat::LinkColor());
    // The link covers the whole underlined stretch, whatever its formats.
    const QTextCharFormat band = FormatAt(doc, Find(doc, QStringLiteral("Band")));
    const QTextCharFormat seine = FormatAt(doc, Find(doc, QStringLiteral("seine")));
    EXPECT_EQ(TLinkFormat::CodeFromHref(band.anchorHref()), QStringLiteral("b:3"));
    EXPECT_EQ(seine.anchorHref(), band.anchorHref());
    EXPECT_EQ(band.fontWeight(), QFont::Bold);
    // Hidden text after plain text has nothing to belong to.
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("sowie"))).isAnchor());
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("und"))).isAnchor());
}

TEST(RtfReader, DropsHiddenTextThatFollowsNoVisibleRun)
{
    QTextDocument doc;
    const TRead read = Read(doc, Rtf("{\\v p:1}start {\\ul a}\\par{\\v p:2}b"));
    EXPECT_EQ(read.Text, QStringLiteral("start a\nb"));
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("a"))).isAnchor());
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("b"))).isAnchor());
}

TEST(RtfReader, MakesHyperlinkFieldResultsLinks)
{
    QTextDocument doc;
    const TRead read = Read(
        doc, Rtf("see {\\field{\\*\\fldinst{HYPERLINK \"https://example.org/a b\" \\\\o \"tip\"}}"
                 "{\\fldrslt{\\ul\\cf1 the site}}} and {\\field{\\*\\fldinst HYPERLINK \\\\l "
                 "\"mark\"}{\\fldrslt here}} and {\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}."));
    ASSERT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("see the site and here and 7."));
    EXPECT_EQ(
        TLinkFormat::CodeFromHref(FormatAt(doc, Find(doc, QStringLiteral("site"))).anchorHref()),
        QStringLiteral("https://example.org/a b"));
    EXPECT_EQ(
        TLinkFormat::CodeFromHref(FormatAt(doc, Find(doc, QStringLiteral("here"))).anchorHref()),
        QStringLiteral("mark"));
    EXPECT_FALSE(FormatAt(doc, Find(doc, QStringLiteral("7"))).isAnchor());
}

TEST(RtfReader, ReadsPngPicturesAtTheirGoalSize)
{
    const QImage picture = TestPicture(20, 10);
    QTextDocument doc;
    const TRead read =
        Read(doc, Rtf("before{\\pict\\pngblip\\picw20\\pich10\\picwgoal600\\pichgoal300 " +
                      PngHex(picture) + "}after"));
    ASSERT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("before") + QChar(QChar::ObjectReplacementCharacter) +
                             QStringLiteral("after"));
    QString name;
    const QImage shown = FirstPicture(doc, &name);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), picture);
    const QTextImageFormat format = FormatAt(doc, 6).toImageFormat();
    // 600 twips at 96 dpi are 40 pixels.
    EXPECT_DOUBLE_EQ(format.width(), 40.0);
    EXPECT_DOUBLE_EQ(format.height(), 20.0);
}

TEST(RtfReader, ReadsDeviceIndependentBitmapsAndScales)
{
    const QImage picture = TestPicture(7, 5); // odd width: padded rows
    QTextDocument doc;
    Read(doc, Rtf("{\\pict\\dibitmap0\\picw7\\pich5\\picscalex200\\picscaley100\n" +
                  Dib24Hex(picture) + "}"));
    const QImage shown = FirstPicture(doc);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), picture);
    const QTextImageFormat format = FormatAt(doc, 0).toImageFormat();
    EXPECT_DOUBLE_EQ(format.width(), 14.0);
    EXPECT_DOUBLE_EQ(format.height(), 5.0);

    // The same DIB behind \wbitmap, and once as raw bits with \bin.
    QTextDocument wdoc;
    Read(wdoc, Rtf("{\\pict\\wbitmap0\\picw7\\pich5 " + Dib24Hex(picture) + "}"));
    EXPECT_EQ(FirstPicture(wdoc).convertToFormat(QImage::Format_RGB32), picture);
    QTextDocument bdoc;
    const QByteArray raw = QByteArray::fromHex(Dib24Hex(picture));
    Read(bdoc, Rtf("{\\pict\\dibitmap0\\bin" + QByteArray::number(raw.size()) + " " + raw + "}"));
    EXPECT_EQ(FirstPicture(bdoc).convertToFormat(QImage::Format_RGB32), picture);
}

TEST(RtfReader, PassesOverPicturesItCannotShow)
{
    QTextDocument doc;
    const TRead read =
        Read(doc, Rtf("a{\\pict\\wmetafile8\\picw100\\pich100 0102030405}b"
                      "{\\*\\shppict{\\pict\\pngblip " +
                      PngHex(TestPicture(4, 4)) + "}}{\\nonshppict{\\pict\\wmetafile8 0101}}c"));
    EXPECT_EQ(read.Text, QStringLiteral("ab") + QChar(QChar::ObjectReplacementCharacter) +
                             QStringLiteral("c"));
}
