#include "tools/page/ExportSession.h"

#include "odbc/CatalogSchema.h"
#include "odbc/OCL.h"
#include "odbc/Vlf.h"
#include "shell/Global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

std::runtime_error Failure(const QString& Message)
{
    return std::runtime_error(Message.toStdString());
}

} // namespace

TExportSession::TExportSession(const QString& Directory, const QString& DataSource)
{
    const QFileInfo dir(Directory);
    if (!dir.isDir())
        throw Failure(QStringLiteral("data directory not found: ") + Directory);
    const QString database =
        QDir(dir.absoluteFilePath()).filePath(QString::fromLatin1(CatalogDatabaseFile));
    // The driver would create an empty database in its place and fail later
    // with a puzzling "no such table".
    if (!QFileInfo(database).isFile())
        throw Failure(QStringLiteral("no catalogue in the data directory: ") + database);

    // Shared routines find the data directory here, as in the program.
    DataDir = dir.absoluteFilePath() + QLatin1Char('/');
    try {
        CatalogEnv = new THenv();
        CatalogDbc = new THdbc(CatalogEnv, "Hdbc1");
        CatalogDbc->SetDataSource(DataSource.toStdString());
        // The SQLite driver takes a database given in the connection string
        // over the one of the data source.
        CatalogDbc->SetAttributes({"Database=" + QFile::encodeName(database).toStdString()});
        CatalogDbc->SetInfoPrompt(0);
        CatalogDbc->Connect();
        SharedStmt = new THstmt(CatalogDbc, "SharedStmt");
        SharedStmt->SetRowSetSize(1);

        // A page without its stored texts and pictures is still worth
        // having; the page builder skips them when there is no store.
        auto* store = new TVlf();
        store->Open(QFile::encodeName(
                        QDir(dir.absoluteFilePath()).filePath(QString::fromLatin1(TextStoreFile)))
                        .toStdString());
        if (store->IsOpen())
            TextStore = store;
        else
            delete store;
    } catch (...) {
        Close();
        throw;
    }
}

TExportSession::~TExportSession()
{
    Close();
}

void TExportSession::Close() noexcept
{
    if (TextStore != nullptr)
        TextStore->Close();
    delete TextStore;
    TextStore = nullptr;
    // Statement before connection before environment, so each handle is
    // freed before the one it was allocated on.
    delete SharedStmt;
    delete CatalogDbc;
    delete CatalogEnv;
    SharedStmt = nullptr;
    CatalogDbc = nullptr;
    CatalogEnv = nullptr;
}
