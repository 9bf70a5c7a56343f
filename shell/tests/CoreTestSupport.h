#pragma once

// Helpers of the shell core tests: a program directory and a data directory
// of their own, a catalogue behind the data source "MUSARIX", real container
// files with WAV and BMP items, and a catcher for message boxes.

#include "tests/support/TestDataSource.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

namespace CoreTest {

// A PCM WAV image (mono, 16 bit, 8000 Hz) of the given length.
QByteArray MakeWav(int Milliseconds, int Tone = 440);

// A wallpaper tile whose pixel (x, y) has red 2x, green 2y, blue 128, and
// whose top left pixel alone is pure red, so that tiles can be counted.
QImage MakeTile(int Width, int Height);
QByteArray EncodeBmp(const QImage& Image);

// Writes a container with the given items at their fixed positions.
void WriteContainer(const QString& FileName, const std::map<qint64, QByteArray>& Items);

// The ALBUM table of the catalogue with albums 1..Count, none owned.
std::string CatalogWithAlbums(int Count);

// The directories of one run of the program: ProgramDir (through
// MUSARIX_PROGRAM_DIR) and a data directory holding Musarix.db.
class TProgramFiles
{
public:
    // SetupSql is run on the catalogue; the data source "MUSARIX" points at
    // it unless DataSourceName says otherwise.
    explicit TProgramFiles(const std::string& SetupSql = {},
                           const std::string& DataSourceName = "MUSARIX",
                           std::vector<std::string> DsnLines = {});
    ~TProgramFiles();

    QString ProgramPath() const { return FProgram.path() + QStringLiteral("/"); }
    QString DataPath() const { return FData.path() + QStringLiteral("/"); }
    QString SettingsFile() const { return ProgramPath() + QStringLiteral("Musarix.Ini"); }

    // Writes Musarix.Ini with DataPath pointing at the data directory and
    // the given further lines (whole lines, sections included).
    void WriteSettings(const QString& MoreLines = {}) const;
    QString ReadSettings() const;

    void WriteOwnedAlbums(const QByteArray& Bytes) const;
    static QByteArray AlbumRecords(const std::vector<qint32>& Ids);

    // Writes Musarix.Sy into the data directory.
    void WriteSystemStore(const std::map<qint64, QByteArray>& Items) const;

    // The ALBU_IDs with ALBU_FLAG = 1, read straight from the database.
    std::vector<int> OwnedAlbums() const;
    void Exec(const std::string& Sql) const { FSource->ExecSql(Sql); }

private:
    QTemporaryDir FProgram;
    QTemporaryDir FData;
    std::unique_ptr<TestDataSource> FSource;
    QByteArray FOldProgramDir;
};

// Watches for application-modal message boxes while it lives, records their
// titles and texts, and closes each by the button with the given text (or
// its escape button when no text is given).
class TMessageBoxCatcher
{
public:
    explicit TMessageBoxCatcher(QString ButtonText = {});

    QStringList Titles;
    QStringList Texts;
    QStringList ButtonTexts;

private:
    QString FButtonText;
    QTimer FTimer;
};

// Runs the event loop until Done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs = 3000);

} // namespace CoreTest
