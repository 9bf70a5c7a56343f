#pragma once

#include "odbc/THstmt.h"

#include <QString>
#include <QWidget>

#include <functional>

// The black backdrop: the application's main window, behind every screen
// for the whole run. Once it is on the display it prepares the catalogue
// connection (FormShow) and then runs the whole use of the program from its
// first activation (FormActivate): colour-depth warning, help, icon, intro,
// the main menu until the user ends it, closing screen; then it closes
// itself, which ends the application's event loop.
class TfrmBlack : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmBlack(QWidget* Parent = nullptr);
    ~TfrmBlack() override;

    // Keyset-driven, for the one statement of FormShow.
    THstmt Hstmt1{"Hstmt1"};

    // Asks the catalogue server to read text in double quotes as string
    // constants (not needed by SQLite, which is not asked). A catalogue that
    // cannot be reached raises EODBC; the backdrop's own run shows it with
    // the default error display (ShowException) and goes on.
    void FormShow();
    // The run of the program; does anything only the first time.
    void FormActivate();
    bool Activated() const { return FActivated; }

    // The warning shown for a display of BitsPerPixel colour bits.
    static QString ColourDepthWarning(int BitsPerPixel);
    // Colour bits of the display; tests may give their own (0: the real one).
    static void SetColourDepthForTesting(int BitsPerPixel);
    static int ColourDepth();
    // Runs instead of the main menu when set (tests).
    static void SetMainMenuForTesting(std::function<void()> Run);

protected:
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    void Start();
    void RunMainMenu();

    bool FShown = false;
    bool FActivated = false;
};
