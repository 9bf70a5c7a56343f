#include "odbc/OCL.h"
#include "odbc/Vlf.h"
#include "shell/Global.h"
#include "shell/tests/CoreTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CoreTest;

namespace {

constexpr qint64 ClickItem = 1718312;
constexpr qint64 LinkItem = 1727306;
constexpr qint64 ErrorItem = 1729408;

// Every test leaves the global state as a finished run would, and no
// prompt answer behind.
class GlobalTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        SetDataPromptForTesting({});
        SetSoundObserver({});
        if (FRunning)
            DoneProgram();
    }

    bool Init()
    {
        FRunning = InitProgram();
        return FRunning;
    }
    void Done()
    {
        DoneProgram();
        FRunning = false;
    }

    bool FRunning = false;
};

int PromptCount = 0;
bool CancelPrompt()
{
    ++PromptCount;
    return false;
}

} // namespace

// --- settings ---------------------------------------------------------------

TEST_F(GlobalTest, MissingSettingsFileGivesDefaultsAndWritesEveryKeyButDataPath)
{
    TProgramFiles files;
    PromptCount = 0;
    SetDataPromptForTesting(CancelPrompt);
    const QString besideProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/data/");
    // No settings file: the data are looked for beside the program. Where
    // the demo catalogue has been built there, the start goes through;
    // otherwise the prompt comes and the user gives up.
    if (QFile::exists(besideProgram + QStringLiteral("Musarix.db"))) {
        ASSERT_TRUE(InitProgram());
    } else {
        ASSERT_FALSE(InitProgram());
        EXPECT_EQ(PromptCount, 1);
        // A cancelled start writes nothing.
        EXPECT_FALSE(QFile::exists(files.SettingsFile()));
    }
    EXPECT_EQ(ProgramDir, files.ProgramPath());
    EXPECT_EQ(DataDir, besideProgram);
    EXPECT_TRUE(ShowHints);
    EXPECT_TRUE(KeyClick);
    EXPECT_FALSE(ErrorSoundOn);
    EXPECT_TRUE(IntroOn && IntroMusicOn && OutroOn && OutroMusicOn);
    EXPECT_EQ(MarginLeft, 15);
    EXPECT_EQ(MarginRight, 10);
    EXPECT_EQ(MarginTop, 10);
    EXPECT_EQ(MarginBottom, 20);

    DoneProgram();
    const QString written = files.ReadSettings();
    for (const char* line :
         {"[MUSARIX]", "Hinweise=1", "Click=1", "ErrorSound=0", "Intro=1", "Intro Musik=1",
          "Abspann=1", "Abspann Musik=1", "[DRUCKER]", "Rand Links=15", "Rand Rechts=10",
          "Rand Oben=10", "Rand Unten=20", "[INSTALL]", "Alben.Dat=0"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(line))) << line;
    EXPECT_FALSE(written.contains(QStringLiteral("DataPath")));
}

TEST_F(GlobalTest, SettingsAreReadAndWrittenBackAtTheEndOnly)
{
    TProgramFiles files;
    files.WriteSettings(QStringLiteral("Hinweise=0\r\nClick=0\r\nErrorSound=5\r\nIntro=0\r\n"
                                       "Intro Musik=0\r\nAbspann=0\r\nAbspann Musik=0\r\n"
                                       "[DRUCKER]\r\nRand Links=1\r\nRand Rechts=2\r\n"
                                       "Rand Oben=3\r\nRand Unten=4\r\n"));
    ASSERT_TRUE(Init());
    EXPECT_FALSE(ShowHints);
    EXPECT_FALSE(KeyClick);
    EXPECT_TRUE(ErrorSoundOn); // any value but 0 is true
    EXPECT_FALSE(IntroOn || IntroMusicOn || OutroOn || OutroMusicOn);
    EXPECT_EQ(MarginLeft, 1);
    EXPECT_EQ(MarginRight, 2);
    EXPECT_EQ(MarginTop, 3);
    EXPECT_EQ(MarginBottom, 4);

    const QString before = files.ReadSettings();
    IntroOn = true;
    MarginBottom = 33;
    EXPECT_EQ(files.ReadSettings(), before) << "settings reach the file only at the end";
    Done();
    const QString after = files.ReadSettings();
    EXPECT_TRUE(after.contains(QStringLiteral("Intro=1")));
    EXPECT_TRUE(after.contains(QStringLiteral("ErrorSound=1")));
    EXPECT_TRUE(after.contains(QStringLiteral("Rand Unten=33")));
    EXPECT_TRUE(after.contains(QStringLiteral("DataPath=") + QDir(files.DataPath()).path()))
        << "DataPath stays as the user wrote it";
}

