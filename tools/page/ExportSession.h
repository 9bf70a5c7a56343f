#pragma once

#include <QString>

// The part of a program run that page building needs, set up without any
// screen: the catalogue connection CatalogEnv / CatalogDbc, SharedStmt on it
// and the text store TextStore, all for one data directory. The program's
// InitProgram cannot serve here: it reads the settings, asks for the disc
// with a message box and plays sounds.
//
// The connection names the data source for the driver and its options, but
// the catalogue is always the Musarix.db of the data directory, so that the
// database and the stores beside it belong together.
class TExportSession
{
public:
    // Throws std::runtime_error when Directory or its Musarix.db is missing,
    // and the driver's EODBC when the connection fails.
    TExportSession(const QString& Directory, const QString& DataSource);
    ~TExportSession();
    TExportSession(const TExportSession&) = delete;
    TExportSession& operator=(const TExportSession&) = delete;

private:
    void Close() noexcept;
};
