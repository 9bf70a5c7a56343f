#include "output/OutputPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(OutputPrinter, PdfNamesAreNumberedPastExistingFiles)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    EXPECT_EQ(TOutputPrinter::FreePdfName(dir.path()),
              folder.filePath(QStringLiteral("Musarix-Ausdruck.pdf")));
    for (const QString& name :
         {QStringLiteral("Musarix-Ausdruck.pdf"), QStringLiteral("Musarix-Ausdruck-2.pdf")}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TOutputPrinter::FreePdfName(dir.path()),
              folder.filePath(QStringLiteral("Musarix-Ausdruck-3.pdf")));
    // A gap is filled before a higher number is used.
    QFile::remove(folder.filePath(QStringLiteral("Musarix-Ausdruck-2.pdf")));
    EXPECT_EQ(TOutputPrinter::FreePdfName(dir.path()),
              folder.filePath(QStringLiteral("Musarix-Ausdruck-2.pdf")));
}

TEST(OutputPrinter, EveryPrintOfATestRunGetsANewPdfFileInItsDirectory)
{
    // output_main.cpp sends every print of the run to its own directory.
    ASSERT_TRUE(TOutputPrinter::PrintsToFile());
    TOutputPrinter target;
    ASSERT_TRUE(target.BeginPrint(nullptr));
    EXPECT_EQ(target.Printer().outputFormat(), QPrinter::PdfFormat);
    const QString first = target.LastFile();
    EXPECT_EQ(QFileInfo(first).absolutePath(),
              QFileInfo(TOutputPrinter::PdfDirectory()).absoluteFilePath());
    {
        QFile file(first);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }
    ASSERT_TRUE(target.BeginPrint(nullptr));
    EXPECT_NE(target.LastFile(), first);
    EXPECT_EQ(target.LastFile(), target.Printer().outputFileName());
    QFile::remove(first);
}

TEST(OutputPrinter, OutsideTestsFilesGoToTheDocumentsFolderWhichIsMadeWhenMissing)
{
    // A home of the test's own, so that no real folder of the user is made.
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    const QString testDirectory = TOutputPrinter::PdfDirectory();
    TOutputPrinter::SetPdfDirectoryForTesting(QString());
    const QString own = TOutputPrinter::PdfDirectory();
    TOutputPrinter::SetPdfDirectoryForTesting(testDirectory);
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(own, home.path() + QStringLiteral("/Documents"));
    EXPECT_TRUE(QFileInfo(own).isDir());
}
