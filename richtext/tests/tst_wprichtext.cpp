// Building a page in the view: paragraphs, runs, links and their clicks,
// stored texts, pictures, measures, scrolling and the in-page search.

#include "richtext/LinkFormat.h"
#include "richtext/WPRichText.h"
#include "richtext/tests/RtfSamples.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

using Style = TWPRichText::TRunStyle;
using namespace RtfSamples;

namespace {

QTextCharFormat FormatOf(const TWPRichText& View, const QString& Text)
{
    return FormatAt(*View.document(), Find(*View.document(), Text));
}

// A view the size of a small page window, shown (offscreen).
struct TShownView
{
    TWPRichText View;
    TShownView()
    {
        View.resize(500, 300);
        View.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&View));
    }
};

void AddLongPage(TWPRichText& View, int Paragraphs)
{
    View.AddParagraph(QStringLiteral("Titel"), 16, Style::Bold);
    for (int i = 0; i < Paragraphs; ++i)
        View.AddParagraph(QStringLiteral("Absatz %1 mit etwas Text").arg(i), 10, Style::Plain);
}

} // namespace

TEST(WPRichText, BuildsParagraphsOfRunsInArialSizesAndStyles)
{
    TWPRichText view;
    view.AddParagraph(QStringLiteral("Wolfgang Amadeus Mozart"), 16, Style::Bold);
    view.AddParagraph(QStringLiteral("Biographie"), 12, Style::Bold);
    view.AddParagraph(QStringLiteral("geboren in "), 10, Style::Plain);
    view.AppendText(QStringLiteral("Salzburg"), 10, Style::HyperLink);
    view.AppendText(QStringLiteral("o:3"), 10, Style::Hidden);
    view.AppendText(QStringLiteral(", Sohn von "), 10, Style::Plain);
    view.AppendLink(QStringLiteral("Leopold Mozart"), QStringLiteral("p:7"), 10);

    // The first paragraph takes the empty block of a clear document.
    ASSERT_EQ(view.document()->blockCount(), 3);
    EXPECT_EQ(view.document()->lastBlock().text(),
              QStringLiteral("geboren in Salzburg, Sohn von Leopold Mozart"));
    const QTextCharFormat title = FormatOf(view, QStringLiteral("Wolfgang"));
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 16.0);
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.fontFamilies().toStringList(),
              (QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}));
    EXPECT_DOUBLE_EQ(FormatOf(view, QStringLiteral("Biographie")).fontPointSize(), 12.0);
    const QTextCharFormat body = FormatOf(view, QStringLiteral("geboren"));
    EXPECT_DOUBLE_EQ(body.fontPointSize(), 10.0);
    EXPECT_EQ(body.fontWeight(), QFont::Normal);
    EXPECT_FALSE(body.isAnchor());
    const QTextCharFormat link = FormatOf(view, QStringLiteral("Salzburg"));
    EXPECT_TRUE(link.fontUnderline());
    EXPECT_EQ(link.foreground().color(), QColor(0, 0, 128));

    const QList<TWPRichText::TLink> links = view.Links();
    ASSERT_EQ(links.size(), 2);
    EXPECT_EQ(links[0].Text, QStringLiteral("Salzburg"));
    EXPECT_EQ(links[0].Code, QStringLiteral("o:3"));
    EXPECT_EQ(links[1].Text, QStringLiteral("Leopold Mozart"));
    EXPECT_EQ(links[1].Code, QStringLiteral("p:7"));

    // Paragraph measures: 200 twips are 13 pixels at 96 dpi.
    const QTextBlockFormat paragraph = view.document()->lastBlock().blockFormat();
    EXPECT_DOUBLE_EQ(paragraph.leftMargin(), view.TwipsToPixels(200));
    EXPECT_DOUBLE_EQ(paragraph.topMargin(), view.TwipsToPixels(200));
    EXPECT_DOUBLE_EQ(paragraph.bottomMargin(), view.TwipsToPixels(200));
}

TEST(WPRichText, KeepsEveryCharacterOfALinkCode)
{
    TWPRichText view;
    const QStringList codes = {QStringLiteral("P:Mahler, Gustav"),
                               QString::fromUtf8("A:Grüße aus Köln"),
                               QStringLiteral("c:12,34"),
                               QStringLiteral("T:100% #1 / a?b&c=d"),
                               QStringLiteral("mc:7"),
                               QString::fromUtf8("I:Ætherophon € „x“")};
    view.AddParagraph(QString(), 10, Style::Plain);
    for (const QString& code : codes) {
        view.AppendLink(QStringLiteral("link"), code, 10);
        view.AppendText(QStringLiteral(" "), 10, Style::Plain);
    }
    const QList<TWPRichText::TLink> links = view.Links();
    ASSERT_EQ(links.size(), codes.size());
    for (qsizetype i = 0; i < codes.size(); ++i)
        EXPECT_EQ(links[i].Code, codes[i]);
    // And through the URL Qt hands over on a click.
    for (const QString& code : codes)
        EXPECT_EQ(TLinkFormat::CodeFromUrl(QUrl(TLinkFormat::HrefForCode(code))), code);
}

