#include "shell/Help.h"

#include "shell/Global.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QString HelpDir;
QPointer<QTextBrowser> Viewer;

// The screens run modally, and Qt lets a modal screen block every window
// that is not its own. So the viewer always belongs to the screen that asked
// for help (and goes with it); a window of its own keeps it beside the
// screen instead of inside it.
QTextBrowser* HelpViewer()
{
    QWidget* owner = QApplication::activeModalWidget();
    QTextBrowser* viewer = Viewer.data();
    if (viewer == nullptr) {
        viewer = new QTextBrowser(owner);
        viewer->setWindowFlag(Qt::Window);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setWindowTitle(QStringLiteral("Musarix Hilfe"));
        viewer->setOpenLinks(true);
        viewer->resize(520, 440);
        Viewer = viewer;
    } else if (viewer->parentWidget() != owner) {
        const QRect bounds = viewer->geometry();
        viewer->setParent(owner, Qt::Window);
        viewer->setGeometry(bounds);
    }
    return viewer;
}

} // namespace

void SetHelpDirectory(const QString& Directory)
{
    HelpDir = Directory;
    if (!HelpDir.isEmpty() && !HelpDir.endsWith(QLatin1Char('/')))
        HelpDir += QLatin1Char('/');
}

QString HelpDirectory()
{
    if (!HelpDir.isEmpty())
        return HelpDir;
    // The pages are installed with the program. ProgramDir is the program's
    // directory too, except where the settings had to move to the user's own
    // directory; the pages stay beside the program file then.
    const QString besideSettings = ProgramDir + QStringLiteral("help/");
    if (QFileInfo(besideSettings).isDir())
        return besideSettings;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help/");
}

QString HelpFileName(int Context)
{
    const QString page = Context > 0 ? QString::number(Context) : QStringLiteral("index");
    return HelpDirectory() + page + QStringLiteral(".html");
}

void ShowHelp(int Context)
{
    const QString fileName = HelpFileName(Context);
    if (!QFile::exists(fileName)) {
        QMessageBox::information(
            QApplication::activeModalWidget(), QStringLiteral("Hilfe"),
            QStringLiteral("Die Hilfedatei %1 wurde nicht gefunden.").arg(fileName));
        return;
    }
    QTextBrowser* viewer = HelpViewer();
    viewer->setSearchPaths({HelpDirectory()});
    viewer->setSource(QUrl::fromLocalFile(fileName));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
