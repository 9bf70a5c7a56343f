#include "tools/page/PageExporter.h"

#include "odbc/OCL.h"
#include "output/PageLayout.h"
#include "pages/PageBuilder.h"
#include "pages/PageComposer.h"
#include "shell/Global.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

// The margins the settings start with (Musarix.Ini "DRUCKER"), in mm.
constexpr int LeftMargin = 15;
constexpr int RightMargin = 10;
constexpr int TopMargin = 10;
constexpr int BottomMargin = 20;

std::unique_ptr<THstmt> PageStatement(const char* Name)
{
    auto stmt = std::make_unique<THstmt>(CatalogDbc, Name);
    // As on the page screen: the keyset cursor also reads computed columns
    // as numbers under the step mode of the data source.
    stmt->SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
    return stmt;
}

std::runtime_error Failure(const QString& Message)
{
    return std::runtime_error(Message.toStdString());
}

} // namespace

TPageExporter::TPageExporter() : FPage(std::make_unique<TWPRichText>())
{
    // The page wraps where the printed page does, so that text, HTML and PDF
    // show the same lines.
    FPage->SetPageWidthTwips(PageLayout::PageWidthTwips - PageLayout::Twips(LeftMargin) -
                             PageLayout::Twips(RightMargin));
}

TPageExporter::~TPageExporter() = default;

void TPageExporter::Build(int Kind, int Id, int SubId)
{
    if (!TPageComposer::RowStatement(Kind, Id, SubId))
        throw Failure(QStringLiteral("unknown kind ") + QString::number(Kind));
    FPage->Clear();
    FCaption.clear();
    const std::unique_ptr<THstmt> hstmt1 = PageStatement("Hstmt1");
    const std::unique_ptr<THstmt> hstmt2 = PageStatement("Hstmt2");
    const std::unique_ptr<THstmt> hstmt3 = PageStatement("Hstmt3");
    const std::unique_ptr<THstmt> hstmt4 = PageStatement("Hstmt4");
    TPageBuilder builder(*FPage, *hstmt2, *hstmt3);
    TPageComposer composer(builder, *hstmt1, *hstmt2, *hstmt3, *hstmt4);
    if (!composer.Compose(Kind, Id, SubId)) {
        QString key = QString::number(Id);
        if (SubId != 0)
            key += QLatin1Char(' ') + QString::number(SubId);
        throw Failure(QStringLiteral("no record of kind ") + QString::number(Kind) +
                      QStringLiteral(" with key ") + key);
    }
    if (composer.Caption())
        FCaption = *composer.Caption();
    FPage->Reformat();
}

QString TPageExporter::Text() const
{
    return FPage->ToPlainTextWithCodes();
}

QString TPageExporter::Html() const
{
    return FPage->ToHtmlWithPictures();
}

QByteArray TPageExporter::Pdf() const
{
    TWPRichText copy;
    copy.TakeOver(*FPage);
    copy.CleanForOutput();

    // QPrinter writes PDF only to a named file.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw Failure(QStringLiteral("no temporary directory for the PDF: ") +
                      scratch.errorString());
    const QString fileName = scratch.filePath(QStringLiteral("page.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        if (!FCaption.isEmpty())
            printer.setDocName(FCaption);
        copy.PrintPage(printer, PageLayout::Twips(LeftMargin), PageLayout::Twips(RightMargin),
                       PageLayout::Twips(TopMargin), PageLayout::Twips(BottomMargin),
                       PageLayout::PageWidthTwips, PageLayout::PageHeightTwips);
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("the PDF could not be written: ") + file.errorString());
    return file.readAll();
}
