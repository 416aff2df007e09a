// Dragging a cell out of the overview and dropping onto its cells.

#include "app/overview/SetOverview.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

constexpr int DragPixmapSide = 64;

} // namespace

QString SetOverview::CardMimeType()
{
    return QStringLiteral("application/x-tessellor-card");
}

QMimeData* SetOverview::CardDragData(const QString& folder, int slot)
{
    auto* data = new QMimeData;
    const QString card =
        QStringLiteral("%1\n%2\n%3").arg(QCoreApplication::applicationPid()).arg(slot).arg(folder);
    data->setData(CardMimeType(), card.toUtf8());
    return data;
}

std::optional<SetOverview::DraggedCard> SetOverview::DraggedCardOf(const QMimeData* data)
{
    if (!data || !data->hasFormat(CardMimeType()))
        return std::nullopt;
    const QStringList fields = QString::fromUtf8(data->data(CardMimeType())).split(QLatin1Char('\n'));
    bool pidOk = false;
    bool slotOk = false;
    if (fields.size() != 3 || fields[0].toLongLong(&pidOk) != QCoreApplication::applicationPid() || !pidOk)
        return std::nullopt;
    const int slot = fields[1].toInt(&slotOk);
    if (!slotOk || slot < 0 || slot >= NumSlots || fields[2].isEmpty())
        return std::nullopt;
    return DraggedCard{fields[2], slot};
}

void SetOverview::mouseMoveEvent(QMouseEvent* event)
{
    const bool dragging =
        (event->buttons() & Qt::LeftButton) && pressedSlot_ >= 0 &&
        (event->position().toPoint() - pressPosition_).manhattanLength() >= QApplication::startDragDistance();
    if (!dragging || !set().isOpen()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const int slot = pressedSlot_;
    pressedSlot_ = -1;
    startCardDrag(slot);
}

void SetOverview::startCardDrag(int slot)
{
    auto* drag = new QDrag(this);
    drag->setMimeData(CardDragData(set().folder, slot));
    const QImage& thumbnail = cell(slot).thumbnail;
    if (!thumbnail.isNull())
        drag->setPixmap(QPixmap::fromImage(
            thumbnail.scaled(DragPixmapSide, DragPixmapSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    drag->exec(Qt::CopyAction);
}

int SetOverview::dropSlot(const QDropEvent* event) const
{
    const int slot = layout_.slotAt(event->position().toPoint());
    if (slot < 0)
        return -1;
    // A card is dragged onto another card of the set shown only.
    if (event->mimeData()->hasFormat(CardMimeType())) {
        const auto card = DraggedCardOf(event->mimeData());
        if (!card || card->folder != set().folder || card->slot == slot)
            return -1;
    }
    return slot;
}

void SetOverview::dragEnterEvent(QDragEnterEvent* event)
{
    // Refused outright (no cursor change) while there is no set or the
    // editor does not take what is dragged.
    if (!set().isOpen() || !dropFilter_ || !dropFilter_(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void SetOverview::dragMoveEvent(QDragMoveEvent* event)
{
    if (dropSlot(event) < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void SetOverview::dropEvent(QDropEvent* event)
{
    const int slot = dropSlot(event);
    if (slot < 0 || !set().isOpen() || !dropFilter_ || !dropFilter_(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (const auto card = DraggedCardOf(event->mimeData())) {
        emit cardDragged(card->slot, slot);
        return;
    }
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths << url.toLocalFile();
    emit filesDropped(slot, paths);
}
