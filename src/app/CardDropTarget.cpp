#include "app/CardDropTarget.h"

#include <QDropEvent>
#include <QWidget>

CardDropTarget::CardDropTarget(QWidget* target, Accepts accepts, Dropped dropped)
    : QObject(target), accepts_(std::move(accepts)), dropped_(std::move(dropped))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool CardDropTarget::eventFilter(QObject* /*watched*/, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    // Looking at the files may read them: once on entering, not at every move.
    if (type != QEvent::DragMove)
        accepted_ = accepts_(*drop);
    if (!accepted_) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        dropped_(*drop);
    return true;
}
