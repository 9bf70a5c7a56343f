#include "shell/MusaForm.h"

#include "odbc/Vlf.h"
#include "shell/Global.h"
#include "shell/Help.h"
#include "shell/IniFile.h"

#include <QApplication>
#include <QChildEvent>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

QSize DisplaySizeOverride;

QHash<qint64, QImage>& WallpaperTiles()
{
    static QHash<qint64, QImage> tiles;
    return tiles;
}

QImage WallpaperTile(qint64 Item)
{
    auto found = WallpaperTiles().constFind(Item);
    if (found != WallpaperTiles().constEnd())
        return *found;
    QImage tile;
    if (SystemStore != nullptr) {
        const std::vector<char> bytes = SystemStore->ReadItem(Item);
        if (!bytes.empty())
            tile = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                    static_cast<int>(bytes.size()), "BMP");
    }
    // A missing tile is remembered too, so that a screen without its picture
    // does not read the store at every paint.
    WallpaperTiles().insert(Item, tile);
    return tile;
}

QString SettingsFileName()
{
    return ProgramDir + QStringLiteral("Musarix.Ini");
}

} // namespace

TMusaForm::TMusaForm(QWidget* Parent) : QDialog(Parent)
{
    WatchControl(this);
}

TMusaForm::~TMusaForm() = default;

void TMusaForm::Implode()
{
    if (FImploded)
        return;
    FSavedLeft = x();
    FSavedTop = y();
    // Moved, not hidden: hiding a dialog would end its modal run.
    const QSize display = DisplaySize();
    move(display.width() + 10, display.height() + 10);
    FImploded = true;
    QCoreApplication::processEvents();
}

void TMusaForm::CentreOnDisplay()
{
    const QSize display = DisplaySize();
    move((display.width() - width()) / 2, (display.height() - height()) / 2);
}

void TMusaForm::Explode()
{
    if (!FImploded)
        return;
    move(FSavedLeft, FSavedTop);
    FImploded = false;
    QCoreApplication::processEvents();
}

void TMusaForm::ReadPosition(const QString& Section)
{
    if (FPositionRead)
        return;
    int left = x();
    int top = y();
    int width = this->width();
    int height = this->height();
    {
        const TIniFile ini(SettingsFileName());
        left = ini.ReadInteger(Section, QStringLiteral("XPos"), left);
        top = ini.ReadInteger(Section, QStringLiteral("YPos"), top);
        if (FResizable) {
            width = ini.ReadInteger(Section, QStringLiteral("Breite"), width);
            height = ini.ReadInteger(Section, QStringLiteral("Hoehe"), height);
        }
    }
    if (FResizable)
        resize(width, height);

    // Positions count the window frame, so the frame counts when keeping the
    // screen on the display.
    const QSize frame = frameGeometry().size() - size();
    const int outerWidth = this->width() + frame.width();
    const int outerHeight = this->height() + frame.height();
    const QSize display = DisplaySize();
    if (top < 0)
        top = 0;
    if (top + outerHeight > display.height())
        top = display.height() - outerHeight;
    if (left < 0)
        left = 0;
    if (left + outerWidth > display.width())
        left = display.width() - outerWidth;
    move(left, top);
    FPositionRead = true;
}

void TMusaForm::WritePosition(const QString& Section)
{
    if (FImploded)
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
    Explode();
    {
        TIniFile ini(SettingsFileName());
        ini.WriteInteger(Section, QStringLiteral("XPos"), x());
        ini.WriteInteger(Section, QStringLiteral("YPos"), y());
        if (FResizable) {
            ini.WriteInteger(Section, QStringLiteral("Breite"), width());
            ini.WriteInteger(Section, QStringLiteral("Hoehe"), height());
        }
    }
    FPositionRead = false;
}

