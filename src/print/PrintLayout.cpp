#include "print/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding in millimetres must not cost a card that fits exactly.
constexpr double FitTolerance = 1e-6;

int cardsAlong(double lengthMm, double cardMm)
{
    const double usable = lengthMm - 2 * PrintLayout::MarginMm;
    const int count =
        int(std::floor((usable + PrintLayout::GapMm) / (cardMm + PrintLayout::GapMm) + FitTolerance));
    return std::max(count, 1);
}

double gridLength(int count, double cardMm)
{
    return count * cardMm + (count - 1) * PrintLayout::GapMm;
}

} // namespace

PrintLayout::PrintLayout(PrintOptions::Paper paper, double cardMm)
    : page_(PageSizeOf(paper).size(QPageSize::Millimeter)), card_(cardMm),
      columns_(cardsAlong(page_.width(), cardMm)), rows_(cardsAlong(page_.height(), cardMm)),
      origin_((page_.width() - gridLength(columns_, cardMm)) / 2,
              (page_.height() - gridLength(rows_, cardMm)) / 2)
{
}

QPointF PrintLayout::cardTopLeft(int index) const
{
    const int onPage = index % cardsPerPage();
    const double step = card_ + GapMm;
    return origin_ + QPointF((onPage % columns_) * step, (onPage / columns_) * step);
}

QPointF PrintLayout::backTopLeft(int index) const
{
    const QPointF face = cardTopLeft(index);
    return QPointF(page_.width() - face.x() - card_, face.y());
}
