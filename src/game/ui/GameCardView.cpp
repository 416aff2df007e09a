#include "game/ui/GameCardView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int Margin = 4;

// The plain back of a set without a cover: a diagonal lattice in the
// palette's highlight colour.
void paintPlainBack(QPainter& painter, const QRect& card, const QPalette& palette)
{
    painter.fillRect(card, palette.color(QPalette::Highlight));
    painter.setPen(QPen(palette.color(QPalette::HighlightedText), 1));
    const int step = std::max(8, card.width() / 8);
    painter.save();
    painter.setClipRect(card);
    for (int d = -card.height(); d < card.width(); d += step) {
        painter.drawLine(card.left() + d, card.top(), card.left() + d + card.height(), card.bottom());
        painter.drawLine(card.left() + d, card.bottom(), card.left() + d + card.height(), card.top());
    }
    painter.restore();
}

// `image` as large as fits in `box`, centred, its aspect kept. Centred from
// the sizes, not from QRect::center(), which lies half a pixel up and left of
// the middle of an even box and would put the picture a pixel outside it.
void paintFitted(QPainter& painter, const QRect& box, const QImage& image)
{
    if (image.isNull())
        return;
    const QSize size = image.size().scaled(box.size(), Qt::KeepAspectRatio);
    const QPoint offset((box.width() - size.width()) / 2, (box.height() - size.height()) / 2);
    painter.drawImage(QRect(box.topLeft() + offset, size), image);
}

} // namespace

GameCardView::GameCardView(int position, int count, QWidget* parent)
    : QAbstractButton(parent), position_(position), count_(count)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { emit activated(position_); });
    flip_.setDuration(FlipMs);
    flip_.setStartValue(0.0);
    flip_.setEndValue(1.0);
    connect(&flip_, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    updateName();
}

void GameCardView::setPictures(const QImage& face, const QImage& back, const QString& name)
{
    face_ = face;
    back_ = back;
    name_ = name;
    updateName();
    update();
}

void GameCardView::setSide(Side side, bool animate)
{
    if (side == side_)
        return;
    const bool turnsOver = (side == Side::Back) != (side_ == Side::Back);
    shownBefore_ = side_;
    side_ = side;
    flip_.stop();
    if (animate && turnsOver)
        flip_.start();
    updateName();
    update();
}

// Face down, the name tells nothing of the card, so that a screen reader
// shows no more than the eye sees.
void GameCardView::updateName()
{
    QString name = tr("Card %1 of %2").arg(position_ + 1).arg(count_);
    if (side_ == Side::Back)
        name += tr(", face down");
    else if (!name_.isEmpty())
        name += QStringLiteral(", ") + name_;
    if (side_ == Side::Found)
        name += tr(", found");
    else if (side_ == Side::Missed)
        name += tr(", no pair");
    setAccessibleName(name);
}

void GameCardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect card = rect().adjusted(Margin, Margin, -Margin, -Margin);
    Side shown = side_;
    if (flipping()) {
        // The first half closes the side it starts from, the second opens the new one.
        const double t = flip_.currentValue().toDouble();
        shown = t < 0.5 ? shownBefore_ : side_;
        const int width = std::max(1, int(card.width() * std::abs(std::cos(M_PI * t))));
        card = QRect(card.center().x() - width / 2, card.top(), width, card.height());
    }
    if (shown == Side::Back)
        paintBack(painter, card);
    else
        paintFace(painter, card);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void GameCardView::paintBack(QPainter& painter, const QRect& card) const
{
    if (back_.isNull()) {
        paintPlainBack(painter, card, palette());
        return;
    }
    painter.fillRect(card, palette().color(QPalette::Base));
    paintFitted(painter, card, back_);
}

void GameCardView::paintFace(QPainter& painter, const QRect& card) const
{
    painter.fillRect(card, palette().color(QPalette::Base));
    paintFitted(painter, card, face_);
    if (flipping())
        return;
    if (side_ == Side::Found)
        paintFound(painter, card);
    else if (side_ == Side::Missed)
        paintMissed(painter, card);
}

void GameCardView::paintFound(QPainter& painter, const QRect& card) const
{
    // Found: a green frame and a tick in the corner. The frame's outer edge
    // is the card's, so it covers the picture's edge on every side: a pen
    // strokes half its width either side of the line, and a QRect's right
    // and bottom lie a pixel inside its width and height.
    const QColor green(0x2E, 0x9E, 0x44);
    constexpr int FrameWidth = 4;
    painter.setPen(QPen(green, FrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    constexpr qreal Half = FrameWidth / 2.0;
    painter.drawRect(QRectF(card).adjusted(Half, Half, -Half, -Half));
    const int mark = std::max(14, card.width() / 5);
    const QRect corner(card.right() - mark - 4, card.top() + 4, mark, mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(green);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(corner);
    QPainterPath tick;
    tick.moveTo(corner.left() + mark * 0.25, corner.top() + mark * 0.52);
    tick.lineTo(corner.left() + mark * 0.43, corner.top() + mark * 0.70);
    tick.lineTo(corner.left() + mark * 0.75, corner.top() + mark * 0.32);
    painter.setPen(QPen(Qt::white, std::max(2, mark / 8)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}

// A miss: a dashed frame and a cross in the corner, told apart from a found
// pair's solid frame and tick by shape, not by colour alone.
void GameCardView::paintMissed(QPainter& painter, const QRect& card) const
{
    const QColor red(0xC0, 0x1C, 0x28);
    painter.setPen(QPen(red, 4, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(card).adjusted(2, 2, -2, -2));
    const int mark = std::max(14, card.width() / 5);
    const QRect corner(card.right() - mark - 4, card.top() + 4, mark, mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawEllipse(corner);
    painter.setPen(QPen(Qt::white, std::max(2, mark / 8)));
    const QRect cross = corner.adjusted(mark / 3, mark / 3, -mark / 3, -mark / 3);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void GameCardView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit activated(position_);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        emit moveKey(position_, event->key());
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
