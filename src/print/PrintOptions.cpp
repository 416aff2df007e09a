#include "print/PrintOptions.h"

PrintOptions::Paper DefaultPaper(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? PrintOptions::Paper::Letter
                                                                   : PrintOptions::Paper::A4;
}

QPageSize PageSizeOf(PrintOptions::Paper paper)
{
    return QPageSize(paper == PrintOptions::Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}
