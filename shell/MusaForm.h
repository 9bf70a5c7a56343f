#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

class QKeyEvent;
class QPainter;

// Base class of every screen but the black backdrop. Screens are modal
// dialogs run with exec(); the base class gives them the tiled wallpaper,
// the way out of sight while a screen they opened is on top (Implode and
// Explode), their stored position in Musarix.Ini, the key preview through
// FormKeyUp and the help context for F1.
class TMusaForm : public QDialog
{
    Q_OBJECT

public:
    explicit TMusaForm(QWidget* Parent = nullptr);
    ~TMusaForm() override;

    // Moves the screen off the display; it stays shown and its modal run
    // goes on. Only the first of several calls remembers the place.
    void Implode();
    // Brings an imploded screen back to where it was.
    void Explode();

    // Puts the screen in the middle of the display (the full-screen screens,
    // which keep no position of their own).
    void CentreOnDisplay();

    // Applies the position stored under Section (and the size, for a
    // resizable screen) and keeps the screen on the display.
    void ReadPosition(const QString& Section);
    // Stores the position (and size, for a resizable screen) under Section;
    // nothing while the screen is imploded.
    void WritePosition(const QString& Section);

    // Tiles the bitmap at position Item of the system store over PaintBox,
    // from the top left, the last column and row cut by the edge.
    void PaintWallpaper(QWidget* PaintBox, qint64 Item);

    bool PositionRead() const { return FPositionRead; }
    bool Imploded() const { return FImploded; }

    // A screen with a wallpaper gets a paint box named "Wallpaper" behind all
    // its controls, covering the client area; it paints the given item.
    void SetWallpaper(qint64 Item);
    QWidget* Wallpaper() const { return FWallpaper; }

    // Resizable screens store their size too.
    void SetResizable(bool Resizable);
    bool Resizable() const { return FResizable; }

    // Help topic of the screen (0: none). F1 opens the help at the topic of
    // the focused control (its "helpContext" property) or else of the screen.
    void SetHelpContext(int Context) { FHelpContext = Context; }
    int HelpContext() const { return FHelpContext; }

    // The display that positions are kept on; tests may give one of their own.
    static void SetDisplaySizeForTesting(const QSize& Size);
    static QSize DisplaySize();

    // Decoded wallpaper tiles are kept per item for the run; the cache must
    // be emptied when the system store is closed or replaced.
    static void ClearWallpaperCache();

protected:
    // Every key release of the screen or any of its controls comes here
    // first (key preview). Return true when the key was used.
    virtual bool FormKeyUp(QKeyEvent* Event);

    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    // Takes the screen's key preview (and the wallpaper's painting) to a new
    // control and everything inside it.
    void WatchControl(QObject* Control);
    bool BelongsToScreen(QObject* Watched) const;
    // Key events not used by a control travel up to its parents, through the
    // filter again; only the first stop may reach FormKeyUp.
    bool IsForwardedKey(QObject* Watched, const QEvent* Event) const;
    void ShowHelpForFocus();

    bool FPositionRead = false;
    bool FImploded = false;
    int FSavedLeft = 0;
    int FSavedTop = 0;
    bool FResizable = false;
    int FHelpContext = 0;
    qint64 FWallpaperItem = 0;
    QWidget* FWallpaper = nullptr;
    const QEvent* FLastKeyEvent = nullptr;
    QPointer<QWidget> FLastKeyReceiver;
};

// Creates a screen without parent (it belongs to the application), runs it
// modally and frees it. Returns the modal result.
template <class TScreen, class... TArgs> int RunModalScreen(TArgs&&... Args)
{
    std::unique_ptr<TScreen> screen = std::make_unique<TScreen>(std::forward<TArgs>(Args)...);
    return screen->exec();
}
