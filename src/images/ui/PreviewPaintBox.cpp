#include "images/ui/PreviewPaintBox.h"

#include "images/PreviewGeometry.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

PreviewPaintBox::PreviewPaintBox(const TPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture)
{
}

void PreviewPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (picture_.Width() == 0) {
        const QString none = tr("(None)");
        const QFontMetrics metrics(font());
        const int left = (width() - metrics.horizontalAdvance(none)) / 2;
        const int top = (height() - metrics.height()) / 2;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(left, top + metrics.ascent(), none);
        return;
    }
    painter.drawImage(PreviewGeometry::pictureRect(picture_.Image().size(), size()), picture_.Image());
}

void PreviewPaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT DoubleClicked();
}
