#include "odbc/Vlf.h"
#include "shell/Global.h"
#include "shell/Help.h"
#include "shell/IniFile.h"
#include "shell/MusaForm.h"
#include "shell/tests/CoreTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace CoreTest;

namespace {

// A screen that records the keys its preview sees and uses the ones it is
// told to.
class TKeyScreen : public TMusaForm
{
public:
    using TMusaForm::TMusaForm;

    QList<int> Released;
    QList<int> Used;

protected:
    bool FormKeyUp(QKeyEvent* Event) override
    {
        Released << Event->key();
        if (Event->key() == Qt::Key_Escape)
            done(7);
        return Used.contains(Event->key());
    }
};

// A control that counts the key releases that reach it.
class TCountingEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    int Releases = 0;

protected:
    void keyReleaseEvent(QKeyEvent* Event) override
    {
        ++Releases;
        Event->ignore();
    }
};

void Release(QWidget* Target, int Key)
{
    QKeyEvent event(QEvent::KeyRelease, Key, Qt::NoModifier);
    QApplication::sendEvent(Target, &event);
}

void Press(QWidget* Target, int Key)
{
    QKeyEvent event(QEvent::KeyPress, Key, Qt::NoModifier);
    QApplication::sendEvent(Target, &event);
}

// Screens keep their positions in the settings file of ProgramDir.
class MusaFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FOldProgramDir = ProgramDir;
        ProgramDir = Dir.path() + QStringLiteral("/");
        TMusaForm::SetDisplaySizeForTesting(QSize(1024, 768));
    }
    void TearDown() override
    {
        TMusaForm::SetDisplaySizeForTesting(QSize());
        ProgramDir = FOldProgramDir;
    }

    QString SettingsFile() const { return ProgramDir + QStringLiteral("Musarix.Ini"); }

    QTemporaryDir Dir;
    QString FOldProgramDir;
};

} // namespace

// --- positions ----------------------------------------------------------------

TEST_F(MusaFormTest, ReadPositionPullsTheScreenBackOnToTheDisplay)
{
    {
        TIniFile ini(SettingsFile());
        ini.WriteInteger(QStringLiteral("MENUE: TEXTE"), QStringLiteral("XPos"), -50);
        ini.WriteInteger(QStringLiteral("MENUE: TEXTE"), QStringLiteral("YPos"), 5000);
        ini.WriteInteger(QStringLiteral("MENUE: TEXTE"), QStringLiteral("Breite"), 900);
    }
    TMusaForm screen;
    screen.resize(300, 200);
    screen.ReadPosition(QStringLiteral("MENUE: TEXTE"));
    EXPECT_EQ(screen.pos(), QPoint(0, 768 - 200));
    EXPECT_EQ(screen.width(), 300) << "only a resizable screen reads its size";
    EXPECT_TRUE(screen.PositionRead());

    // Read once until written back.
    screen.move(10, 10);
    screen.ReadPosition(QStringLiteral("MENUE: TEXTE"));
    EXPECT_EQ(screen.pos(), QPoint(10, 10));
}

TEST_F(MusaFormTest, ReadPositionKeepsAPlaceOnTheDisplayAndTheDesignedOneWithoutSettings)
{
    {
        TIniFile ini(SettingsFile());
        ini.WriteInteger(QStringLiteral("A"), QStringLiteral("XPos"), 1000);
        ini.WriteInteger(QStringLiteral("A"), QStringLiteral("YPos"), -3);
        ini.WriteInteger(QStringLiteral("B"), QStringLiteral("XPos"), 120);
        ini.WriteInteger(QStringLiteral("B"), QStringLiteral("YPos"), 80);
    }
    TMusaForm a;
    a.resize(300, 200);
    a.ReadPosition(QStringLiteral("A"));
    EXPECT_EQ(a.pos(), QPoint(1024 - 300, 0));

    TMusaForm b;
    b.resize(300, 200);
    b.ReadPosition(QStringLiteral("B"));
    EXPECT_EQ(b.pos(), QPoint(120, 80));

    TMusaForm c;
    c.resize(300, 200);
    c.move(33, 44);
    c.ReadPosition(QStringLiteral("NOT THERE"));
    EXPECT_EQ(c.pos(), QPoint(33, 44));

    // A screen larger than the display ends at the display size minus its
    // own: a negative place.
    TMusaForm big;
    big.resize(1200, 900);
    big.ReadPosition(QStringLiteral("B"));
    EXPECT_EQ(big.pos(), QPoint(1024 - 1200, 768 - 900));
}

