#include "audio/ui/WaveformView.h"

#include "audio/ui/WaveStripLayout.h"

#include <QPainter>
#include <algorithm>

namespace {

const QColor NothingColor(128, 128, 128);
constexpr int NothingInset = 5;

} // namespace

WaveformView::WaveformView(const TWavePeaks& peaks, QWidget* parent) : QWidget(parent), peaks_(peaks)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect WaveformView::Area() const
{
    return WaveStripLayout::DrawingArea(size());
}

int WaveformView::RowOf(int value) const
{
    const QRect area = Area();
    const int64_t height = area.height();
    return area.top() + area.height() - int((int64_t(value) + 32767) * height / 65535) - 1;
}

QPoint WaveformView::Low(const TPeakColumn& column, int x) const
{
    return QPoint(x, RowOf(std::min(column.First0, column.First1)));
}

QPoint WaveformView::High(const TPeakColumn& column, int x) const
{
    return QPoint(x, RowOf(std::max(column.Second0, column.Second1)));
}

void WaveformView::resizeEvent(QResizeEvent*)
{
    canvas_ = QImage(size(), QImage::Format_RGB32);
    Redraw(false);
}

void WaveformView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void WaveformView::DrawFrames(QPainter& painter) const
{
    // Outer: shadow at top and left, highlight at bottom and right; inner:
    // the window frame colour and the 3-D light colour.
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto frame = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    frame(outer, palette().color(QPalette::Dark), palette().color(QPalette::Light));
    frame(inner, palette().color(QPalette::Shadow), palette().color(QPalette::Midlight));
}

void WaveformView::Redraw(bool peaks, bool blank)
{
    if (canvas_.isNull())
        return;
    locator_ = -1;
    canvas_.fill(Color);
    QPainter painter(&canvas_);
    DrawFrames(painter);
    const QRect area = Area();
    const int columns = std::min(peaks_.Width(), area.width());
    if (peaks && columns > 0) {
        painter.setPen(ForeColor);
        const auto& table = peaks_.Columns();
        QPoint at = Low(table[0], area.left());
        painter.drawLine(at, High(table[0], area.left()));
        at = High(table[0], area.left());
        for (int i = 0; i < columns; ++i) {
            const int x = area.left() + i;
            for (const QPoint& next : {Low(table[size_t(i)], x), High(table[size_t(i)], x)}) {
                painter.drawLine(at, next);
                at = next;
            }
        }
        painter.drawLine(at, QPoint(area.right() + 1, at.y()));
    } else if (!blank && area.width() > 2 * NothingInset) {
        painter.setPen(NothingColor);
        const int y = area.top() + area.height() / 2;
        painter.drawLine(area.left() + NothingInset, y, area.right() - NothingInset, y);
    }
    painter.end();
    update();
}

void WaveformView::BeginTrace()
{
    locator_ = -1;
    const QRect area = Area();
    QPainter painter(&canvas_);
    painter.fillRect(area, Color);
    pen_ = QPoint(area.left(), area.top() + area.height() / 2);
}

void WaveformView::TraceColumn(int index, bool progressMark)
{
    const QRect area = Area();
    const int x = area.left() + index;
    const TPeakColumn& column = peaks_.Columns()[size_t(index)];
    QPainter painter(&canvas_);
    painter.fillRect(x, area.top(), 1, area.height(), Color);
    painter.setPen(ForeColor);
    for (const QPoint& next : {Low(column, x), High(column, x)}) {
        painter.drawLine(pen_, next);
        pen_ = next;
    }
    if (progressMark && index + 1 < area.width())
        painter.fillRect(x + 1, area.top(), 1, area.height(), LocatorColor);
    painter.end();
    repaint(x - 1, 0, 3, height()); // shown at once: the computation holds the event loop
}

void WaveformView::EndTrace(int columns)
{
    const QRect area = Area();
    if (columns >= area.width())
        return;
    QPainter painter(&canvas_);
    painter.setPen(ForeColor);
    const int y = RowOf(0);
    const int from = area.left() + std::max(columns - 1, 0);
    painter.fillRect(from + 1, area.top(), area.right() - from, area.height(), Color);
    painter.drawLine(pen_, QPoint(from, y));
    painter.drawLine(QPoint(from, y), QPoint(area.right(), y));
    painter.end();
    update();
}

void WaveformView::InvertLocator(int x)
{
    const QRect area = Area();
    QPainter painter(&canvas_);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(LocatorColor);
    painter.drawLine(area.left() + x, area.top(), area.left() + x, area.bottom() - 1);
    painter.end();
    update(area.left() + x, 0, 1, height());
}

void WaveformView::MoveLocator(int x)
{
    if (x == locator_)
        return;
    if (locator_ >= 0)
        InvertLocator(locator_);
    locator_ = x;
    if (locator_ >= 0)
        InvertLocator(locator_);
}