TEST(WPRichText, DropsHiddenTextThatFollowsNoLink)
{
    TWPRichText view;
    view.AddParagraph(QStringLiteral("plain "), 10, Style::Plain);
    view.AppendText(QStringLiteral("p:1"), 10, Style::Hidden);
    view.AppendText(QStringLiteral("Name"), 10, Style::HyperLink);
    view.AddParagraph(QStringLiteral("next"), 10, Style::Plain);
    // The code comes after a new paragraph began: it is not Name's.
    view.AppendText(QStringLiteral("p:2"), 10, Style::Hidden);
    EXPECT_TRUE(view.Links().isEmpty());
    EXPECT_EQ(view.document()->toPlainText(), QStringLiteral("plain Name\nnext"));
}

TEST(WPRichText, OneClickOnLinkTextReportsItsCodeWithoutNavigating)
{
    TShownView shown;
    TWPRichText& view = shown.View;
    view.AddParagraph(QStringLiteral("Mitglieder: "), 10, Style::Plain);
    view.AppendLink(QStringLiteral("Gustav Mahler"), QStringLiteral("P:Mahler, Gustav"), 10);
    view.AppendText(QStringLiteral(" und "), 10, Style::Plain);
    view.AppendLink(QString::fromUtf8("Jürgen"), QStringLiteral("p:12"), 10);
    view.Reformat();
    const QString before = view.document()->toHtml();

    QSignalSpy spy(&view, &TWPRichText::HyperLinkEvent);
    Qt::CursorShape shape = Qt::ArrowCursor;
    const auto clickOn = [&view, &shape](const QString& Text) {
        QTextCursor cursor(view.document());
        cursor.setPosition(Find(*view.document(), Text) + 2);
        const QPoint point = view.cursorRect(cursor).center();
        QMouseEvent move(QEvent::MouseMove, point, view.viewport()->mapToGlobal(point),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
        shape = view.viewport()->cursor().shape();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, point);
    };
    clickOn(QStringLiteral("Mahler"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("P:Mahler, Gustav"));
    // The hand shows while the mouse is over the link text.
    EXPECT_EQ(shape, Qt::PointingHandCursor);
    clickOn(QString::fromUtf8("Jürgen"));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toString(), QStringLiteral("p:12"));
    // Plain text reports nothing.
    clickOn(QStringLiteral("Mitglieder"));
    EXPECT_EQ(spy.count(), 2);
    EXPECT_NE(shape, Qt::PointingHandCursor);
    EXPECT_EQ(view.document()->toHtml(), before);
}

TEST(WPRichText, ReadsAndRestoresTheScrollPositionAroundARebuild)
{
    TShownView shown;
    TWPRichText& view = shown.View;
    AddLongPage(view, 200);
    view.Reformat();
    ASSERT_GT(view.verticalScrollBar()->maximum(), 1000);
    view.SetScrollPos(777);
    EXPECT_EQ(view.ScrollPos(), 777);

    // The page's rebuild: hidden, cleared, built, scrolled, shown.
    view.BeginUpdate();
    EXPECT_TRUE(view.isHidden());
    view.Clear();
    AddLongPage(view, 200);
    view.Reformat();
    view.SetScrollPos(1234);
    view.EndUpdate();
    EXPECT_FALSE(view.isHidden());
    EXPECT_EQ(view.ScrollPos(), 1234);
    view.SetScrollPos(-5);
    EXPECT_EQ(view.ScrollPos(), 0);
}

TEST(WPRichText, WrapsAtThePageWidth)
{
    TShownView shown;
    TWPRichText& view = shown.View;
    view.SetPageWidthTwips(2880);
    EXPECT_EQ(view.PageWidthTwips(), 2880);
    view.AddParagraph(QStringLiteral("ein recht langer Satz, der umbrechen muss, weil die Seite "
                                     "schmal ist, sehr schmal"),
                      10, Style::Plain);
    view.Reformat();
    // Two inches of page.
    EXPECT_DOUBLE_EQ(view.document()->textWidth(), view.TwipsToPixels(2880));
    EXPECT_GT(view.document()->firstBlock().layout()->lineCount(), 2);
    EXPECT_NEAR(view.VisibleWidthTwips(), view.PixelsToTwips(view.viewport()->width()), 1);
}

