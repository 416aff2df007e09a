#include "pictures/OverviewLayout.h"

#include "cardset/CardTable.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

int rowsFor(int columns)
{
    return (NumSlots + columns - 1) / columns;
}

int headerHeight(const QFont& font)
{
    return QFontMetrics(font).height() + 2 * OverviewLayout::Gap;
}

} // namespace

OverviewLayout::OverviewLayout(int cellSize, int columns, const QFont& font)
    : cell_(std::max(cellSize, MinCell)), columns_(std::clamp(columns, 1, NumSlots)),
      header_(headerHeight(font)), label_(QFontMetrics(font).height() + 2)
{
}

OverviewLayout OverviewLayout::fitting(QSize area, const QFont& font)
{
    const int width = area.width() - 2 * Margin + Gap;
    const int height = area.height() - 2 * Margin - headerHeight(font) + Gap;
    int best = 0, bestColumns = 7;
    for (int columns = 1; columns <= NumSlots; ++columns) {
        const int cell = std::min(width / columns, height / rowsFor(columns)) - Gap;
        if (cell > best) {
            best = cell;
            bestColumns = columns;
        }
    }
    return OverviewLayout(best, bestColumns, font);
}

OverviewLayout OverviewLayout::withCells(int cellSize, int columns, const QFont& font)
{
    return OverviewLayout(cellSize, columns, font);
}

QSize OverviewLayout::size() const
{
    return {2 * Margin + columns_ * (cell_ + Gap) - Gap,
            2 * Margin + header_ + rowsFor(columns_) * (cell_ + Gap) - Gap};
}

QRect OverviewLayout::headerRect() const
{
    return {Margin, Margin, size().width() - 2 * Margin, header_};
}

QRect OverviewLayout::cellRect(int slot) const
{
    const int column = slot % columns_, row = slot / columns_;
    return {Margin + column * (cell_ + Gap), Margin + header_ + row * (cell_ + Gap), cell_, cell_};
}

QRect OverviewLayout::pictureRect(int slot) const
{
    const QRect cell = cellRect(slot);
    return {cell.left() + 2, cell.top() + 2, cell.width() - 4, cell.height() - 4 - label_};
}

QRect OverviewLayout::labelRect(int slot) const
{
    const QRect cell = cellRect(slot);
    return {cell.left() + 3, cell.bottom() - label_ - 1, cell.width() - 6, label_};
}

QSize OverviewLayout::pictureBox() const
{
    return pictureRect(0).size();
}

int OverviewLayout::slotAt(QPoint point) const
{
    for (int slot = 0; slot < NumSlots; ++slot)
        if (cellRect(slot).contains(point))
            return slot;
    return -1;
}
