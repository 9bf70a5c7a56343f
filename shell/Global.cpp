#include "shell/Global.h"

#include "odbc/OCL.h"
#include "odbc/SystemStore.h"
#include "odbc/Vlf.h"
#include "shell/HintFilter.h"
#include "shell/IniFile.h"
#include "shell/InterfaceSounds.h"
#include "shell/MusaForm.h"
#include "shell/SqlText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtEndian>

QString ProgramDir;
QString DataDir;

bool ShowHints = true;
bool KeyClick = true;
bool ErrorSoundOn = false;
bool IntroOn = true;
bool IntroMusicOn = true;
bool OutroOn = true;
bool OutroMusicOn = true;

int MarginLeft = 15;
int MarginRight = 10;
int MarginTop = 10;
int MarginBottom = 20;

THenv* CatalogEnv = nullptr;
THdbc* CatalogDbc = nullptr;
THstmt* SharedStmt = nullptr;

TVlf* TextStore = nullptr;
TVlf* SoundStore = nullptr;
TVlf* SystemStore = nullptr;

QByteArray LinkSound;
QByteArray ClickSound;
QByteArray ErrorSound;

namespace {

const QString SettingsFile = QStringLiteral("Musarix.Ini");
const QString OwnedAlbumsFile = QStringLiteral("Alben.Dat");
const QString DatabaseFile = QStringLiteral("Musarix.db");

const QString SectionMusarix = QStringLiteral("MUSARIX");
const QString SectionPrinter = QStringLiteral("DRUCKER");
const QString SectionInstall = QStringLiteral("INSTALL");

// The catalogue account. The SQLite catalogue ignores it, but the connection
// passes it on as the original did, so a server with accounts works too.
constexpr const char* CatalogUser = "DBA";
constexpr const char* CatalogPassword = "MSX";

constexpr qint64 LinkSoundItem = SystemItem::LinkSound;
constexpr qint64 ClickSoundItem = SystemItem::ClickSound;
constexpr qint64 ErrorSoundItem = SystemItem::ErrorSound;

TSoundObserver SoundObserver;
TDataPrompt DataPrompt;

QString WithSlash(QString Dir)
{
    if (!Dir.endsWith(QLatin1Char('/')))
        Dir += QLatin1Char('/');
    return Dir;
}

// The program's directory keeps the settings and the owned albums beside the
// program, as on the original's disc installation. An installation owned by
// root cannot take them, so each user then gets a directory of their own.
QString FindProgramDir()
{
    const QString overridden = qEnvironmentVariable("MUSARIX_PROGRAM_DIR");
    if (!overridden.isEmpty())
        return WithSlash(QDir(overridden).absolutePath());
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(programDir).isWritable())
        return WithSlash(programDir);
    QString userDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (userDir.isEmpty())
        userDir = QDir::homePath() + QStringLiteral("/.config");
    userDir += QStringLiteral("/Musarix");
    QDir().mkpath(userDir);
    return WithSlash(userDir);
}

// "DataPath" names the data directory; without it (or when it is empty) the
// catalogue that the set-up builds beside the program is used.
QString FindDataDir(const TIniFile& Ini)
{
    const QString dataPath = Ini.ReadString(SectionMusarix, QStringLiteral("DataPath"), QString());
    if (dataPath.isEmpty())
        return WithSlash(QCoreApplication::applicationDirPath() + QStringLiteral("/data"));
    return WithSlash(dataPath);
}

