// Feeds arbitrary bytes to the RTF reader and lays the result out, as the
// page does with a stored text.

#include "richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {
void Quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
    // Image readers complain about every broken picture; that is expected here.
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rtf_fuzzer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    qInstallMessageHandler(Quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    QTextDocument doc;
    TRtfReader reader{QTextCursor(&doc)};
    reader.Read(QByteArray(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size)));
    doc.setTextWidth(600);
    doc.documentLayout()->documentSize();
    return 0;
}
