#include "audio/ui/WaveStripLayout.h"

#include <QFont>
#include <QFontMetrics>

namespace {

// Rounded a x b / c, as the window system converts dialog units.
int MulDiv(int a, int b, int c)
{
    return int((int64_t(a) * b * 2 + c) / (2 * int64_t(c)));
}

} // namespace

WaveStripLayout::WaveStripLayout(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = std::max(1, (letters / 26 + 1) / 2);
    baseY_ = std::max(1, metrics.height());
}

QRect WaveStripLayout::Pixels(int left, int top, int width, int height) const
{
    const int x = MulDiv(left, baseX_, 4);
    const int y = MulDiv(top, baseY_, 8);
    return QRect(x, y, MulDiv(left + width, baseX_, 4) - x, MulDiv(top + height, baseY_, 8) - y);
}

int WaveStripLayout::DrawingWidth(const QFont& font)
{
    return DrawingArea(WaveStripLayout(font).Waveform().size()).width();
}
