#include "odbc/ExtGrid.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

#include <algorithm>

namespace {

// The classic window colours of the old program's grids.
const QColor ButtonFace(0xC0, 0xC0, 0xC0);
const QColor ButtonShadow(0x80, 0x80, 0x80);
const QColor DataLine(0xC0, 0xC0, 0xC0);
const QColor DeletedText(0x80, 0x80, 0x80);

// The old grid ends a cut text with three full stops, not with Qt's single
// ellipsis character.
QString CutWithDots(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    const QString dots = QStringLiteral("...");
    qsizetype keep = text.size();
    while (keep > 0 && metrics.horizontalAdvance(text.left(keep) + dots) > width) {
        --keep;
    }
    return text.left(keep) + dots;
}

} // namespace

TExtendedGrid::TExtendedGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::Button, ButtonFace);
    colours.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    colours.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(colours);
    setFont(TGridColumn::DefaultFont());
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);

    columns_.Add(TGridColumn(QString(), IndicatorWidth));
    columns_.SetOnChange([this] { ColumnsChanged(); });
    cells_.resize(1);
    UpdateScrollBar();
}

TExtendedGrid::~TExtendedGrid() = default;

// --- columns -------------------------------------------------------------------

TGridColumns& TExtendedGrid::Columns()
{
    // The caller may change a description through the reference; repainting
    // is cheap and coalesced, so a change shows without further ado.
    viewport()->update();
    return columns_;
}

int TExtendedGrid::ColWidth(int col) const
{
    return col >= 0 && col < ColCount() ? columns_.At(col).Width : 0;
}

void TExtendedGrid::SetColWidth(int col, int width)
{
    if (col >= 0 && col < ColCount()) {
        columns_.At(col).Width = std::max(width, 0);
        viewport()->update();
    }
}

void TExtendedGrid::SetColWidths(const std::vector<int>& widths)
{
    if (static_cast<int>(widths.size()) > ColCount()) {
        columns_.SetCount(static_cast<int>(widths.size()));
    }
    for (std::size_t i = 0; i < widths.size(); ++i) {
        SetColWidth(static_cast<int>(i), widths[i]);
    }
}

void TExtendedGrid::ColumnsChanged()
{
    for (std::vector<QString>& row : cells_) {
        row.resize(static_cast<std::size_t>(ColCount()));
    }
    viewport()->update();
}

// --- rows ----------------------------------------------------------------------

void TExtendedGrid::SetRowCount(int count)
{
    const int rows = std::max(count, FixedRows() + 1) - FixedRows();
    cells_.resize(static_cast<std::size_t>(rows),
                  std::vector<QString>(static_cast<std::size_t>(ColCount())));
    if (row_ > RowCount() - 1) {
        SetRow(RowCount() - 1);
    }
    UpdateScrollBar();
    if (topRow_ > MaxTopRow()) {
        SetTopRow(MaxTopRow());
    }
    viewport()->update();
}

void TExtendedGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::max(height, 1);
    UpdateScrollBar();
    viewport()->update();
}

void TExtendedGrid::SetRow(int row)
{
    row = std::clamp(row, FixedRows(), RowCount() - 1);
    if (row != row_) {
        row_ = row;
        viewport()->update();
        Q_EMIT SelectCell(Col(), row_);
    }
    if (row_ < topRow_) {
        SetTopRow(row_);
    } else if (row_ > topRow_ + VisibleRowCount() - 1) {
        SetTopRow(row_ - VisibleRowCount() + 1);
    }
}

void TExtendedGrid::SetTopRow(int row)
{
    row = std::clamp(row, FixedRows(), MaxTopRow());
    if (row == topRow_) {
        return;
    }
    topRow_ = row;
    syncingScrollBar_ = true;
    verticalScrollBar()->setValue(topRow_ - FixedRows());
    syncingScrollBar_ = false;
    viewport()->update();
    TopLeftChanged();
}

int TExtendedGrid::DataAreaHeight() const
{
    // The scroll area's contents rectangle rather than the viewport: it is
    // right even before the grid is first shown, when screens already execute
    // their statements.
    return std::max(contentsRect().height() - FixedRows() * RowPitch(), 0);
}

int TExtendedGrid::VisibleRowCount() const
{
    return std::max(DataAreaHeight() / RowPitch(), 1);
}

int TExtendedGrid::MaxTopRow() const
{
    return std::max(RowCount() - VisibleRowCount(), FixedRows());
}

void TExtendedGrid::UpdateScrollBar()
{
    syncingScrollBar_ = true;
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, MaxTopRow() - FixedRows());
    bar->setPageStep(VisibleRowCount());
    bar->setValue(topRow_ - FixedRows());
    syncingScrollBar_ = false;
}