void TMusaForm::PaintWallpaper(QWidget* PaintBox, qint64 Item)
{
    const QImage tile = WallpaperTile(Item);
    if (tile.isNull() || PaintBox == nullptr)
        return;
    const int w = tile.width();
    const int h = tile.height();
    QPainter painter(PaintBox);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int column = 0; column <= PaintBox->width() / w; ++column) {
        for (int row = 0; row <= PaintBox->height() / h; ++row)
            painter.drawImage(QPoint(column * w, row * h), tile);
    }
}

void TMusaForm::SetWallpaper(qint64 Item)
{
    if (FWallpaper == nullptr) {
        FWallpaper = new QWidget(this);
        FWallpaper->setObjectName(QStringLiteral("Wallpaper"));
    }
    FWallpaperItem = Item;
    FWallpaper->setGeometry(rect());
    FWallpaper->lower();
    FWallpaper->update();
}

void TMusaForm::SetResizable(bool Resizable)
{
    FResizable = Resizable;
}

void TMusaForm::SetDisplaySizeForTesting(const QSize& Size)
{
    DisplaySizeOverride = Size;
}

QSize TMusaForm::DisplaySize()
{
    if (DisplaySizeOverride.isValid())
        return DisplaySizeOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualSize() : QSize(640, 480);
}

void TMusaForm::ClearWallpaperCache()
{
    WallpaperTiles().clear();
}

bool TMusaForm::FormKeyUp(QKeyEvent* /*Event*/)
{
    return false;
}

void TMusaForm::WatchControl(QObject* Control)
{
    Control->installEventFilter(this);
    for (QObject* child : Control->children()) {
        if (child->isWidgetType())
            WatchControl(child);
    }
}

bool TMusaForm::BelongsToScreen(QObject* Watched) const
{
    return Watched->isWidgetType() && static_cast<QWidget*>(Watched)->window() == this;
}

bool TMusaForm::IsForwardedKey(QObject* Watched, const QEvent* Event) const
{
    if (Event != FLastKeyEvent || FLastKeyReceiver.isNull())
        return false;
    const auto* widget = static_cast<QWidget*>(Watched);
    return widget != FLastKeyReceiver.data() && widget->isAncestorOf(FLastKeyReceiver.data());
}

void TMusaForm::ShowHelpForFocus()
{
    int context = 0;
    for (const QWidget* control = QApplication::focusWidget();
         control != nullptr && control->window() == this && context <= 0;
         control = control->parentWidget())
        context = control->property("helpContext").toInt();
    ShowHelp(context > 0 ? context : FHelpContext);
}

bool TMusaForm::eventFilter(QObject* Watched, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(Event)->child();
        if (child->isWidgetType())
            WatchControl(child);
        break;
    }
    case QEvent::Paint:
        if (Watched == FWallpaper && FWallpaper != nullptr) {
            PaintWallpaper(FWallpaper, FWallpaperItem);
            return true;
        }
        break;
    case QEvent::KeyPress: {
        FLastKeyEvent = nullptr;
        const auto* key = static_cast<QKeyEvent*>(Event);
        if (key->key() == Qt::Key_F1 && BelongsToScreen(Watched)) {
            ShowHelpForFocus();
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(Event);
        if (key->isAutoRepeat() || !BelongsToScreen(Watched))
            break;
        if (IsForwardedKey(Watched, Event)) {
            FLastKeyReceiver = static_cast<QWidget*>(Watched);
            break;
        }
        FLastKeyEvent = Event;
        FLastKeyReceiver = static_cast<QWidget*>(Watched);
        if (FormKeyUp(key)) {
            // A used key travels no further, so the next event at the same
            // address is a new one.
            FLastKeyEvent = nullptr;
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(Watched, Event);
}

void TMusaForm::resizeEvent(QResizeEvent* Event)
{
    if (FWallpaper != nullptr)
        FWallpaper->setGeometry(rect());
    QDialog::resizeEvent(Event);
}

void TMusaForm::keyPressEvent(QKeyEvent* Event)
{
    // Enter and Escape act on release, through FormKeyUp, and only where the
    // screen says so; the dialog's own accept and reject must not fire.
    switch (Event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Event->accept();
        return;
    default:
        QDialog::keyPressEvent(Event);
    }
}
