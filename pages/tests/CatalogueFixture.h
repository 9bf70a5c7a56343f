#pragma once

// What the tests of the lists, the picture windows and the formatting share:
// a program run in miniature. The catalogue schema with the test's rows
// behind a private data source "MUSARIX" (StepAPI=1, as the set-up registers
// it), the global connection CatalogDbc and SharedStmt on it, a real text
// store with the test's pictures, and a program directory of its own for
// Musarix.Ini.

#include "tests/support/TestDataSource.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>
#include <string>

class TCatalogueFixture
{
public:
    // Rows is run on the fresh catalogue; Pictures become the items of
    // Musarix.St at their positions.
    explicit TCatalogueFixture(const std::string& Rows,
                               const std::map<qint64, QByteArray>& Pictures = {});
    ~TCatalogueFixture();
    TCatalogueFixture(const TCatalogueFixture&) = delete;
    TCatalogueFixture& operator=(const TCatalogueFixture&) = delete;

    QString SettingsFile() const { return ProgramDir() + QStringLiteral("Musarix.Ini"); }
    QString ProgramDir() const { return FProgram.path() + QStringLiteral("/"); }
    void Exec(const std::string& Sql) const { FSource->ExecSql(Sql); }

    // A BMP file of a picture of the given size in one colour.
    static QByteArray Bitmap(int Width, int Height, QRgb Color = 0xFF3060A0);

private:
    QTemporaryDir FProgram;
    QTemporaryDir FData;
    std::unique_ptr<TestDataSource> FSource;
    QString FOldProgramDir;
};

// Runs the event loop until Done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs = 3000);
// Runs the event loop for the given time.
void RunEvents(int Milliseconds);
