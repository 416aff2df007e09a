#include "images/ui/TDBImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TDBImage::TDBImage(QWidget* parent) : QWidget(parent)
{
    setFixedSize(FrameSize, FrameSize);
    // Tab reaches the frame; of the mouse buttons only the left one makes it
    // the current card (see mousePressEvent).
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDBImage::PictureChanged()
{
    pictureAssigned_ = true;
    // Stretched without keeping the aspect ratio; rows and columns are
    // dropped or repeated, never blended, as card makers expect to see them.
    scaled_ = picture_.Empty() ? QImage()
                               : picture_.ToImage().scaled(FrameSize, FrameSize, Qt::IgnoreAspectRatio,
                                                           Qt::FastTransformation);
    update();
}

void TDBImage::CopyToClipboard() const
{
    if (!picture_.Empty())
        QGuiApplication::clipboard()->setImage(picture_.ToImage());
}

bool TDBImage::isActiveControl() const
{
    // The window's active control keeps its frame while another window is
    // active, as the focus comes back to it.
    return window()->focusWidget() == this;
}

void TDBImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect square(0, 0, FrameSize, FrameSize);
    if (scaled_.isNull())
        painter.fillRect(square, palette().color(QPalette::Base));
    else
        painter.drawImage(square, scaled_);
    if (!pictureAssigned_) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(square, Qt::AlignCenter, QStringLiteral("(%1)").arg(objectName()));
    }
    if (isActiveControl()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square.adjusted(0, 0, -1, -1));
    }
}

void TDBImage::keyPressEvent(QKeyEvent* event)
{
    const bool copyKey = event->modifiers() == Qt::ControlModifier &&
                         (event->key() == Qt::Key_C || event->key() == Qt::Key_Insert);
    if (copyKey) {
        CopyToClipboard();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TDBImage::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    Q_EMIT Entered();
}

void TDBImage::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TDBImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}
