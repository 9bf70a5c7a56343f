// The RTF reader on broken and hostile input: it must show what it could
// read, say that the input was not complete, and stay fast.

#include "richtext/tests/RtfSamples.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace RtfSamples;

namespace {
const QByteArray Head =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 ";
}

TEST(RtfHostile, ReadsWhatPrecedesMissingClosingBraces)
{
    QTextDocument doc;
    const TRead read = Read(doc, Head + "Anfang {\\b fett {\\i kursiv");
    EXPECT_FALSE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("Anfang fett kursiv"));
    EXPECT_TRUE(FormatAt(doc, Find(doc, QStringLiteral("kursiv"))).fontItalic());
}

TEST(RtfHostile, StopsAtTheEndOfTheDocumentGroupWhenBracesCloseTooOften)
{
    QTextDocument doc;
    const TRead read = Read(doc, Head + "Text}} danach");
    EXPECT_FALSE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("Text"));
    // A closing brace before any group is passed over.
    QTextDocument early;
    const TRead stray = Read(early, "}}{\\rtf1 ok}");
    EXPECT_FALSE(stray.Complete);
    EXPECT_EQ(stray.Text, QStringLiteral("ok"));
    // Trailing line ends and NULs after the end are normal.
    QTextDocument trailing;
    EXPECT_TRUE(Read(trailing, QByteArray("{\\rtf1 ok}\r\n\0", 13)).Complete);
}

TEST(RtfHostile, ReadsTextsCutInTheMiddleOfAnything)
{
    const QByteArray full = Head + "Sch\\'f6n \\u8364?\\b fett\\b0 {\\pict\\pngblip " +
                            PngHex(TestPicture(4, 4)) + "} Ende}";
    // Every prefix reads without crashing and keeps what came before the cut.
    for (qsizetype cut = 0; cut < full.size(); ++cut) {
        QTextDocument doc;
        const TRead read = Read(doc, full.left(cut));
        EXPECT_FALSE(read.Complete) << cut;
        if (cut > full.indexOf("fett") + 4) {
            EXPECT_TRUE(read.Text.startsWith(QString::fromUtf8("Schön €fett"))) << cut;
        }
    }
    // Cut inside a hex escape: the broken escape gives nothing.
    QTextDocument hex;
    EXPECT_EQ(Read(hex, Head + "ab\\'f").Text, QStringLiteral("ab"));
    QTextDocument word;
    EXPECT_EQ(Read(word, Head + "ab\\pa").Text, QStringLiteral("ab"));
    QTextDocument slash;
    EXPECT_EQ(Read(slash, Head + "ab\\").Text, QStringLiteral("ab"));
    // A picture cut short is not shown, the text before it is.
    QTextDocument picture;
    const QByteArray png = PngHex(TestPicture(4, 4));
    EXPECT_EQ(Read(picture, Head + "ab{\\pict\\pngblip " + png.left(png.size() / 2)).Text,
              QStringLiteral("ab"));
    EXPECT_TRUE(FirstPicture(picture).isNull());
}

TEST(RtfHostile, SurvivesHundredThousandNestedGroupsInLinearTime)
{
    const int depth = 100000;
    QByteArray rtf = Head;
    rtf += QByteArray(depth, '{') + "\\b tief" + QByteArray(depth, '}') + " flach}";
    QTextDocument doc;
    QElapsedTimer timer;
    timer.start();
    const TRead read = Read(doc, rtf);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("tief flach"));
    // The deepest groups share one state, which ends with the deepest kept group.
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("tief"))).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatAt(doc, Find(doc, QStringLiteral("flach"))).fontWeight(), QFont::Normal);
}

TEST(RtfHostile, ClampsAbsurdNumbers)
{
    QTextDocument doc;
    const TRead read =
        Read(doc, Head + "\\fs999999999 gross\\fs-5  klein\\u-99999999?x\\u99999999999999999999?y"
                         "\\li-2147483648\\fi999999999999 z{\\uc99999 \\u65?abc}\\par"
                         "{\\pict\\dibitmap0\\picwgoal99999999\\pichgoal-7 0000}"
                         "\\cf99999 c\\f-3 d\\bin99999999999");
    EXPECT_FALSE(read.Complete); // \bin runs past the end
    EXPECT_EQ(doc.begin().text(), QStringLiteral("gross kleinxyzA"));
    EXPECT_EQ(doc.lastBlock().text(), QStringLiteral("cd"));
    EXPECT_DOUBLE_EQ(FormatAt(doc, Find(doc, QStringLiteral("gross"))).fontPointSize(), 144.0);
    EXPECT_DOUBLE_EQ(FormatAt(doc, Find(doc, QStringLiteral("klein"))).fontPointSize(), 1.0);
    // 22 inches at most.
    EXPECT_DOUBLE_EQ(doc.begin().blockFormat().textIndent(), 22 * 96.0);
    EXPECT_DOUBLE_EQ(doc.begin().blockFormat().leftMargin(), 0.0);
}

TEST(RtfHostile, RefusesPicturesWithMonstrousHeaders)
{
    // A DIB that claims 100000 x 100000 pixels, and one whose palette runs
    // past its data: neither is shown, the text around them is.
    const QByteArray huge =
        "28000000a0860100a086010001001800000000000000000000000000000000000000000000000000";
    const QByteArray badPalette =
        "2800000002000000020000000100080000000000000000000000000000000000ffffffff00000000";
    QTextDocument doc;
    const TRead read =
        Read(doc, Head + "a{\\pict\\dibitmap0 " + huge + "}b{\\pict\\dibitmap0 " + badPalette +
                      "}c{\\pict\\wbitmap0\\picw3\\pich2\\wbmbitspixel24"
                      "\\wbmwidthbytes2 00}d}");
    EXPECT_TRUE(read.Complete);
    EXPECT_EQ(read.Text, QStringLiteral("abcd"));
    EXPECT_TRUE(FirstPicture(doc).isNull());
}

TEST(RtfHostile, ReadsEmptyAndNonRtfInput)
{
    QTextDocument empty;
    const TRead nothing = Read(empty, QByteArray());
    EXPECT_FALSE(nothing.Complete);
    EXPECT_TRUE(nothing.Text.isEmpty());
    QTextDocument plain;
    const TRead text = Read(plain, "just words");
    EXPECT_FALSE(text.Complete);
    EXPECT_EQ(text.Text, QStringLiteral("just words"));
}

TEST(RtfHostile, ReadsBinaryGarbageQuickly)
{
    // Fixed seed: the same garbage every run.
    QRandomGenerator random(20240611);
    QByteArray garbage(1 << 20, '\0');
    for (char& byte : garbage)
        byte = static_cast<char>(random.bounded(256));
    // Heavier on the characters that drive the reader.
    for (qsizetype i = 0; i < garbage.size(); i += 7)
        garbage[i] = "{}\\'uvbp0-"[random.bounded(10)];
    QTextDocument doc;
    QElapsedTimer timer;
    timer.start();
    const TRead read = Read(doc, Head + garbage);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_FALSE(read.Complete);
    // Control characters never reach the text.
    for (const QChar ch : read.Text)
        EXPECT_TRUE(ch >= QChar(0x20) || ch == QLatin1Char('\t') || ch == QLatin1Char('\n'))
            << static_cast<int>(ch.unicode());
}
