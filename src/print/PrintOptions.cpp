#include "print/PrintOptions.h"

#include <algorithm>
#include <array>

namespace {

// Where Letter is the usual paper though lengths are metric.
constexpr std::array LetterTerritories{
    QLocale::Canada,     QLocale::Mexico,    QLocale::Philippines,       QLocale::Chile,
    QLocale::Colombia,   QLocale::Venezuela, QLocale::Guatemala,         QLocale::Panama,
    QLocale::PuertoRico, QLocale::CostaRica, QLocale::DominicanRepublic, QLocale::ElSalvador,
    QLocale::Nicaragua,  QLocale::Belize};

} // namespace

PrintOptions::Paper DefaultPaper(const QLocale& locale)
{
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem ||
                        std::find(LetterTerritories.begin(), LetterTerritories.end(), locale.territory()) !=
                            LetterTerritories.end();
    return letter ? PrintOptions::Paper::Letter : PrintOptions::Paper::A4;
}

QPageSize PageSizeOf(PrintOptions::Paper paper)
{
    return QPageSize(paper == PrintOptions::Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}
