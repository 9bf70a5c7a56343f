// musarix-page [--format text|html|pdf] [--output FILE] [--dsn NAME]
//              <data-dir> <kind> <id> [<sub-id>]
//
// Writes the page of one record as Musarix builds it; see PageExportOptions.h.

#include "tools/page/PageExport.h"
#include "tools/page/PageExportOptions.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <exception>

namespace {

void Complain(const QString& Message)
{
    std::fprintf(stderr, "musarix-page: %s\n", Message.toLocal8Bit().constData());
}

bool Write(const QByteArray& Bytes, const QString& FileName)
{
    QFile file(FileName);
    const bool opened = FileName.isEmpty() ? file.open(stdout, QIODevice::WriteOnly)
                                           : file.open(QIODevice::WriteOnly);
    if (!opened || file.write(Bytes) != Bytes.size() || !file.flush()) {
        Complain(QStringLiteral("cannot write ") +
                 (FileName.isEmpty() ? QStringLiteral("standard output") : FileName) +
                 QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The page is a rich-text widget with fonts and pictures; it needs a
    // QApplication, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fputs(TPageExportOptions::Usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    QString error;
    const auto options = TPageExportOptions::Parse(arguments, error);
    if (!options) {
        Complain(error);
        std::fputs(TPageExportOptions::Usage().toLocal8Bit().constData(), stderr);
        return 2;
    }
    try {
        return Write(ExportPage(*options), options->OutputFile) ? 0 : 1;
    } catch (const std::exception& failure) {
        Complain(QString::fromUtf8(failure.what()));
        return 1;
    }
}
