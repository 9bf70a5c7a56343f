#include "pages/tests/CatalogueFixture.h"

#include "odbc/CatalogSchema.h"
#include "odbc/OCL.h"
#include "odbc/Vlf.h"
#include "odbc/VlfWriter.h"
#include "shell/Global.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

TCatalogueFixture::TCatalogueFixture(const std::string& Rows,
                                     const std::map<qint64, QByteArray>& Pictures)
{
    FOldProgramDir = ::ProgramDir;
    ::ProgramDir = ProgramDir();

    TestDataSource::Options options;
    options.DsnLines = {"StepAPI=1"};
    options.DatabaseFile =
        QFile::encodeName(FData.path() + QStringLiteral("/Musarix.db")).toStdString();
    // One transaction: one sync of the database file instead of one per row.
    FSource = std::make_unique<TestDataSource>(
        "BEGIN;" + std::string(CatalogSchemaSql()) + Rows + "COMMIT;", options);

    const std::string storeFile =
        QFile::encodeName(FData.path() + QStringLiteral("/Musarix.St")).toStdString();
    TVlfWriter writer;
    writer.Create(storeFile, "Musarix test pictures");
    for (const auto& [position, bytes] : Pictures)
        writer.Place(position, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    writer.Finish();
    TextStore = new TVlf();
    TextStore->Open(storeFile);

    CatalogEnv = new THenv();
    CatalogDbc = new THdbc(CatalogEnv, "Hdbc1");
    CatalogDbc->SetDataSource(FSource->Name());
    CatalogDbc->Connect();
    SharedStmt = new THstmt(CatalogDbc, "SharedStmt");
}

TCatalogueFixture::~TCatalogueFixture()
{
    delete SharedStmt;
    delete CatalogDbc;
    delete CatalogEnv;
    SharedStmt = nullptr;
    CatalogDbc = nullptr;
    CatalogEnv = nullptr;
    delete TextStore;
    TextStore = nullptr;
    FSource.reset();
    ::ProgramDir = FOldProgramDir;
}

QByteArray TCatalogueFixture::Bitmap(int Width, int Height, QRgb Color)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs)
{
    QDeadlineTimer deadline(TimeoutMs);
    while (!Done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void RunEvents(int Milliseconds)
{
    QDeadlineTimer deadline(Milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
