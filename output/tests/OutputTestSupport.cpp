#include "output/tests/OutputTestSupport.h"

#include "controls/ShapeBut.h"
#include "odbc/SystemStore.h"
#include "odbc/Vlf.h"
#include "odbc/VlfWriter.h"
#include "shell/MusaForm.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace OutputTest {

namespace {

QPoint PointOnShape(const TShapeButton* Button)
{
    const QPoint middle(Button->width() / 2, Button->height() / 2);
    for (int radius = 0; radius < qMax(Button->width(), Button->height()); ++radius) {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                const QPoint point = middle + QPoint(dx, dy);
                if (!Button->IsOutside(point))
                    return point;
            }
        }
    }
    ADD_FAILURE() << "no shape on " << Button->objectName().toStdString();
    return middle;
}

void PollModal(const std::function<void(QWidget*)>& Action, QWidget* Below, int TriesLeft)
{
    QTimer::singleShot(5, [Action, Below, TriesLeft] {
        QWidget* top = QApplication::activeModalWidget();
        if (top != nullptr && top != Below && top->isVisible()) {
            Action(top);
        } else if (TriesLeft > 0) {
            PollModal(Action, Below, TriesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal window came up";
        }
    });
}

} // namespace

void ClickShape(TShapeButton* Button)
{
    ASSERT_NE(Button, nullptr);
    QTest::mouseClick(Button, Qt::LeftButton, Qt::NoModifier, PointOnShape(Button));
}

void WhenModal(std::function<void(QWidget*)> Action, QWidget* Below)
{
    if (Below == nullptr)
        Below = QApplication::activeModalWidget();
    PollModal(Action, Below, 400);
}

void Key(QWidget* Widget, Qt::Key Key)
{
    QTest::keyClick(Widget, Key);
}

QString SettingsFile()
{
    return ProgramDir + QStringLiteral("Musarix.Ini");
}

void ForgetSettings()
{
    QFile::remove(SettingsFile());
}

TMargins Margins()
{
    return {MarginLeft, MarginRight, MarginTop, MarginBottom};
}

void SetMargins(const TMargins& Margins)
{
    MarginLeft = Margins[0];
    MarginRight = Margins[1];
    MarginTop = Margins[2];
    MarginBottom = Margins[3];
}

TMarginsGuard::TMarginsGuard(const TMargins& Start) : FSaved(Margins())
{
    SetMargins(Start);
}

TMarginsGuard::~TMarginsGuard()
{
    SetMargins(FSaved);
}

QRgb TWallpaperStore::TileColor(int X, int Y)
{
    const int x = X % SystemItem::WallpaperWidth;
    const int y = Y % SystemItem::WallpaperHeight;
    return qRgb(0x10, 0x20 + (x / 10) * 8, 0x60 + (y / 10) * 8);
}

TWallpaperStore::TWallpaperStore()
{
    QImage tile(SystemItem::WallpaperWidth, SystemItem::WallpaperHeight, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int block = 0; block < 100; ++block)
        colours << TileColor(block / 10 * 10, block % 10 * 10);
    tile.setColorTable(colours);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixel(x, y, static_cast<uint>(x / 10 * 10 + y / 10));
    }
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(tile.save(&buffer, "BMP"));

    const std::string file = QDir(FDir.path()).filePath(QStringLiteral("Musarix.Sy")).toStdString();
    TVlfWriter writer;
    writer.Create(file, "Musarix system store for the output tests");
    writer.Place(SystemItem::DialogWallpaper, bmp.constData(),
                 static_cast<std::size_t>(bmp.size()));
    writer.Finish();

    SystemStore = new TVlf;
    SystemStore->Open(file);
    TMusaForm::ClearWallpaperCache();
}

TWallpaperStore::~TWallpaperStore()
{
    delete SystemStore;
    SystemStore = nullptr;
    TMusaForm::ClearWallpaperCache();
}

void SaveShot(QWidget& Widget, const QString& Name)
{
    const QString dir = qEnvironmentVariable("MUSARIX_SHOT_DIR");
    if (!dir.isEmpty())
        Widget.grab().save(QDir(dir).filePath(Name + QStringLiteral(".png")));
}

} // namespace OutputTest
