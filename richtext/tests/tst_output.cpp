// What the output screen and the page export do with a page: the cleaned
// copy, plain text with codes, printing to PDF, the clipboard, taking over.

#include "richtext/WPRichText.h"
#include "richtext/tests/RtfSamples.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>

#include <gtest/gtest.h>

using Style = TWPRichText::TRunStyle;
using namespace RtfSamples;

namespace {

void BuildPersonPage(TWPRichText& View)
{
    View.AddParagraph(QStringLiteral("Wolfgang  Amadeus Mozart"), 16, Style::Bold);
    View.AddParagraph(QStringLiteral("Lehrer"), 12, Style::Bold);
    View.AddParagraph(QString(), 10, Style::Plain);
    View.AppendLink(QStringLiteral("Leopold Mozart"), QStringLiteral("p:7"), 10);
    View.AppendText(QStringLiteral("  (1719-1787)"), 10, Style::Plain);
    View.AddParagraph(QString(), 10, Style::Plain);
    View.AppendPicture(TestPicture(40, 30));
    View.AppendText(QStringLiteral(" "), 10, Style::Plain);
    View.AppendLink(QStringLiteral("Wolfgang Amadeus Mozart"), QStringLiteral("p:12"), 10);
}

// Pages of a PDF file: its page objects.
int PdfPages(const QByteArray& Pdf)
{
    return static_cast<int>(Pdf.count("/Type /Page\n") + Pdf.count("/Type /Page ") +
                            Pdf.count("/Type /Page/") + Pdf.count("/Type /Page>"));
}

QByteArray PrintToPdf(TWPRichText& View, const QString& File)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(File);
    // The output screen's layout: margins of 15, 10, 10 and 20 mm on its page.
    View.PrintPage(printer, 15 * 57, 10 * 57, 10 * 57, 20 * 57, 11880, 17100);
    QFile pdf(File);
    EXPECT_TRUE(pdf.open(QIODevice::ReadOnly));
    return pdf.readAll();
}

} // namespace

TEST(Output, WritesPlainTextWithEveryLinkCode)
{
    TWPRichText view;
    BuildPersonPage(view);
    EXPECT_EQ(view.ToPlainTextWithCodes(),
              QStringLiteral("Wolfgang  Amadeus Mozart\nLehrer\nLeopold Mozart [p:7]  (1719-1787)\n"
                             " Wolfgang Amadeus Mozart [p:12]"));
}

TEST(Output, CleanedCopyLosesCodesLinkLookAndDoubleBlanks)
{
    TWPRichText view;
    BuildPersonPage(view);
    view.AppendText(QStringLiteral("    four   blanks"), 10, Style::Plain);
    view.CleanForOutput();
    EXPECT_TRUE(view.Links().isEmpty());
    const QString text = view.document()->toPlainText();
    EXPECT_FALSE(text.contains(QStringLiteral("  ")));
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Wolfgang Amadeus Mozart\nLehrer\nLeopold Mozart (1719")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Mozart four blanks")));
    const QTextCharFormat link =
        FormatAt(*view.document(), Find(*view.document(), QStringLiteral("Leopold")));
    EXPECT_FALSE(link.isAnchor());
    EXPECT_FALSE(link.fontUnderline());
    EXPECT_EQ(link.foreground().color(), QColor(Qt::black));
    // Sizes, weights and pictures stay.
    const QTextCharFormat title = FormatAt(*view.document(), 0);
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 16.0);
    EXPECT_EQ(FirstPicture(*view.document()).size(), QSize(40, 30));
}

TEST(Output, TakesOverTextFormatsLinksAndPictures)
{
    TWPRichText page;
    BuildPersonPage(page);
    page.SetPageWidthTwips(7200);
    TWPRichText copy;
    copy.AddParagraph(QStringLiteral("old content"), 10, Style::Plain);
    copy.TakeOver(page);
    EXPECT_EQ(copy.document()->toPlainText(), page.document()->toPlainText());
    EXPECT_EQ(copy.document()->blockCount(), page.document()->blockCount());
    EXPECT_EQ(copy.ToPlainTextWithCodes(), page.ToPlainTextWithCodes());
    EXPECT_EQ(copy.PageWidthTwips(), 7200);
    EXPECT_EQ(FirstPicture(*copy.document()).convertToFormat(QImage::Format_RGB32),
              TestPicture(40, 30));
    EXPECT_DOUBLE_EQ(FormatAt(*copy.document(), 0).fontPointSize(), 16.0);
    EXPECT_DOUBLE_EQ(copy.document()->begin().blockFormat().leftMargin(),
                     page.document()->begin().blockFormat().leftMargin());
    // The copy is independent: cleaning it leaves the page's links.
    copy.CleanForOutput();
    EXPECT_EQ(page.Links().size(), 2);
}

TEST(Output, PrintsToPdfOnAsManyPagesAsNeeded)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TWPRichText view;
    BuildPersonPage(view);
    const QByteArray one = PrintToPdf(view, dir.filePath(QStringLiteral("one.pdf")));
    ASSERT_TRUE(one.startsWith("%PDF"));
    EXPECT_EQ(PdfPages(one), 1);

    for (int i = 0; i < 200; ++i)
        view.AddParagraph(QStringLiteral("Zeile %1 einer langen Seite").arg(i), 10, Style::Plain);
    const QByteArray many = PrintToPdf(view, dir.filePath(QStringLiteral("many.pdf")));
    EXPECT_GE(PdfPages(many), 3);
}

TEST(Output, CopiesRichAndPlainTextToTheClipboard)
{
    TWPRichText view;
    BuildPersonPage(view);
    view.CleanForOutput();
    view.CopyAllToClipboard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QStringLiteral("Leopold Mozart")));
    EXPECT_TRUE(data->html().contains(QStringLiteral("data:image/png;base64,")));
    EXPECT_EQ(data->text(),
              QStringLiteral("Wolfgang Amadeus Mozart\nLehrer\nLeopold Mozart (1719-1787)\n"
                             " Wolfgang Amadeus Mozart"));
}