void TExtendedGrid::scrollContentsBy(int, int)
{
    if (syncingScrollBar_) {
        return;
    }
    const int row = FixedRows() + verticalScrollBar()->value();
    if (row != topRow_) {
        topRow_ = std::clamp(row, FixedRows(), MaxTopRow());
        viewport()->update();
        TopLeftChanged();
    }
}

QString TExtendedGrid::CellText(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return QString();
    }
    if (row < FixedRows()) {
        return columns_.At(col).Title;
    }
    const std::vector<QString>& cells = cells_[static_cast<std::size_t>(row - FixedRows())];
    return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)]
                                                        : QString();
}

void TExtendedGrid::SetCellText(int col, int row, const QString& text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return;
    }
    if (row < FixedRows()) {
        columns_.At(col).Title = text;
    } else {
        std::vector<QString>& cells = cells_[static_cast<std::size_t>(row - FixedRows())];
        cells.resize(static_cast<std::size_t>(ColCount()));
        cells[static_cast<std::size_t>(col)] = text;
    }
    viewport()->update();
}

void TExtendedGrid::Clear()
{
    cells_.assign(1, std::vector<QString>(static_cast<std::size_t>(ColCount())));
    topRow_ = FixedRows();
    if (row_ != FixedRows()) {
        row_ = FixedRows();
        Q_EMIT SelectCell(Col(), row_);
    }
    UpdateScrollBar();
    viewport()->update();
}

void TExtendedGrid::ClearRow(int row)
{
    if (row >= FixedRows() && row < RowCount()) {
        cells_[static_cast<std::size_t>(row - FixedRows())].assign(
            static_cast<std::size_t>(ColCount()), QString());
        viewport()->update();
    }
}

void TExtendedGrid::InsertRow(int row)
{
    if (row < FixedRows() || row > RowCount()) {
        return;
    }
    cells_.insert(cells_.begin() + (row - FixedRows()),
                  std::vector<QString>(static_cast<std::size_t>(ColCount())));
    UpdateScrollBar();
    viewport()->update();
}

void TExtendedGrid::DeleteRow(int row)
{
    if (row < FixedRows() || row >= RowCount()) {
        return;
    }
    if (RowCount() == FixedRows() + 1) {
        ClearRow(row);
        return;
    }
    cells_.erase(cells_.begin() + (row - FixedRows()));
    if (row_ > RowCount() - 1) {
        SetRow(RowCount() - 1);
    }
    UpdateScrollBar();
    if (topRow_ > MaxTopRow()) {
        SetTopRow(MaxTopRow());
    }
    viewport()->update();
}

// --- geometry ------------------------------------------------------------------

QRect TExtendedGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return QRect();
    }
    int y = 0;
    if (row >= FixedRows()) {
        if (row < topRow_) {
            return QRect();
        }
        y = FixedRows() * RowPitch() + (row - topRow_) * RowPitch();
        if (y >= contentsRect().height()) {
            return QRect();
        }
    } else {
        y = row * RowPitch();
    }
    int x = 0;
    for (int c = 0; c < col; ++c) {
        if (ColWidth(c) > 0) {
            x += ColWidth(c) + GridLineWidth;
        }
    }
    if (ColWidth(col) <= 0) {
        return QRect();
    }
    return QRect(x, y, ColWidth(col), defaultRowHeight_);
}

int TExtendedGrid::RowAt(int y) const
{
    if (y < 0) {
        return -1;
    }
    const int fixedHeight = FixedRows() * RowPitch();
    const int row = y < fixedHeight ? y / RowPitch() : topRow_ + (y - fixedHeight) / RowPitch();
    return row < RowCount() ? row : -1;
}

TRowMark TExtendedGrid::RowMark(int) const
{
    return rmNone;
}

// --- painting ------------------------------------------------------------------

void TExtendedGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    canvas_ = &painter;
    const int width = viewport()->width();
    const int height = viewport()->height();
    painter.fillRect(0, 0, width, height, palette().color(QPalette::Base));

    std::vector<int> rows;
    for (int r = 0; r < FixedRows(); ++r) {
        rows.push_back(r);
    }
    for (int r = topRow_, y = FixedRows() * RowPitch(); r < RowCount() && y < height;
         ++r, y += RowPitch()) {
        rows.push_back(r);
    }
    for (int r : rows) {
        for (int c = 0; c < ColCount(); ++c) {
            const QRect rect = CellRect(c, r);
            if (rect.isEmpty()) {
                continue;
            }
            if (rect.left() >= width) {
                break;
            }
            PaintCell(painter, c, r, rect);
        }
    }
    canvas_ = nullptr;
}

