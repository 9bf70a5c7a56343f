#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// Where the output screen prints, for the whole run, like the one printer
// object of the old program: a choice made in the printer dialog holds for
// every later print. A machine with printers prints on them, through the
// usual print dialog. A machine without any (and every test run) writes
// each print to a new PDF file, by default in the user's documents folder,
// and tells the user where it went.
class TOutputPrinter
{
public:
    // The run's one print target; it lives until the application ends.
    static TOutputPrinter& Instance();

    TOutputPrinter();
    ~TOutputPrinter();
    TOutputPrinter(const TOutputPrinter&) = delete;
    TOutputPrinter& operator=(const TOutputPrinter&) = delete;

    QPrinter& Printer();

    // True when prints go to PDF files: no printer here, or a test said so.
    static bool PrintsToFile();

    // The printer selection dialog. The choice, a printer or a file the user
    // named there, holds for the next prints. False when cancelled.
    bool ChoosePrinter(QWidget* Parent);

    // Readies the printer for one print: the print dialog on a machine with
    // printers (false when the user cancels it), else a fresh PDF file name
    // unless the user named a file in the printer dialog.
    bool BeginPrint(QWidget* Parent);
    // After the print: where it went into a file, the user is told so in a
    // message box (or warned when the file could not be written).
    void EndPrint(QWidget* Parent);

    // The file of the last print; empty when it went to a printer.
    const QString& LastFile() const { return FLastFile; }

    // The first name of "Musarix-Ausdruck.pdf", "Musarix-Ausdruck-2.pdf", ...
    // that does not exist in Directory yet.
    static QString FreePdfName(const QString& Directory);
    // Where PDF files go: the user's documents folder, else the home folder.
    static QString PdfDirectory();

    // Tests: every print goes to a PDF file in Directory, printers or not.
    // An empty name restores the machine's own targets.
    static void SetPdfDirectoryForTesting(const QString& Directory);

private:
    std::unique_ptr<QPrinter> FPrinter;
    // The user named an output file in the printer dialog; it is kept.
    bool FUserFile = false;
    QString FLastFile;
};
