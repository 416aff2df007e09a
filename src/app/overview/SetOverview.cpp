#include "app/overview/SetOverview.h"

#include "cardset/SetCaption.h"
#include "pictures/OverviewPainter.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace {

// Thumbnails are made for picture boxes rounded up to this step, so that
// resizing the window remakes them only now and then; between steps the
// painter scales them a little down.
constexpr int BoxStep = 32;

// The frame's height before the window system has put one around the window:
// a title bar's worth, so that a first size fits with the frame still to come.
constexpr int FrameAllowanceInFontHeights = 3;

QSize steppedBox(QSize box)
{
    const int side = std::max(box.width(), box.height());
    const int stepped = (side + BoxStep - 1) / BoxStep * BoxStep;
    return {stepped, stepped};
}

} // namespace

SetOverview::SetOverview(QWidget* parent, CardPictureModel* pictures)
    : QWidget(parent, Qt::Window), model_(pictures), layout_(OverviewLayout::withCells(96, 7, font()))
{
    setWindowTitle(tr("Set overview"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAcceptDrops(true);
    connect(&model_, &OverviewModel::cellChanged, this, [this](int slot) { update(layout_.cellRect(slot)); });
    connect(&model_, &OverviewModel::headerChanged, this, [this] { update(layout_.headerRect()); });
}

void SetOverview::setSet(const SetView& set)
{
    model_.setSet(set);
    setWindowTitle(CaptionNamingSet(set.folder, tr("Set overview")));
    update();
}

void SetOverview::cardChanged(int slot)
{
    model_.cardChanged(slot);
}

void SetOverview::reload()
{
    model_.reload();
}

void SetOverview::setCurrentSlot(int slot)
{
    if (slot < 0 || slot >= NumSlots || slot == selected_)
        return;
    update(layout_.cellRect(selected_));
    selected_ = slot;
    update(layout_.cellRect(selected_));
}

QSize SetOverview::sizeHint() const
{
    const QSize preferred = OverviewLayout::withCells(112, 7, font()).size();
    const QSize room = roomOnScreen();
    if (room.isEmpty() || (preferred.width() <= room.width() && preferred.height() <= room.height()))
        return preferred;
    return OverviewLayout::fitting(preferred.boundedTo(room), font()).size().boundedTo(room);
}

QSize SetOverview::roomOnScreen() const
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return QSize();
    QSize frame = frameGeometry().size() - size();
    if (!isVisible() || frame.isEmpty())
        frame = frame.expandedTo(QSize(0, FrameAllowanceInFontHeights * fontMetrics().height()));
    return shownOn->availableGeometry().size() - frame;
}

void SetOverview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    keepOnScreen();
    // The window system frames the window after it is shown: look again then.
    QTimer::singleShot(0, this, &SetOverview::keepOnScreen);
}

void SetOverview::keepOnScreen()
{
    const QScreen* shownOn = screen();
    if (!shownOn || !isVisible() || isMaximized() || isFullScreen())
        return;
    const QRect available = shownOn->availableGeometry();
    const QSize room = roomOnScreen();
    if (width() > room.width() || height() > room.height())
        resize(size().boundedTo(room));
    QRect outer = frameGeometry();
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    if (outer.topLeft() != frameGeometry().topLeft())
        move(outer.topLeft());
}

QSize SetOverview::minimumSizeHint() const
{
    return OverviewLayout::withCells(OverviewLayout::MinCell, 9, font()).size();
}

void SetOverview::relayout()
{
    layout_ = OverviewLayout::fitting(size(), font());
    model_.setThumbnailBox(steppedBox(layout_.pictureBox()));
}

void SetOverview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void SetOverview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintOverview(painter, layout_, model_, palette(), selected_, hasFocus());
}

void SetOverview::mousePressEvent(QMouseEvent* event)
{
    const int slot = layout_.slotAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || slot < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressPosition_ = event->position().toPoint();
    pressedSlot_ = slot;
    setCurrentSlot(slot);
    emit slotActivated(slot);
}

void SetOverview::keyPressEvent(QKeyEvent* event)
{
    const int columns = layout_.columns();
    int target = selected_;
    switch (event->key()) {
    case Qt::Key_Left:
        target -= 1;
        break;
    case Qt::Key_Right:
        target += 1;
        break;
    case Qt::Key_Up:
        target -= columns;
        break;
    case Qt::Key_Down:
        target += columns;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = NumSlots - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit slotActivated(selected_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentSlot(std::clamp(target, 0, NumSlots - 1));
}

bool SetOverview::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int slot = layout_.slotAt(help->pos());
        // The header line is cut short in a narrow window: its tooltip shows it whole.
        if (set().isOpen() && layout_.headerRect().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), model_.headerText(), this, layout_.headerRect());
        } else if (slot < 0 || !set().isOpen()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), toolTipFor(slot), this, layout_.cellRect(slot));
        }
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update(layout_.cellRect(selected_));
    return QWidget::event(event);
}

QString SetOverview::toolTipFor(int slot) const
{
    const OverviewCell& c = model_.cell(slot);
    QString picture = c.picturePath;
    if (c.picture == OverviewCell::Picture::Damaged)
        picture = c.error;
    else if (c.picture == OverviewCell::Picture::Missing)
        picture = tr("Missing: %1").arg(c.picturePath);
    QString sound = c.sound ? c.soundPath : tr("No sound");
    if (c.soundDamaged())
        sound = tr("Damaged sound %1: %2").arg(c.soundPath, c.soundError);
    // A damaged picture alone shows just its reader's error.
    if (c.picture == OverviewCell::Picture::Damaged && !c.soundDamaged())
        return picture;
    return picture + QLatin1Char('\n') + sound;
}
