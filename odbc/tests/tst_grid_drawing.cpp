// What the grid looks like: texts as they are, the program's fonts and
// colours, the indicator column and the DrawCell notification. The grid is
// painted for real on the offscreen platform and its pixels are inspected.

#include "GridTestSupport.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cstdlib>
#include <vector>

using gridtest::GridFixture;
using gridtest::Name;

namespace {

const QColor Navy(0x00, 0x00, 0x80);

int CountColour(const QImage& image, const QRect& rect, const QColor& colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                ++count;
            }
        }
    }
    return count;
}

class GridDrawing : public GridFixture
{
protected:
    void ShowAndRun()
    {
        Grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Grid.get()));
        Run();
    }

    // The scroll area shows or hides its scroll bar from the event loop.
    QImage Picture() const
    {
        QCoreApplication::processEvents();
        return Grid->viewport()->grab().toImage();
    }
};

TEST_F(GridDrawing, TextsArriveAndAreDrawnAsTheyAre)
{
    Cat.Source.ExecSql("UPDATE PERSON SET PERS_NAME = 'Simon & Garfunkel' WHERE PERS_ID = 2;"
                       "UPDATE PERSON SET PERS_NAME = 'Amon Düül II' WHERE PERS_ID = 3;"
                       "UPDATE PERSON SET PERS_NAME = 'Ärzte, Die (Öl & Soße)' WHERE PERS_ID = 4;");
    ShowAndRun();
    EXPECT_EQ(Grid->CellText(1, 2), QStringLiteral("Simon & Garfunkel"));
    EXPECT_EQ(Grid->CellText(1, 3), QStringLiteral("Amon Düül II"));
    EXPECT_EQ(Grid->CellText(1, 4), QStringLiteral("Ärzte, Die (Öl & Soße)"));
    EXPECT_EQ(Grid->CellText(1, 5), Name(5));

    // With ampersands taken as accelerator marks, "&&" would look like "&".
    const QRect cell = Grid->CellRect(1, 2);
    Grid->SetCellText(1, 2, QStringLiteral("Tom & Jerry"));
    const QImage single = Picture().copy(cell);
    Grid->SetCellText(1, 2, QStringLiteral("Tom && Jerry"));
    const QImage doubled = Picture().copy(cell);
    EXPECT_NE(single, doubled);
}

TEST_F(GridDrawing, FontsColoursSelectionAndIndicator)
{
    const TGridColumn& column = Grid->Columns().At(1);
    EXPECT_TRUE(QFontInfo(column.CellFont).bold());
    EXPECT_EQ(QFontInfo(column.CellFont).pointSize(), 10);
    EXPECT_EQ(column.TitleColor, QColor(Qt::black));
    EXPECT_EQ(column.CellColor, Navy);
    EXPECT_EQ(Grid->DefaultRowHeight(), 19);
    EXPECT_EQ(Grid->ColWidth(0), TExtendedGrid::IndicatorWidth);

    ShowAndRun();
    Grid->SetRow(3);
    const QImage picture = Picture();

    const QRect title = Grid->CellRect(1, 0);
    EXPECT_GT(CountColour(picture, title, Qt::black), 10);
    EXPECT_EQ(CountColour(picture, title, Navy), 0);

    const QRect plain = Grid->CellRect(1, 2);
    EXPECT_GT(CountColour(picture, plain, Navy), 10);
    EXPECT_GT(CountColour(picture, plain, Qt::white), plain.width() * plain.height() / 2);

    // The selected row: navy ground, white text.
    const QRect selected = Grid->CellRect(1, 3);
    EXPECT_GT(CountColour(picture, selected, Navy), selected.width() * selected.height() / 2);
    EXPECT_GT(CountColour(picture, selected, Qt::white), 10);

    // The indicator marks the current row only.
    EXPECT_GT(CountColour(picture, Grid->CellRect(0, 3), Qt::black), 5);
    EXPECT_EQ(CountColour(picture, Grid->CellRect(0, 2), Qt::black), 0);
    EXPECT_EQ(CountColour(picture, Grid->CellRect(0, 4), Qt::black), 0);

    // Pending marks are drawn in the indicator column too.
    Grid->SetRow(6);
    QTest::keyClick(Grid.get(), Qt::Key_Delete);
    Grid->SetRow(8);
    const QImage marked = Picture();
    EXPECT_GT(CountColour(marked, Grid->CellRect(0, 6), Qt::black), 5);
    EXPECT_EQ(CountColour(marked, Grid->CellRect(1, 6), Navy), 0); // greyed

    // A column's colour is the column's own.
    Grid->Columns().At(1).CellColor = QColor(Qt::darkGreen);
    const QImage green = Picture();
    EXPECT_GT(CountColour(green, Grid->CellRect(1, 2), QColor(Qt::darkGreen)), 10);
    EXPECT_EQ(CountColour(green, Grid->CellRect(1, 2), Navy), 0);

    // Look at it: MUSARIX_GRID_SHOT=<file.png> saves the grid as shown.
    if (const char* shot = std::getenv("MUSARIX_GRID_SHOT")) {
        Grid->Columns().At(1).CellColor = Navy;
        QCoreApplication::processEvents();
        Grid->grab().save(QString::fromLocal8Bit(shot));
    }
}

