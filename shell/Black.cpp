#include "shell/Black.h"

#include "odbc/OCL.h"
#include "shell/AppIcon.h"
#include "shell/Global.h"
#include "shell/Intro.h"
#include "shell/MusaApplication.h"
#include "shell/Outro.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#if __has_include("shell/MusaMain.h")
#include "shell/MusaMain.h"
#define MUSARIX_HAS_MAIN_MENU 1
#endif

namespace {

int ColourDepthOverride = 0;
std::function<void()> MainMenuOverride;

bool IsSqlite(const std::string& DbmsName)
{
    return QString::fromStdString(DbmsName).startsWith(QStringLiteral("SQLite"),
                                                       Qt::CaseInsensitive);
}

} // namespace

TfrmBlack::TfrmBlack(QWidget* Parent) : QWidget(Parent, Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Musarix"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    Hstmt1.SetCursorType(SQL_CURSOR_KEYSET_DRIVEN);
}

TfrmBlack::~TfrmBlack() = default;

void TfrmBlack::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    if (FShown)
        return;
    FShown = true;
    // From the event loop, once the backdrop is on the display.
    QTimer::singleShot(0, this, &TfrmBlack::Start);
}

void TfrmBlack::Start()
{
    // A failure of FormShow is shown by the default error display and closed
    // by the user before the run goes on; an error box still open under the
    // main menu would block it.
    try {
        FormShow();
    } catch (const std::exception& error) {
        ShowException(error);
    }
    FormActivate();
}

void TfrmBlack::FormShow()
{
    Hstmt1.SetHdbc(CatalogDbc);
    // Allocating the statement connects the catalogue when start-up could
    // not; its failure is the first report of an unreachable catalogue.
    Hstmt1.Init();
    // SQLite reads double-quoted text as a string constant already (where no
    // column has that name) and rejects this statement as a syntax error.
    if (CatalogDbc != nullptr && IsSqlite(CatalogDbc->GetInfoString(SQL_DBMS_NAME)))
        return;
    Hstmt1.SetSQL("SET QUOTED_IDENTIFIER OFF");
    Hstmt1.Prepare();
    Hstmt1.Execute();
}

void TfrmBlack::FormActivate()
{
    if (FActivated)
        return;
    FActivated = true;

    setWindowState(windowState() | Qt::WindowFullScreen);
    QCoreApplication::processEvents();

    const int depth = ColourDepth();
    if (depth < 9) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                        ColourDepthWarning(depth), QMessageBox::Ok, this);
        box.exec();
    }

    // The help needs no setting up: ShowHelp finds its pages beside the
    // settings or beside the program (Help.h).

    const QString iconFile = ProgramDir + QStringLiteral("Musarix.ico");
    if (QFile::exists(iconFile)) {
        const QIcon icon(iconFile);
        if (!icon.isNull())
            QApplication::setWindowIcon(icon);
    }

    if (IntroOn)
        ShowIntro();
    RunMainMenu();
    if (OutroOn)
        ShowOutro();
    close();
}

void TfrmBlack::RunMainMenu()
{
    if (MainMenuOverride) {
        MainMenuOverride();
        return;
    }
#ifdef MUSARIX_HAS_MAIN_MENU
    RunModalScreen<TfrmMain>();
#endif
}

void TfrmBlack::closeEvent(QCloseEvent* Event)
{
    QWidget::closeEvent(Event);
    // The backdrop is the main window: with it the run ends, even while a
    // help window is still open.
    if (Event->isAccepted())
        QCoreApplication::quit();
}

QString TfrmBlack::ColourDepthWarning(int BitsPerPixel)
{
    const QString lineBreak = QStringLiteral("\n");
    return QStringLiteral("Ihr PC läuft im Moment mit einer Farbtiefe von ") +
           QString::number(BitsPerPixel) + QStringLiteral("bit.") + lineBreak +
           QStringLiteral("Um optimal mit Musarix arbeiten zu können, sollten Sie die") +
           lineBreak + QStringLiteral("Farbtiefe auf mind. 16bit (High Color) umschalten.") +
           lineBreak + lineBreak +
           QStringLiteral("Das Programm wird sich jetzt in einer nicht sehr ansprechenden") +
           lineBreak + QStringLiteral("Farbgebung präsentieren...");
}

void TfrmBlack::SetColourDepthForTesting(int BitsPerPixel)
{
    ColourDepthOverride = BitsPerPixel;
}

int TfrmBlack::ColourDepth()
{
    if (ColourDepthOverride > 0)
        return ColourDepthOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->depth() : 32;
}

void TfrmBlack::SetMainMenuForTesting(std::function<void()> Run)
{
    MainMenuOverride = std::move(Run);
}