TEST_F(MusaFormTest, ResizableScreenKeepsItsSizeOthersOnlyTheirPlace)
{
    TMusaForm page;
    page.SetResizable(true);
    page.resize(500, 400);
    page.move(20, 30);
    page.WritePosition(QStringLiteral("DATENANZEIGE"));
    TMusaForm dialog;
    dialog.resize(200, 100);
    dialog.move(7, 8);
    dialog.WritePosition(QStringLiteral("SUCHLISTE"));

    const TIniFile ini(SettingsFile());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("DATENANZEIGE"), QStringLiteral("XPos"), -1), 20);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("DATENANZEIGE"), QStringLiteral("YPos"), -1), 30);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("DATENANZEIGE"), QStringLiteral("Breite"), -1), 500);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("DATENANZEIGE"), QStringLiteral("Hoehe"), -1), 400);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("SUCHLISTE"), QStringLiteral("XPos"), -1), 7);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("SUCHLISTE"), QStringLiteral("YPos"), -1), 8);
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("SUCHLISTE"), QStringLiteral("Breite")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("SUCHLISTE"), QStringLiteral("Hoehe")));

    TMusaForm next;
    next.SetResizable(true);
    next.ReadPosition(QStringLiteral("DATENANZEIGE"));
    EXPECT_EQ(next.geometry(), QRect(20, 30, 500, 400));
}

TEST_F(MusaFormTest, ImplodedScreenWritesNoPosition)
{
    TMusaForm screen;
    screen.resize(200, 100);
    screen.move(50, 60);
    screen.ReadPosition(QStringLiteral("X"));
    screen.Implode();
    screen.WritePosition(QStringLiteral("X"));
    EXPECT_FALSE(QFile::exists(SettingsFile()));
    EXPECT_TRUE(screen.PositionRead()) << "a screen hidden while away keeps its read position";
    screen.Explode();
    screen.WritePosition(QStringLiteral("X"));
    EXPECT_FALSE(screen.PositionRead());
    const TIniFile ini(SettingsFile());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("X"), QStringLiteral("XPos"), -1), 50);
}

// --- implode and explode ------------------------------------------------------------

TEST_F(MusaFormTest, FullScreenScreensLieExactlyOverEachOther)
{
    // The main menu and a category list are both 640 x 480; a list opened
    // over the menu must cover it exactly, whatever place it had before.
    TMusaForm menu;
    menu.setWindowFlags(Qt::FramelessWindowHint);
    menu.resize(640, 480);
    menu.move(3, 7);
    menu.CentreOnDisplay();
    EXPECT_EQ(menu.pos(), QPoint(192, 144));
    menu.show();
    TMusaForm list;
    list.setWindowFlags(Qt::FramelessWindowHint);
    list.resize(640, 480);
    list.show();
    list.CentreOnDisplay();
    EXPECT_EQ(list.geometry(), menu.geometry());
}

TEST_F(MusaFormTest, ImplodeTwiceThenExplodeOnceComesBackToTheFirstPlace)
{
    TMusaForm screen;
    screen.resize(300, 200);
    screen.move(100, 120);
    screen.show();
    screen.Implode();
    EXPECT_TRUE(screen.Imploded());
    EXPECT_EQ(screen.pos(), QPoint(1024 + 10, 768 + 10));
    EXPECT_TRUE(screen.isVisible());
    screen.Implode();
    screen.Explode();
    EXPECT_FALSE(screen.Imploded());
    EXPECT_EQ(screen.pos(), QPoint(100, 120));
    screen.Explode();
    EXPECT_EQ(screen.pos(), QPoint(100, 120));
}

TEST_F(MusaFormTest, ImplodeKeepsTheModalRunGoing)
{
    TMusaForm screen;
    screen.resize(300, 200);
    bool stillShown = false;
    QTimer::singleShot(0, &screen, [&] {
        screen.Implode();
        QTimer::singleShot(20, &screen, [&] {
            stillShown = screen.isVisible() && screen.Imploded();
            screen.Explode();
            screen.done(5);
        });
    });
    EXPECT_EQ(screen.exec(), 5);
    EXPECT_TRUE(stillShown);
}

// --- wallpaper -------------------------------------------------------------------

TEST_F(MusaFormTest, WallpaperTilesFromTheTopLeftAndCutsTheLastColumnAndRow)
{
    constexpr qint64 Item = 321256;
    const QImage tile = MakeTile(100, 100);
    const QString store = Dir.path() + QStringLiteral("/Musarix.Sy");
    WriteContainer(store, {{Item, EncodeBmp(tile)}});
    TVlf systemStore;
    systemStore.Open(QFile::encodeName(store).toStdString());
    TVlf* oldStore = SystemStore;
    SystemStore = &systemStore;
    TMusaForm::ClearWallpaperCache();

    TMusaForm screen;
    screen.resize(640, 480);
    screen.SetWallpaper(Item);
    ASSERT_NE(screen.Wallpaper(), nullptr);
    EXPECT_EQ(screen.Wallpaper()->objectName(), QStringLiteral("Wallpaper"));
    EXPECT_EQ(screen.Wallpaper()->size(), QSize(640, 480));
    const QImage shown = screen.grab().toImage();

    int tiles = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == qRgb(255, 0, 0)) {
                ++tiles;
                EXPECT_EQ(x % 100, 0);
                EXPECT_EQ(y % 100, 0);
            }
        }
    }
    EXPECT_EQ(tiles, 7 * 5);
    for (QPoint p : {QPoint(99, 99), QPoint(150, 250), QPoint(639, 479), QPoint(605, 12)})
        EXPECT_EQ(shown.pixel(p), tile.pixel(p.x() % 100, p.y() % 100)) << p.x() << "," << p.y();

    // The wallpaper follows the screen's size.
    screen.resize(250, 130);
    screen.grab();
    EXPECT_EQ(screen.Wallpaper()->size(), QSize(250, 130));

    SystemStore = oldStore;
    TMusaForm::ClearWallpaperCache();
}

