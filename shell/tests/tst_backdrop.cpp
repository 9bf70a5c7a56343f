#include "odbc/OCL.h"
#include "shell/Black.h"
#include "shell/Global.h"
#include "shell/MusaMain.h"
#include "shell/tests/CoreTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace CoreTest;

namespace {

// A started program on a small catalogue; the main menu is replaced by a
// recorder unless a test wants the real one.
class BackdropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Files = std::make_unique<TProgramFiles>(CatalogWithAlbums(1));
        Files->WriteSettings(QStringLiteral("Intro=0\r\nAbspann=0\r\n"));
        ASSERT_TRUE(InitProgram());
        TfrmBlack::SetMainMenuForTesting([this] {
            ++MainMenuRuns;
            BoxesBeforeMainMenu = Catcher ? Catcher->Texts.size() : 0;
        });
    }
    void TearDown() override
    {
        TfrmBlack::SetMainMenuForTesting({});
        TfrmBlack::SetColourDepthForTesting(0);
        DoneProgram();
        Files.reset();
    }

    std::unique_ptr<TProgramFiles> Files;
    std::unique_ptr<TMessageBoxCatcher> Catcher;
    int MainMenuRuns = 0;
    qsizetype BoxesBeforeMainMenu = -1;
};

} // namespace

TEST(BackdropWarningTest, ColourDepthWarningIsTheGermanTextWithTheBits)
{
    EXPECT_EQ(TfrmBlack::ColourDepthWarning(8),
              QStringLiteral("Ihr PC läuft im Moment mit einer Farbtiefe von 8bit.\n"
                             "Um optimal mit Musarix arbeiten zu können, sollten Sie die\n"
                             "Farbtiefe auf mind. 16bit (High Color) umschalten.\n\n"
                             "Das Programm wird sich jetzt in einer nicht sehr ansprechenden\n"
                             "Farbgebung präsentieren..."));
    EXPECT_TRUE(TfrmBlack::ColourDepthWarning(4).startsWith(
        QStringLiteral("Ihr PC läuft im Moment mit einer Farbtiefe von 4bit.\n")));
}

TEST_F(BackdropTest, FewColoursAreWarnedAboutBeforeTheMainMenu)
{
    TfrmBlack::SetColourDepthForTesting(8);
    Catcher = std::make_unique<TMessageBoxCatcher>();
    TfrmBlack backdrop;
    backdrop.show();
    backdrop.FormActivate();
    ASSERT_EQ(Catcher->Texts.size(), 1);
    EXPECT_EQ(Catcher->Titles[0], QStringLiteral("Information"));
    EXPECT_EQ(Catcher->Texts[0], TfrmBlack::ColourDepthWarning(8));
    EXPECT_EQ(Catcher->ButtonTexts, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(MainMenuRuns, 1);
    EXPECT_EQ(BoxesBeforeMainMenu, 1);
    EXPECT_FALSE(backdrop.isVisible()) << "the backdrop closes after the main menu";

    // The run happens once.
    backdrop.show();
    backdrop.FormActivate();
    EXPECT_EQ(MainMenuRuns, 1);
    EXPECT_EQ(Catcher->Texts.size(), 1);
}

TEST_F(BackdropTest, FifteenBitsPassWithoutWarning)
{
    TfrmBlack::SetColourDepthForTesting(15);
    Catcher = std::make_unique<TMessageBoxCatcher>();
    TfrmBlack backdrop;
    backdrop.FormActivate();
    EXPECT_TRUE(Catcher->Texts.isEmpty());
    EXPECT_EQ(MainMenuRuns, 1);
}

TEST_F(BackdropTest, SqliteCatalogueGetsNoQuotedIdentifierStatement)
{
    TfrmBlack backdrop;
    EXPECT_NO_THROW(backdrop.FormShow());
    EXPECT_EQ(backdrop.Hstmt1.Hdbc(), CatalogDbc);
    EXPECT_TRUE(backdrop.Hstmt1.SQL().empty());
    EXPECT_EQ(backdrop.Hstmt1.CursorType(), 1u);
    EXPECT_EQ(backdrop.Hstmt1.Name(), "Hstmt1");
}

TEST_F(BackdropTest, ShowingTheBackdropRunsTheProgramAndReportsAnUnreachableCatalogue)
{
    // The catalogue goes away after the start: the statement of FormShow is
    // the first to notice, and the program still goes on to the main menu.
    CatalogDbc->Disconnect();
    CatalogDbc->SetDataSource("NO SUCH SOURCE");
    Catcher = std::make_unique<TMessageBoxCatcher>();
    TfrmBlack backdrop;
    backdrop.show();
    ASSERT_TRUE(WaitUntil([&] { return MainMenuRuns == 1; }));
    ASSERT_EQ(Catcher->Texts.size(), 1);
    EXPECT_EQ(Catcher->Titles[0], QStringLiteral("Musarix"));
    EXPECT_TRUE(Catcher->Texts[0].contains(QStringLiteral("not found")) ||
                Catcher->Texts[0].contains(QStringLiteral("Data source")))
        << Catcher->Texts[0].toStdString();
    EXPECT_EQ(BoxesBeforeMainMenu, 1);
    EXPECT_TRUE(WaitUntil([&] { return !backdrop.isVisible(); }));
}

TEST_F(BackdropTest, IconBesideTheProgramReplacesTheBuiltInOne)
{
    const qint64 before = QApplication::windowIcon().cacheKey();
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::darkGreen);
    if (!picture.save(ProgramDir + QStringLiteral("Musarix.ico"), "ICO"))
        GTEST_SKIP() << "no ICO writer in this Qt";
    TfrmBlack backdrop;
    backdrop.FormActivate();
    EXPECT_NE(QApplication::windowIcon().cacheKey(), before);
    EXPECT_EQ(QApplication::windowIcon().pixmap(32).toImage().pixel(5, 5),
              QColor(Qt::darkGreen).rgb());
}

TEST_F(BackdropTest, TheRealMainMenuRunsModallyUntilItIsClosed)
{
    TfrmBlack::SetMainMenuForTesting({});
    bool sawMainMenu = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<TfrmMain*>(QApplication::activeModalWidget())) {
            sawMainMenu = menu->isVisible();
            menu->reject();
        }
    });
    closer.start(10);
    TfrmBlack backdrop;
    backdrop.FormActivate();
    EXPECT_TRUE(sawMainMenu);
}