TEST_F(GlobalTest, DataPathGetsOneSlashAndEmptyMeansBesideTheProgram)
{
    TProgramFiles files;
    SetDataPromptForTesting(CancelPrompt);
    const QString dir = QDir(files.DataPath()).path();
    files.WriteSettings();
    ASSERT_TRUE(Init());
    EXPECT_EQ(DataDir, dir + QStringLiteral("/"));
    Done();

    QFile::remove(files.SettingsFile());
    QFile settings(files.SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[MUSARIX]\nDataPath=%1/\n").arg(dir).toUtf8());
    settings.close();
    ASSERT_TRUE(Init());
    EXPECT_EQ(DataDir, dir + QStringLiteral("/"));
    Done();

    ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write("[MUSARIX]\nDataPath=\n");
    settings.close();
    Init();
    EXPECT_EQ(DataDir, QCoreApplication::applicationDirPath() + QStringLiteral("/data/"));
}

// --- the prompt for the data --------------------------------------------------

TEST_F(GlobalTest, DataPromptRepeatsUntilTheDatabaseIsThere)
{
    TProgramFiles files;
    files.WriteSettings();
    const QString database = files.DataPath() + QStringLiteral("Musarix.db");
    const QString hidden = files.DataPath() + QStringLiteral("elsewhere.db");
    ASSERT_TRUE(QFile::rename(database, hidden));
    int prompts = 0;
    SetDataPromptForTesting([&] {
        if (++prompts == 3)
            QFile::rename(hidden, database);
        return true;
    });
    ASSERT_TRUE(Init());
    EXPECT_EQ(prompts, 3);
    EXPECT_TRUE(CatalogDbc->Connected());
}

TEST_F(GlobalTest, DataPromptIsTheInformationBoxWithRetryAndCancel)
{
    TProgramFiles files;
    files.WriteSettings();
    QFile::remove(files.DataPath() + QStringLiteral("Musarix.db"));
    const QString settingsBefore = files.ReadSettings();
    TMessageBoxCatcher catcher(QStringLiteral("Cancel"));
    EXPECT_FALSE(InitProgram());
    EXPECT_EQ(files.ReadSettings(), settingsBefore);
    ASSERT_EQ(catcher.Texts.size(), 1);
    EXPECT_EQ(catcher.Titles[0], QStringLiteral("Information"));
    EXPECT_EQ(catcher.Texts[0], QStringLiteral("Legen Sie bitte die MUSARIX-CD ins Laufwerk!"));
    EXPECT_EQ(catcher.ButtonTexts,
              QStringList({QStringLiteral("&Retry"), QStringLiteral("Cancel")}));
    EXPECT_EQ(CatalogDbc, nullptr) << "nothing after the prompt runs";
}

// --- connection and stores ------------------------------------------------------

TEST_F(GlobalTest, CatalogConnectionUsesTheDataSourceAndTheStoresAreOpen)
{
    TProgramFiles files(CatalogWithAlbums(2));
    files.WriteSettings();
    files.WriteSystemStore({{ClickItem, MakeWav(20)}});
    ASSERT_TRUE(Init());
    ASSERT_NE(CatalogDbc, nullptr);
    EXPECT_TRUE(CatalogDbc->Connected());
    EXPECT_EQ(CatalogDbc->Name(), "Hdbc1");
    EXPECT_EQ(CatalogDbc->DataSource(), "MUSARIX");
    EXPECT_EQ(CatalogDbc->UserName(), "DBA");
    EXPECT_EQ(CatalogDbc->Password().size(), 3u);
    EXPECT_EQ(CatalogDbc->IsolationLevel(), 2u);
    EXPECT_EQ(CatalogDbc->CursorLib(), 2u);
    EXPECT_EQ(CatalogDbc->Henv(), CatalogEnv);
    EXPECT_EQ(SharedStmt->RowSetSize(), 1u);

    // The shared statement works on the catalogue straight away.
    SharedStmt->SetSQL("SELECT COUNT(*) FROM ALBUM");
    SharedStmt->Prepare();
    SharedStmt->Execute();
    ASSERT_TRUE(SharedStmt->FetchNext());
    EXPECT_EQ(SharedStmt->ColInteger(1), 2);

    EXPECT_TRUE(SystemStore->IsOpen());
    EXPECT_FALSE(TextStore->IsOpen()) << "a missing store gives no items";
    EXPECT_EQ(ClickSound, MakeWav(20));
    EXPECT_TRUE(LinkSound.isEmpty());
}

TEST_F(GlobalTest, UnreachableCatalogueIsNotReportedAtStart)
{
    // The data directory holds a Musarix.db, but the data source points at
    // a database that is gone (and must not be created anew).
    TProgramFiles files(CatalogWithAlbums(1), "MUSARIX", {"NoCreat=1"});
    ASSERT_TRUE(QFile::remove(files.DataPath() + QStringLiteral("Musarix.db")));
    QTemporaryDir otherData;
    QFile placeholder(otherData.filePath(QStringLiteral("Musarix.db")));
    ASSERT_TRUE(placeholder.open(QIODevice::WriteOnly));
    placeholder.close();
    QFile settings(files.SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[MUSARIX]\nDataPath=%1\n").arg(otherData.path()).toUtf8());
    settings.close();

    ASSERT_TRUE(Init());
    EXPECT_FALSE(CatalogDbc->Connected());
    // The first statement reports it.
    SharedStmt->SetSQL("SELECT 1");
    EXPECT_THROW(SharedStmt->Prepare(), EODBC);
}

// --- owned albums -----------------------------------------------------------------

TEST_F(GlobalTest, OwnedAlbumsAreRestoredOnceAfterAnInstallation)
{
    TProgramFiles files(CatalogWithAlbums(6));
    files.WriteSettings(QStringLiteral("[INSTALL]\r\nAlben.Dat=1\r\n"));
    files.WriteOwnedAlbums(TProgramFiles::AlbumRecords({5, 2, 4}));
    ASSERT_TRUE(Init());
    EXPECT_EQ(files.OwnedAlbums(), (std::vector<int>{2, 4, 5}));
    Done();
    EXPECT_TRUE(files.ReadSettings().contains(QStringLiteral("Alben.Dat=0")));

    // The next start restores nothing.
    files.Exec("UPDATE ALBUM SET ALBU_FLAG = 0");
    ASSERT_TRUE(Init());
    EXPECT_TRUE(files.OwnedAlbums().empty());
}

TEST_F(GlobalTest, TruncatedOwnedAlbumsFileRestoresTheCompleteRecords)
{
    TProgramFiles files(CatalogWithAlbums(6));
    files.WriteSettings(QStringLiteral("[INSTALL]\r\nAlben.Dat=1\r\n"));
    QByteArray records = TProgramFiles::AlbumRecords({1, 3, 6});
    records.chop(2);
    files.WriteOwnedAlbums(records);
    ASSERT_TRUE(Init());
    EXPECT_EQ(files.OwnedAlbums(), (std::vector<int>{1, 3}));
    Done();
    EXPECT_TRUE(files.ReadSettings().contains(QStringLiteral("Alben.Dat=0")));
}

TEST_F(GlobalTest, OwnedAlbumRestoreSkipsWhatItCannotMark)
{
    TProgramFiles files(CatalogWithAlbums(3));
    files.WriteSettings(QStringLiteral("[INSTALL]\r\nAlben.Dat=1\r\n"));
    // 99 does not exist; -1 shows that keys are read as signed numbers.
    files.WriteOwnedAlbums(TProgramFiles::AlbumRecords({99, 3, -1}));
    files.Exec("INSERT INTO ALBUM (ALBU_ID, ALBU_NAME) VALUES (-1, 'Negative');");
    ASSERT_TRUE(Init());
    EXPECT_EQ(files.OwnedAlbums(), (std::vector<int>{-1, 3}));
}

TEST_F(GlobalTest, FailingUpdatesOfTheRestoreAreDropped)
{
    // A catalogue without the ALBUM table: every update fails.
    TProgramFiles files("CREATE TABLE OTHER (A INTEGER);");
    files.WriteSettings(QStringLiteral("[INSTALL]\r\nAlben.Dat=1\r\n"));
    files.WriteOwnedAlbums(TProgramFiles::AlbumRecords({1, 2}));
    EXPECT_TRUE(Init());
}

TEST_F(GlobalTest, RestoreWithoutTheFileChangesNothing)
{
    TProgramFiles files(CatalogWithAlbums(3));
    files.WriteSettings(QStringLiteral("[INSTALL]\r\nAlben.Dat=1\r\n"));
    ASSERT_TRUE(Init());
    EXPECT_TRUE(files.OwnedAlbums().empty());
    Done();
    EXPECT_TRUE(files.ReadSettings().contains(QStringLiteral("Alben.Dat=0")));
}

TEST_F(GlobalTest, OwnedAlbumsFileIsIgnoredWithoutTheInstallRequest)
{
    TProgramFiles files(CatalogWithAlbums(3));
    files.WriteSettings();
    files.WriteOwnedAlbums(TProgramFiles::AlbumRecords({1, 2}));
    ASSERT_TRUE(Init());
    EXPECT_TRUE(files.OwnedAlbums().empty());
}

// --- interface sounds ---------------------------------------------------------------

TEST_F(GlobalTest, SoundsPlayOnlyWhenTheirSettingIsOn)
{
    TProgramFiles files(CatalogWithAlbums(1));
    files.WriteSystemStore(
        {{ClickItem, MakeWav(30, 300)}, {LinkItem, MakeWav(20, 500)}, {ErrorItem, MakeWav(40)}});
    files.WriteSettings(QStringLiteral("Click=0\r\nErrorSound=0\r\n"));
    ASSERT_TRUE(Init());
    EXPECT_EQ(ClickSound, MakeWav(30, 300));
    EXPECT_EQ(LinkSound, MakeWav(20, 500));
    EXPECT_EQ(ErrorSound, MakeWav(40));

    std::vector<TInterfaceSound> heard;
    SetSoundObserver([&](TInterfaceSound sound) { heard.push_back(sound); });
    PlayClickSound();
    PlayLinkSound();
    PlayErrorSound();
    EXPECT_TRUE(heard.empty());

    KeyClick = true;
    ErrorSoundOn = true;
    QElapsedTimer clock;
    clock.start();
    PlayClickSound();
    PlayLinkSound();
    PlayErrorSound();
    EXPECT_EQ(heard, (std::vector<TInterfaceSound>{TInterfaceSound::Click, TInterfaceSound::Link,
                                                   TInterfaceSound::Error}));
    // No audio device here: silent, and at once.
    EXPECT_LT(clock.elapsed(), 500);
}

TEST_F(GlobalTest, DefaultSettingsClickButKeepFailuresSilent)
{
    TProgramFiles files(CatalogWithAlbums(1));
    files.WriteSettings();
    ASSERT_TRUE(Init());
    std::vector<TInterfaceSound> heard;
    SetSoundObserver([&](TInterfaceSound sound) { heard.push_back(sound); });
    PlayErrorSound();
    PlayClickSound();
    EXPECT_EQ(heard, std::vector<TInterfaceSound>{TInterfaceSound::Click});
}
