#include "shell/tests/CoreTestSupport.h"

#include "odbc/CatalogSchema.h"
#include "odbc/VlfWriter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QFile>
#include <QMessageBox>
#include <QtEndian>

#include <cmath>
#include <sqlite3.h>

namespace CoreTest {

namespace {

void Append32(QByteArray& Bytes, quint32 Value)
{
    char raw[4];
    qToLittleEndian(Value, raw);
    Bytes.append(raw, 4);
}

void Append16(QByteArray& Bytes, quint16 Value)
{
    char raw[2];
    qToLittleEndian(Value, raw);
    Bytes.append(raw, 2);
}

} // namespace

QByteArray MakeWav(int Milliseconds, int Tone)
{
    constexpr quint32 Rate = 8000;
    const auto samples = static_cast<quint32>(Milliseconds) * Rate / 1000;
    QByteArray wav("RIFF");
    Append32(wav, 36 + samples * 2);
    wav.append("WAVEfmt ");
    Append32(wav, 16);
    Append16(wav, 1);        // PCM
    Append16(wav, 1);        // mono
    Append32(wav, Rate);     // samples per second
    Append32(wav, Rate * 2); // bytes per second
    Append16(wav, 2);        // block align
    Append16(wav, 16);       // bits per sample
    wav.append("data");
    Append32(wav, samples * 2);
    for (quint32 k = 0; k < samples; ++k) {
        const double phase = 2.0 * M_PI * Tone * k / Rate;
        Append16(wav, static_cast<quint16>(static_cast<qint16>(8000.0 * std::sin(phase))));
    }
    return wav;
}

QImage MakeTile(int Width, int Height)
{
    QImage tile(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x)
            tile.setPixel(x, y, qRgb((2 * x) % 256, (2 * y) % 256, 128));
    }
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    return tile;
}

QByteArray EncodeBmp(const QImage& Image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Image.save(&buffer, "BMP");
    return bytes;
}

void WriteContainer(const QString& FileName, const std::map<qint64, QByteArray>& Items)
{
    TVlfWriter writer;
    writer.Create(QFile::encodeName(FileName).toStdString(), "Musarix test store");
    for (const auto& [position, bytes] : Items)
        writer.Place(position, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    writer.Finish();
}

std::string CatalogWithAlbums(int Count)
{
    // One transaction: one sync of the database file instead of one per table.
    std::string sql = "BEGIN;" + std::string(CatalogSchemaSql());
    for (int id = 1; id <= Count; ++id) {
        sql += "INSERT INTO ALBUM (ALBU_ID, ALBU_NAME) VALUES (" + std::to_string(id) +
               ", 'Album " + std::to_string(id) + "');";
    }
    return sql + "COMMIT;";
}

TProgramFiles::TProgramFiles(const std::string& SetupSql, const std::string& DataSourceName,
                             std::vector<std::string> DsnLines)
{
    FOldProgramDir = qgetenv("MUSARIX_PROGRAM_DIR");
    qputenv("MUSARIX_PROGRAM_DIR", QFile::encodeName(FProgram.path()));
    TestDataSource::Options options;
    options.Name = DataSourceName;
    options.DsnLines = std::move(DsnLines);
    options.DatabaseFile =
        QFile::encodeName(DataPath() + QStringLiteral("Musarix.db")).toStdString();
    FSource = std::make_unique<TestDataSource>(SetupSql, options);
}

TProgramFiles::~TProgramFiles()
{
    FSource.reset();
    if (FOldProgramDir.isEmpty())
        qunsetenv("MUSARIX_PROGRAM_DIR");
    else
        qputenv("MUSARIX_PROGRAM_DIR", FOldProgramDir);
}

void TProgramFiles::WriteSettings(const QString& MoreLines) const
{
    QFile file(SettingsFile());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const QString text = QStringLiteral("[MUSARIX]\r\nDataPath=") + FData.path() +
                         QStringLiteral("\r\n") + MoreLines;
    file.write(text.toUtf8());
}

QString TProgramFiles::ReadSettings() const
{
    QFile file(SettingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void TProgramFiles::WriteOwnedAlbums(const QByteArray& Bytes) const
{
    QFile file(ProgramPath() + QStringLiteral("Alben.Dat"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(Bytes);
}

QByteArray TProgramFiles::AlbumRecords(const std::vector<qint32>& Ids)
{
    QByteArray bytes;
    for (qint32 id : Ids)
        Append32(bytes, static_cast<quint32>(id));
    return bytes;
}

void TProgramFiles::WriteSystemStore(const std::map<qint64, QByteArray>& Items) const
{
    WriteContainer(DataPath() + QStringLiteral("Musarix.Sy"), Items);
}

std::vector<int> TProgramFiles::OwnedAlbums() const
{
    std::vector<int> ids;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(FSource->DatabaseFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT ALBU_ID FROM ALBUM WHERE ALBU_FLAG = 1 ORDER BY ALBU_ID", -1,
                           &stmt, nullptr);
        while (stmt != nullptr && sqlite3_step(stmt) == SQLITE_ROW)
            ids.push_back(sqlite3_column_int(stmt, 0));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return ids;
}

TMessageBoxCatcher::TMessageBoxCatcher(QString ButtonText) : FButtonText(std::move(ButtonText))
{
    QObject::connect(&FTimer, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        Titles << box->windowTitle();
        Texts << box->text();
        QAbstractButton* choice = box->escapeButton();
        for (QAbstractButton* button : box->buttons()) {
            ButtonTexts << button->text();
            if (!FButtonText.isEmpty() && button->text() == FButtonText)
                choice = button;
        }
        if (choice != nullptr)
            choice->click();
        else
            box->done(0);
    });
    FTimer.start(10);
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

} // namespace CoreTest
