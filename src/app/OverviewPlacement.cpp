#include "app/OverviewPlacement.h"

#include <algorithm>

namespace {

// The overview opens this far to the right of the editor's frame.
constexpr int OverviewGap = 8;

} // namespace

QRect OverviewPlacement(QSize wanted, int smallestWidth, const QRect& editor, const QRect& screen)
{
    QSize size = wanted.boundedTo(screen.size());
    QPoint at(editor.right() + OverviewGap, editor.top());
    const int room = screen.right() - at.x();
    if (room >= smallestWidth)
        size.setWidth(std::min(size.width(), room));
    else
        at.setX(std::max(screen.left(), screen.right() - size.width()));
    at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height())));
    return QRect(at, size);
}
