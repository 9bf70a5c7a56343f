#include "output/OutputPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

QString PdfDirectoryForTesting;
TOutputPrinter* RunInstance = nullptr;

void DestroyInstance()
{
    delete RunInstance;
    RunInstance = nullptr;
}

} // namespace

TOutputPrinter& TOutputPrinter::Instance()
{
    if (RunInstance == nullptr) {
        RunInstance = new TOutputPrinter;
        // A printer may hold on to the print system's connections, which
        // must be let go while the application is still there.
        qAddPostRoutine(DestroyInstance);
    }
    return *RunInstance;
}

TOutputPrinter::TOutputPrinter() = default;
TOutputPrinter::~TOutputPrinter() = default;

QPrinter& TOutputPrinter::Printer()
{
    if (!FPrinter) {
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (PrintsToFile())
            FPrinter->setOutputFormat(QPrinter::PdfFormat);
        FPrinter->setDocName(QStringLiteral("Musarix"));
        FPrinter->setCreator(QStringLiteral("Musarix"));
    }
    return *FPrinter;
}

bool TOutputPrinter::PrintsToFile()
{
    return !PdfDirectoryForTesting.isEmpty() || QPrinterInfo::availablePrinters().isEmpty();
}

bool TOutputPrinter::ChoosePrinter(QWidget* Parent)
{
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, Parent);
    dialog.setWindowTitle(QStringLiteral("Druckerauswahl"));
    // Only the choice of printer is asked for here: the whole page is always
    // printed, with the margins of the margins dialog.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    FUserFile =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    return true;
}

bool TOutputPrinter::BeginPrint(QWidget* Parent)
{
    QPrinter& printer = Printer();
    if (!PrintsToFile()) {
        QPrintDialog dialog(&printer, Parent);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    } else if (!FUserFile || printer.outputFileName().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FreePdfName(PdfDirectory()));
    }
    FLastFile =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    return true;
}

void TOutputPrinter::EndPrint(QWidget* Parent)
{
    if (FLastFile.isEmpty())
        return;
    const QFileInfo file(FLastFile);
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    if (file.exists() && file.size() > 0) {
        QMessageBox::information(
            Parent, QStringLiteral("Ausgeben"),
            QStringLiteral("Die Seite wurde als PDF-Datei gespeichert:\n%1").arg(shown));
    } else {
        QMessageBox::warning(
            Parent, QStringLiteral("Ausgeben"),
            QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden:\n%1").arg(shown));
    }
}

QString TOutputPrinter::FreePdfName(const QString& Directory)
{
    const QDir dir(Directory);
    QString name = dir.filePath(QStringLiteral("Musarix-Ausdruck.pdf"));
    for (int number = 2; QFileInfo::exists(name); ++number)
        name = dir.filePath(QStringLiteral("Musarix-Ausdruck-%1.pdf").arg(number));
    return name;
}

QString TOutputPrinter::PdfDirectory()
{
    if (!PdfDirectoryForTesting.isEmpty())
        return PdfDirectoryForTesting;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return QDir::homePath();
}

void TOutputPrinter::SetPdfDirectoryForTesting(const QString& Directory)
{
    PdfDirectoryForTesting = Directory;
}