TEST_F(GridDrawing, EveryDrawnCellIsNotifiedWithItsState)
{
    ShowAndRun();
    Grid->SetRow(4);
    struct Drawn
    {
        int Col;
        int Row;
        QRect Rect;
        TGridDrawState State;
        bool HadCanvas;
    };
    std::vector<Drawn> drawn;
    QObject::connect(Grid.get(), &TExtendedGrid::DrawCell,
                     [&](int col, int row, const QRect& rect, TGridDrawState state) {
                         drawn.push_back({col, row, rect, state, Grid->Canvas() != nullptr});
                     });
    Grid->viewport()->repaint();
    EXPECT_EQ(Grid->Canvas(), nullptr);

    // Title row and visible rows (the 11 whole ones, no partial one here),
    // two columns each.
    ASSERT_EQ(drawn.size(), static_cast<std::size_t>(2 * (1 + VisibleRows)));
    for (const Drawn& cell : drawn) {
        SCOPED_TRACE(testing::Message() << "cell " << cell.Col << "," << cell.Row);
        EXPECT_TRUE(cell.HadCanvas);
        EXPECT_EQ(cell.Rect, Grid->CellRect(cell.Col, cell.Row));
        const bool fixed = cell.Row == 0 || cell.Col == 0;
        EXPECT_EQ(cell.State.testFlag(gdFixed), fixed);
        EXPECT_EQ(cell.State.testFlag(gdSelected), !fixed && cell.Row == 4);
    }
}

TEST_F(GridDrawing, LongTextsAreCutWithDotsOrBrokenIntoWords)
{
    ShowAndRun();
    Grid->SetColWidth(1, 60);
    const QRect cell = Grid->CellRect(1, 2);
    const QString text = QStringLiteral("Müller-Weiß Ensemble");
    Grid->SetCellText(1, 2, text);

    Grid->Columns().At(1).CellOverflow = TGridColumn::ovEllipsis;
    const QImage cut = Picture().copy(cell);
    // Draw what the cut should give, with the cell's font, on the same ground.
    QImage expected(cut.size(), cut.format());
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setFont(Grid->Columns().At(1).CellFont);
        painter.setPen(Navy);
        const QFontMetrics metrics(painter.font());
        QString shown = text;
        while (!shown.isEmpty() &&
               metrics.horizontalAdvance(shown + QStringLiteral("...")) > cell.width() - 4) {
            shown.chop(1);
        }
        painter.drawText(QRect(2, 0, cell.width() - 4, cell.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, shown + QStringLiteral("..."));
    }
    EXPECT_EQ(cut, expected);

    Grid->Columns().At(1).CellOverflow = 0;
    const QImage broken = Picture().copy(cell);
    EXPECT_NE(broken, cut);
    EXPECT_GT(CountColour(broken, broken.rect(), Navy), 10);
}

} // namespace