TEST_F(MusaFormTest, MissingWallpaperLeavesTheBackground)
{
    TVlf* oldStore = SystemStore;
    TVlf empty; // not open: no items
    SystemStore = &empty;
    TMusaForm::ClearWallpaperCache();
    TMusaForm screen;
    QPalette palette = screen.palette();
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    screen.setPalette(palette);
    screen.resize(200, 100);
    screen.SetWallpaper(332342);
    const QImage shown = screen.grab().toImage();
    EXPECT_EQ(shown.pixel(150, 50), qRgb(10, 20, 30));
    SystemStore = oldStore;
    TMusaForm::ClearWallpaperCache();
}

// --- keys ----------------------------------------------------------------------

TEST_F(MusaFormTest, KeyReleaseInAControlReachesFormKeyUpFirst)
{
    TKeyScreen screen;
    // Controls added after the screen was made, one of them nested.
    auto* frame = new QFrame(&screen);
    auto* nested = new TCountingEdit(frame);
    auto* direct = new TCountingEdit(&screen);

    Release(nested, Qt::Key_A);
    EXPECT_EQ(screen.Released, QList<int>{Qt::Key_A}) << "seen once, not again on its way up";
    EXPECT_EQ(nested->Releases, 1) << "an unused key goes on to the control";

    screen.Used << Qt::Key_B;
    Release(direct, Qt::Key_B);
    EXPECT_EQ(screen.Released, (QList<int>{Qt::Key_A, Qt::Key_B}));
    EXPECT_EQ(direct->Releases, 0) << "a key the screen used stops there";

    Release(&screen, Qt::Key_C);
    Release(&screen, Qt::Key_C);
    EXPECT_EQ(screen.Released.count(Qt::Key_C), 2) << screen.Released.size();
}

TEST_F(MusaFormTest, ControlsPutIntoALayoutLaterAreWatchedToo)
{
    TKeyScreen screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* box = new QFrame;
    auto* edit = new TCountingEdit;
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(edit);
    layout->addWidget(box); // reparents a finished little tree
    Release(edit, Qt::Key_X);
    EXPECT_EQ(screen.Released, QList<int>{Qt::Key_X});
}

TEST_F(MusaFormTest, EscapeAndEnterActOnlyThroughFormKeyUp)
{
    TKeyScreen screen;
    auto* edit = new TCountingEdit(&screen);
    int result = -1;
    QTimer::singleShot(0, &screen, [&] {
        Press(edit, Qt::Key_Return);
        Press(edit, Qt::Key_Escape);
        Press(&screen, Qt::Key_Escape);
        // The dialog's own handling would have ended the run by now.
        QTimer::singleShot(20, &screen, [&] {
            if (screen.isVisible())
                Release(edit, Qt::Key_Escape);
        });
    });
    result = screen.exec();
    EXPECT_EQ(result, 7) << "ended by FormKeyUp, not rejected by the dialog";
}

TEST_F(MusaFormTest, KeysOfAScreenOpenedFromAnotherStayWithIt)
{
    TKeyScreen lower;
    TKeyScreen upper(&lower);
    auto* edit = new TCountingEdit(&upper);
    Release(edit, Qt::Key_Escape);
    EXPECT_EQ(upper.Released, QList<int>{Qt::Key_Escape});
    EXPECT_TRUE(lower.Released.isEmpty());
}

TEST_F(MusaFormTest, F1OpensTheHelpOfTheFocusedControlOrOfTheScreen)
{
    QFile page(Dir.path() + QStringLiteral("/help/24.html"));
    ASSERT_TRUE(QDir().mkpath(Dir.path() + QStringLiteral("/help")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Texte</h1></body></html>");
    page.close();
    SetHelpDirectory({});

    TMessageBoxCatcher catcher;
    TKeyScreen screen;
    screen.SetHelpContext(24);
    new QLineEdit(&screen); // takes the focus first, and has no topic
    auto* edit = new QLineEdit(&screen);
    edit->setProperty("helpContext", 99);
    screen.show();
    QApplication::setActiveWindow(&screen);

    // The screen's own topic.
    Press(&screen, Qt::Key_F1);
    QTextBrowser* viewer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(window); browser && browser->isVisible())
            viewer = browser;
    }
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->toPlainText().contains(QStringLiteral("Texte")));
    EXPECT_TRUE(screen.Released.isEmpty());
    EXPECT_TRUE(catcher.Texts.isEmpty());
    viewer->close();

    // The focused control's topic, whose page is missing: reported only now.
    edit->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == edit; }));
    Press(edit, Qt::Key_F1);
    ASSERT_TRUE(WaitUntil([&] { return !catcher.Texts.isEmpty(); }));
    EXPECT_TRUE(catcher.Texts[0].contains(QStringLiteral("99.html")));
}