bool AskForData()
{
    if (DataPrompt)
        return DataPrompt();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QStringLiteral("Legen Sie bitte die MUSARIX-CD ins Laufwerk!"));
    QPushButton* retry = box.addButton(QStringLiteral("&Retry"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == retry;
}

void ConnectCatalog()
{
    CatalogEnv = new THenv();
    CatalogDbc = new THdbc(CatalogEnv, "Hdbc1");
    CatalogDbc->SetCursorLib(static_cast<std::uint16_t>(SQL_CUR_USE_DRIVER));
    CatalogDbc->SetDataSource("MUSARIX");
    // The data source names its driver already, and the driver manager takes
    // the DSN, which comes first in the connection string; the driver name
    // (as the set-up registers it) is passed on for completeness.
    CatalogDbc->SetDriver("SQLite3");
    CatalogDbc->SetInfoPrompt(0);
    CatalogDbc->SetIsolationLevel(SQL_TXN_READ_COMMITTED);
    CatalogDbc->SetPassword(CatalogPassword);
    CatalogDbc->SetUserName(CatalogUser);
    try {
        CatalogDbc->Connect();
    } catch (...) {
        // A catalogue that cannot be reached now is reported by the first
        // statement that needs it (the backdrop's), not here.
    }
}

TVlf* OpenStore(const QString& FileName)
{
    auto* store = new TVlf();
    store->Open(QFile::encodeName(DataDir + FileName).toStdString());
    return store;
}

// Puts the owned-album marks back after a new catalogue was installed. A
// trailing piece shorter than a record (a file cut short) is left out: the
// complete records are still worth restoring, and ending the program over
// the rest would help nobody.
void RestoreOwnedAlbums()
{
    QFile file(ProgramDir + OwnedAlbumsFile);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray records = file.readAll();
    constexpr qsizetype RecordSize = 4;
    for (qsizetype pos = 0; pos + RecordSize <= records.size(); pos += RecordSize) {
        const qint32 albumId = qFromLittleEndian<qint32>(records.constData() + pos);
        try {
            SetSQLText(*SharedStmt,
                       QStringLiteral("UPDATE ALBUM SET ALBU_FLAG = 1 WHERE ALBU_ID = ") +
                           QString::number(albumId));
            SharedStmt->Prepare();
            SharedStmt->Execute();
        } catch (const std::exception&) {
            // One album that cannot be marked must not stop the others.
        }
    }
}

QByteArray LoadSound(qint64 Item)
{
    const std::vector<char> bytes = SystemStore->ReadItem(Item);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void PlayInterfaceSound(TInterfaceSound Sound, const QByteArray& Wav)
{
    if (SoundObserver)
        SoundObserver(Sound);
    InterfaceSounds::Play(Wav);
}

} // namespace

bool InitProgram()
{
    ProgramDir = FindProgramDir();
    bool restoreOwnedAlbums = false;
    {
        const TIniFile ini(ProgramDir + SettingsFile);
        DataDir = FindDataDir(ini);
        ShowHints = ini.ReadBool(SectionMusarix, QStringLiteral("Hinweise"), true);
        KeyClick = ini.ReadBool(SectionMusarix, QStringLiteral("Click"), true);
        ErrorSoundOn = ini.ReadBool(SectionMusarix, QStringLiteral("ErrorSound"), false);
        IntroOn = ini.ReadBool(SectionMusarix, QStringLiteral("Intro"), true);
        IntroMusicOn = ini.ReadBool(SectionMusarix, QStringLiteral("Intro Musik"), true);
        OutroOn = ini.ReadBool(SectionMusarix, QStringLiteral("Abspann"), true);
        OutroMusicOn = ini.ReadBool(SectionMusarix, QStringLiteral("Abspann Musik"), true);
        MarginLeft = ini.ReadInteger(SectionPrinter, QStringLiteral("Rand Links"), 15);
        MarginRight = ini.ReadInteger(SectionPrinter, QStringLiteral("Rand Rechts"), 10);
        MarginTop = ini.ReadInteger(SectionPrinter, QStringLiteral("Rand Oben"), 10);
        MarginBottom = ini.ReadInteger(SectionPrinter, QStringLiteral("Rand Unten"), 20);
        restoreOwnedAlbums = ini.ReadBool(SectionInstall, OwnedAlbumsFile, false);
    }

    // The hand cursor of the links is Qt::PointingHandCursor; it needs no
    // registration.
    THintFilter::Install();

    while (!QFile::exists(DataDir + DatabaseFile)) {
        if (!AskForData())
            return false;
    }

    // The statement exists before its connection so that it can be handed
    // the connection as soon as that exists.
    SharedStmt = new THstmt("SharedStmt");
    SharedStmt->SetRowSetSize(1);
    ConnectCatalog();
    SharedStmt->SetHdbc(CatalogDbc);

    TextStore = OpenStore(QStringLiteral("Musarix.St"));
    SoundStore = OpenStore(QStringLiteral("Musarix.Sb"));
    SystemStore = OpenStore(QStringLiteral("Musarix.Sy"));

    if (restoreOwnedAlbums)
        RestoreOwnedAlbums();

    LinkSound = LoadSound(LinkSoundItem);
    ClickSound = LoadSound(ClickSoundItem);
    ErrorSound = LoadSound(ErrorSoundItem);
    return true;
}

void DoneProgram()
{
    {
        TIniFile ini(ProgramDir + SettingsFile);
        ini.WriteBool(SectionMusarix, QStringLiteral("Hinweise"), ShowHints);
        ini.WriteBool(SectionMusarix, QStringLiteral("Click"), KeyClick);
        ini.WriteBool(SectionMusarix, QStringLiteral("ErrorSound"), ErrorSoundOn);
        ini.WriteBool(SectionMusarix, QStringLiteral("Intro"), IntroOn);
        ini.WriteBool(SectionMusarix, QStringLiteral("Intro Musik"), IntroMusicOn);
        ini.WriteBool(SectionMusarix, QStringLiteral("Abspann"), OutroOn);
        ini.WriteBool(SectionMusarix, QStringLiteral("Abspann Musik"), OutroMusicOn);
        ini.WriteInteger(SectionPrinter, QStringLiteral("Rand Links"), MarginLeft);
        ini.WriteInteger(SectionPrinter, QStringLiteral("Rand Rechts"), MarginRight);
        ini.WriteInteger(SectionPrinter, QStringLiteral("Rand Oben"), MarginTop);
        ini.WriteInteger(SectionPrinter, QStringLiteral("Rand Unten"), MarginBottom);
        ini.WriteBool(SectionInstall, OwnedAlbumsFile, false);
    }

    for (TVlf* store : {SystemStore, SoundStore, TextStore}) {
        if (store != nullptr)
            store->Close();
    }
    delete SystemStore;
    delete SoundStore;
    delete TextStore;
    SystemStore = SoundStore = TextStore = nullptr;

    TMusaForm::ClearWallpaperCache();
    InterfaceSounds::Reset();
    ErrorSound.clear();
    ClickSound.clear();
    LinkSound.clear();

    // Statement before connection before environment, so each handle is
    // freed before the one it was allocated on.
    delete SharedStmt;
    delete CatalogDbc;
    delete CatalogEnv;
    SharedStmt = nullptr;
    CatalogDbc = nullptr;
    CatalogEnv = nullptr;
}

void PlayLinkSound()
{
    if (KeyClick)
        PlayInterfaceSound(TInterfaceSound::Link, LinkSound);
}

void PlayClickSound()
{
    if (KeyClick)
        PlayInterfaceSound(TInterfaceSound::Click, ClickSound);
}

void PlayErrorSound()
{
    if (ErrorSoundOn)
        PlayInterfaceSound(TInterfaceSound::Error, ErrorSound);
}

void SetSoundObserver(TSoundObserver Observer)
{
    SoundObserver = std::move(Observer);
}

void SetDataPromptForTesting(TDataPrompt Prompt)
{
    DataPrompt = std::move(Prompt);
}