void TExtendedGrid::PaintCell(QPainter& painter, int col, int row, const QRect& rect)
{
    const TGridColumn& column = columns_.At(col);
    const bool fixed = row < FixedRows() || col < FixedCols();
    TGridDrawState state;
    if (fixed) {
        state |= gdFixed;
    } else if (row == row_) {
        state |= gdSelected;
        if (col == Col() && hasFocus()) {
            state |= gdFocused;
        }
    }
    const TRowMark mark = row >= FixedRows() ? RowMark(row) : rmNone;

    painter.save();
    painter.setClipRect(rect);
    if (fixed) {
        painter.fillRect(rect, palette().color(QPalette::Button));
        painter.setPen(Qt::white);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
    } else {
        painter.fillRect(rect, palette().color(state.testFlag(gdSelected) ? QPalette::Highlight
                                                                          : QPalette::Base));
    }

    if (col < FixedCols() && row >= FixedRows()) {
        PaintIndicator(painter, rect, row);
    } else {
        QFont font = row < FixedRows() ? column.TitleFont : column.CellFont;
        QColor colour = row < FixedRows() ? column.TitleColor : column.CellColor;
        if (mark == rmDeleted) {
            font.setStrikeOut(true);
            colour = DeletedText;
        }
        if (state.testFlag(gdSelected)) {
            colour = palette().color(QPalette::HighlightedText);
        }
        painter.setFont(font);
        painter.setPen(colour);
        PaintText(painter, rect, CellText(col, row),
                  row < FixedRows() ? column.TitleAlignment : column.CellAlignment,
                  row < FixedRows() ? column.TitleOverflow : column.CellOverflow);
    }
    painter.restore();

    // Grid lines right of and below the cell.
    painter.setPen(fixed ? ButtonShadow : DataLine);
    painter.drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
    painter.drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);

    Q_EMIT DrawCell(col, row, rect, state);
}

void TExtendedGrid::PaintIndicator(QPainter& painter, const QRect& rect, int row) const
{
    const QPoint centre = rect.center();
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (RowMark(row)) {
    case rmNew: {
        QFont font = TGridColumn::DefaultFont();
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("*"));
        return;
    }
    case rmDeleted:
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(centre.x() - 3, centre.y() - 3, centre.x() + 3, centre.y() + 3);
        painter.drawLine(centre.x() - 3, centre.y() + 3, centre.x() + 3, centre.y() - 3);
        return;
    case rmNone:
        break;
    }
    if (row == row_) {
        QPainterPath triangle;
        triangle.moveTo(centre.x() - 2, centre.y() - 4);
        triangle.lineTo(centre.x() + 3, centre.y() + 1);
        triangle.lineTo(centre.x() - 2, centre.y() + 6);
        triangle.closeSubpath();
        painter.fillPath(triangle.translated(0, -1), Qt::black);
    }
}

void TExtendedGrid::PaintText(QPainter& painter, const QRect& rect, const QString& text,
                              Qt::Alignment alignment, int overflow) const
{
    if (text.isEmpty()) {
        return;
    }
    const QRect inner = rect.adjusted(2, 0, -2, 0);
    const QFontMetrics metrics(painter.font());
    if (overflow == TGridColumn::ovEllipsis) {
        painter.drawText(inner, static_cast<int>(alignment | Qt::TextSingleLine),
                         CutWithDots(text, metrics, inner.width()));
        return;
    }
    const int flags = static_cast<int>(alignment | Qt::TextWordWrap);
    const QRect needed = metrics.boundingRect(inner, flags, text);
    if (needed.height() > inner.height()) {
        // A text that wraps onto more lines than fit starts at the top, so
        // its first line is seen whole.
        alignment = (alignment & ~Qt::AlignVertical_Mask) | Qt::AlignTop;
    }
    painter.drawText(inner, static_cast<int>(alignment | Qt::TextWordWrap), text);
}

// --- input ---------------------------------------------------------------------

void TExtendedGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
    if (topRow_ > MaxTopRow()) {
        SetTopRow(MaxTopRow());
    }
}

void TExtendedGrid::keyPressEvent(QKeyEvent* event)
{
    const int page = VisibleRowCount();
    switch (event->key()) {
    case Qt::Key_Up:
        SetRow(row_ - 1);
        break;
    case Qt::Key_Down:
        SetRow(row_ + 1);
        break;
    case Qt::Key_PageUp:
        SetTopRow(topRow_ - page);
        SetRow(row_ - page);
        break;
    case Qt::Key_PageDown:
        SetTopRow(topRow_ + page);
        SetRow(row_ + page);
        break;
    case Qt::Key_Home:
        SetRow(FixedRows());
        break;
    case Qt::Key_End:
        SetRow(RowCount() - 1);
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void TExtendedGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        const int row = RowAt(event->position().toPoint().y());
        if (row >= FixedRows()) {
            SetRow(row);
        }
    }
    event->accept();
}

void TExtendedGrid::mouseReleaseEvent(QMouseEvent* event)
{
    // The press did all there is to do; the release must not reach the form.
    event->accept();
}

void TExtendedGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton) {
        Q_EMIT DblClick();
    }
}

void TExtendedGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TExtendedGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
