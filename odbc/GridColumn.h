#pragma once

// TGridColumn and TGridColumns: the column descriptions of a TExtendedGrid.
//
// A grid has one description per column, the fixed indicator column (column
// 0) included, in column order: the number of descriptions is the grid's
// ColCount. Every grid of the program shows text cells only, so a column
// describes its title, width, fonts, colours, alignment and overflow.
//
//   grid.Columns().Add(TGridColumn(QStringLiteral("Name"), 380));
//   grid.Columns().At(1).CellColor = Qt::black;
//
// Defaults are those of the program's forms: Arial (Liberation Sans on Linux)
// bold 10, black titles, navy cells, text left and vertically centred, long
// text broken into words.

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <vector>

struct TGridColumn
{
    // Overflow value that cuts a text wider than its cell and ends it with
    // "..."; every other value breaks the text into words (only the lines that
    // fit are seen).
    static constexpr int ovEllipsis = 1;

    TGridColumn();
    TGridColumn(QString title, int width);

    // Arial bold 10, the font of every grid of the program.
    static QFont DefaultFont();

    QString Title;  // text of the title cell (drawn as it is: "&" stays "&")
    int Width = 64; // pixels; 0 hides the column
    QFont TitleFont;
    QColor TitleColor;
    QFont CellFont;
    QColor CellColor;
    Qt::Alignment TitleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Alignment CellAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    int TitleOverflow = 0;
    int CellOverflow = 0;
};

// The ordered list of column descriptions of one grid. Adding, inserting and
// deleting notify the grid (it adapts its cells and repaints); a change made
// through the reference that At() returns is seen at the grid's next paint.
class TGridColumns
{
public:
    int Count() const noexcept { return static_cast<int>(columns_.size()); }
    // index 0 … Count() - 1; throws std::out_of_range outside.
    TGridColumn& At(int index);
    const TGridColumn& At(int index) const;

    TGridColumn& Add(TGridColumn column = {});
    TGridColumn& Add(const QString& title, int width);
    // Inserts before index (index == Count() appends).
    void Insert(int index, TGridColumn column);
    void Delete(int index);
    void Clear();
    // Adds default descriptions or drops the last ones until there are count.
    void SetCount(int count);

    // Called after every change of the number of columns (the owning grid sets
    // it).
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void Changed() const;

    std::vector<TGridColumn> columns_;
    std::function<void()> onChange_;
};
