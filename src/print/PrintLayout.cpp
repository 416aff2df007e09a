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

PrintLayout::PrintLayout(PrintOptions::Paper paper, double cardMm, bool nameStrips)
    : page_(PageSizeOf(paper).size(QPageSize::Millimeter)), card_(cardMm),
      strip_(nameStrips ? NameStripMm(cardMm) : 0), columns_(cardsAlong(page_.width(), cardMm)),
      rows_(cardsAlong(page_.height(), cardMm + strip_)),
      origin_((page_.width() - gridLength(columns_, cardMm)) / 2,
              (page_.height() - gridLength(rows_, cardMm + strip_)) / 2)
{
}

QPointF PrintLayout::cardTopLeft(int index) const
{
    const int onPage = index % cardsPerPage();
    return origin_ +
           QPointF((onPage % columns_) * (card_ + GapMm), (onPage / columns_) * (card_ + strip_ + GapMm));
}

QPointF PrintLayout::backTopLeft(int index) const
{
    const QPointF face = cardTopLeft(index);
    return QPointF(page_.width() - face.x() - card_, face.y());
}
