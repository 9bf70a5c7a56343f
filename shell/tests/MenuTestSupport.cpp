#include "shell/tests/MenuTestSupport.h"

#include "browse/InstSuch.h"
#include "browse/MenuGrid.h"
#include "browse/StilSuch.h"
#include "collection/Eigenes.h"
#include "controls/ShapeBut.h"
#include "pages/DispData.h"
#include "questions/Abfrage.h"
#include "sound/CateExam.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace MenuTest {

QPoint PointOnShape(const TShapeButton* Button)
{
    const QPoint middle(Button->width() / 2, Button->height() / 2);
    for (int radius = 0; radius < qMax(Button->width(), Button->height()); ++radius) {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                const QPoint point = middle + QPoint(dx, dy);
                if (!Button->IsOutside(point)) {
                    return point;
                }
            }
        }
    }
    ADD_FAILURE() << "no shape on " << Button->objectName().toStdString();
    return middle;
}

void ClickShape(TShapeButton* Button)
{
    const QPoint point = PointOnShape(Button);
    QTest::mouseClick(Button, Qt::LeftButton, Qt::NoModifier, point);
}

TShapeButton* Button(QWidget* Screen, const char* Name)
{
    auto* button = Screen->findChild<TShapeButton*>(QString::fromLatin1(Name));
    EXPECT_NE(button, nullptr) << Name;
    return button;
}

namespace {

void PollModal(const std::function<void(QWidget*)>& Action, QWidget* Below, int TriesLeft)
{
    QTimer::singleShot(5, [Action, Below, TriesLeft] {
        QWidget* top = QApplication::activeModalWidget();
        if (top != nullptr && top != Below) {
            Action(top);
        } else if (TriesLeft > 0) {
            PollModal(Action, Below, TriesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal screen came up";
        }
    });
}

} // namespace

void WhenModal(std::function<void(QWidget*)> Action, QWidget* Below)
{
    if (Below == nullptr) {
        Below = QApplication::activeModalWidget();
    }
    PollModal(Action, Below, 400);
}

void ForgetSettings()
{
    QFile::remove(ProgramDir + QStringLiteral("Musarix.Ini"));
}

void PressEscape(QWidget* Screen)
{
    QTest::keyClick(Screen, Qt::Key_Escape);
}

TScreenLog::TScreenLog(std::function<QString()> Probe) : FProbe(std::move(Probe))
{
    ShowMenuGridHook = [this](int Kind) { Record(QStringLiteral("ShowMenuGrid(%1)").arg(Kind)); };
    ShowRecordPageHook = [this](int Kind, int Id, int SubId) {
        Record(QStringLiteral("ShowRecordPage(%1, %2, %3)").arg(Kind).arg(Id).arg(SubId));
    };
    ShowStyleSoundsHook = [this](int StyleId, const QString& StyleName) {
        Record(QStringLiteral("ShowStyleSounds(%1, %2)").arg(StyleId).arg(StyleName));
    };
    ShowStyleSearchHook = [this](bool AllStyles) {
        Record(QStringLiteral("ShowStyleSearch(%1)")
                   .arg(AllStyles ? QStringLiteral("true") : QStringLiteral("false")));
    };
    ShowInstrumentSearchHook = [this] { Record(QStringLiteral("ShowInstrumentSearch()")); };
    ShowQuestionScreenHook = [this] { Record(QStringLiteral("ShowQuestionScreen()")); };
    ShowOwnAlbumsHook = [this] { Record(QStringLiteral("ShowOwnAlbums()")); };
}

TScreenLog::~TScreenLog()
{
    ShowMenuGridHook = {};
    ShowRecordPageHook = {};
    ShowStyleSoundsHook = {};
    ShowStyleSearchHook = {};
    ShowInstrumentSearchHook = {};
    ShowQuestionScreenHook = {};
    ShowOwnAlbumsHook = {};
}

void TScreenLog::Record(const QString& Call)
{
    Calls << Call;
    Probes << (FProbe ? FProbe() : QString());
}

} // namespace MenuTest