TEST(WPRichText, PutsATabStopAtTwipsFromThePageEdge)
{
    TShownView shown;
    TWPRichText& view = shown.View;
    view.AddParagraph(QStringLiteral(" Bild eins"), 10, Style::Plain);
    view.SetTabStop(3000);
    view.AppendText(QStringLiteral("\t  Bild zwei"), 10, Style::Plain);
    view.Reformat();
    QTextCursor cursor(view.document());
    cursor.setPosition(Find(*view.document(), QStringLiteral("\t")) + 1);
    const double margin = view.document()->documentMargin();
    EXPECT_NEAR(view.cursorRect(cursor).left() - margin, view.TwipsToPixels(3000), 2);
}

TEST(WPRichText, AppendsPicturesInline)
{
    TWPRichText view;
    view.AddParagraph(QString(), 10, Style::Plain);
    view.AppendPicture(TestPicture(28, 28));
    view.AppendText(QStringLiteral(" "), 10, Style::Plain);
    view.AppendLink(QStringLiteral("Klangbeispiel"), QStringLiteral("mc:4"), 10);
    EXPECT_EQ(view.document()->blockCount(), 1);
    EXPECT_EQ(FirstPicture(*view.document()).convertToFormat(QImage::Format_RGB32),
              TestPicture(28, 28));
    EXPECT_EQ(view.Links().size(), 1);
}

TEST(WPRichText, AppendsStoredTextsWithThePagesMeasuresAndTheirLinks)
{
    TWPRichText view;
    view.AddParagraph(QStringLiteral("Biographie"), 12, Style::Bold);
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 \\qc\\li2000 Erster "
        "{\\ul Absatz}{\\v B:Die Nordlichter}.\\par Zweiter{\\pict\\pngblip " +
        PngHex(TestPicture(6, 6)) + "}\\par}";
    const TWPRichText::TParaMeasures measures{200, 200, 400, 0};
    EXPECT_TRUE(view.AppendRtf(rtf, measures));
    ASSERT_EQ(view.document()->blockCount(), 4);
    QTextBlock block = view.document()->begin().next();
    EXPECT_EQ(block.text(), QStringLiteral("Erster Absatz."));
    for (; block.isValid(); block = block.next()) {
        EXPECT_EQ(block.blockFormat().alignment(), Qt::AlignJustify);
        EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), view.TwipsToPixels(200));
        EXPECT_DOUBLE_EQ(block.blockFormat().bottomMargin(), view.TwipsToPixels(400));
    }
    ASSERT_EQ(view.Links().size(), 1);
    EXPECT_EQ(view.Links()[0].Code, QStringLiteral("B:Die Nordlichter"));
    // The picture arrives with its data, not only its name.
    EXPECT_EQ(FirstPicture(*view.document()).convertToFormat(QImage::Format_RGB32),
              TestPicture(6, 6));
    // Broken input: what could be read is appended, and the result says so.
    EXPECT_FALSE(view.AppendRtf("{\\rtf1 Rest", measures));
    EXPECT_EQ(view.document()->lastBlock().text(), QStringLiteral("Rest"));
}

TEST(WPRichText, HighlightsEveryHitAndScrollsToTheLineBefore)
{
    TShownView shown;
    TWPRichText& view = shown.View;
    AddLongPage(view, 50);
    view.AddParagraph(QStringLiteral("Ein Oboenkonzert und eine OBOE."), 10, Style::Plain);
    for (int i = 0; i < 100; ++i)
        view.AddParagraph(QStringLiteral("mehr Text"), 10, Style::Plain);
    view.Reformat();
    const QColor yellow(255, 255, 0);
    const QList<int> hits = view.FindAndHighlight(QStringLiteral("ob*e"), yellow);
    ASSERT_EQ(hits.size(), 2);
    EXPECT_EQ(hits[0], Find(*view.document(), QStringLiteral("Oboenkonzert")));
    EXPECT_EQ(FormatAt(*view.document(), hits[0]).background().color(), yellow);
    EXPECT_EQ(FormatAt(*view.document(), hits[0] + 3).background().color(), yellow);
    EXPECT_EQ(FormatAt(*view.document(), hits[0] + 4).background().style(), Qt::NoBrush);
    EXPECT_EQ(FormatAt(*view.document(), hits[1] + 3).background().color(), yellow);
    EXPECT_TRUE(view.FindAndHighlight(QStringLiteral("Fagott"), yellow).isEmpty());

    view.MoveToAndScroll(hits[0]);
    EXPECT_EQ(view.textCursor().position(), hits[0]);
    // The top line is the last line of the paragraph before.
    const QTextBlock previous = view.document()->findBlock(hits[0]).previous();
    EXPECT_EQ(view.ScrollPos(), static_cast<int>(previous.layout()->position().y()));
    view.MoveToAndScroll(-1);
    EXPECT_EQ(view.textCursor().position(), hits[0]);
}
