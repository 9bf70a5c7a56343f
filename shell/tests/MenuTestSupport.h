#pragma once

// Helpers of the menu tests: clicking shaped buttons where their shape is,
// acting on a modal screen once its modal run has begun, and logs of the
// interface sounds and of the screens the menus asked for.

#include "shell/Global.h"
#include "shell/tests/SoundLog.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class TShapeButton;

namespace MenuTest {

// A point on the button's shape, as near to its middle as there is one.
QPoint PointOnShape(const TShapeButton* Button);
// A left press and release there, as the mouse gives it.
void ClickShape(TShapeButton* Button);
// The named shaped button of a screen; fails the test when there is none.
TShapeButton* Button(QWidget* Screen, const char* Name);

// Runs Action on the modal screen above Below as soon as its modal run has
// begun. Call it just before the call that runs the screen.
void WhenModal(std::function<void(QWidget*)> Action, QWidget* Below = nullptr);
// Starts from no Musarix.Ini, as on a first run.
void ForgetSettings();

// Escape pressed and released on the screen.
void PressEscape(QWidget* Screen);

// The screens the menus open, as "ShowMenuGrid(7)" and the like, each with
// what the test wanted to know about the moment of the call (Probe).
class TScreenLog
{
public:
    explicit TScreenLog(std::function<QString()> Probe = {});
    ~TScreenLog();
    TScreenLog(const TScreenLog&) = delete;
    TScreenLog& operator=(const TScreenLog&) = delete;

    QStringList Calls;
    QStringList Probes;

private:
    void Record(const QString& Call);
    std::function<QString()> FProbe;
};

} // namespace MenuTest
