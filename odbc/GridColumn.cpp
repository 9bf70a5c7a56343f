#include "odbc/GridColumn.h"

#include <algorithm>
#include <stdexcept>
#include <string>

TGridColumn::TGridColumn()
    : TitleFont(DefaultFont()), TitleColor(Qt::black), CellFont(DefaultFont()),
      CellColor(0x00, 0x00, 0x80)
{
}

TGridColumn::TGridColumn(QString title, int width) : TGridColumn()
{
    Title = std::move(title);
    Width = width;
}

QFont TGridColumn::DefaultFont()
{
    QFont font(QStringLiteral("Arial"), 10, QFont::Bold);
    // fontconfig maps Arial to the metric-compatible Liberation Sans; the hint
    // keeps a sans-serif face where neither is installed.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

TGridColumn& TGridColumns::At(int index)
{
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("grid column " + std::to_string(index) + " does not exist");
    }
    return columns_[static_cast<std::size_t>(index)];
}

const TGridColumn& TGridColumns::At(int index) const
{
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("grid column " + std::to_string(index) + " does not exist");
    }
    return columns_[static_cast<std::size_t>(index)];
}

TGridColumn& TGridColumns::Add(TGridColumn column)
{
    columns_.push_back(std::move(column));
    Changed();
    return columns_.back();
}

TGridColumn& TGridColumns::Add(const QString& title, int width)
{
    return Add(TGridColumn(title, width));
}

void TGridColumns::Insert(int index, TGridColumn column)
{
    if (index < 0 || index > Count()) {
        throw std::out_of_range("grid column " + std::to_string(index) + " does not exist");
    }
    columns_.insert(columns_.begin() + index, std::move(column));
    Changed();
}

void TGridColumns::Delete(int index)
{
    At(index);
    columns_.erase(columns_.begin() + index);
    Changed();
}

void TGridColumns::Clear()
{
    columns_.clear();
    Changed();
}

void TGridColumns::SetCount(int count)
{
    columns_.resize(static_cast<std::size_t>(std::max(count, 0)));
    Changed();
}

void TGridColumns::Changed() const
{
    if (onChange_) {
        onChange_();
    }
}
