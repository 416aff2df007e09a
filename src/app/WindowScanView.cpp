#include "app/WindowScanView.h"

#include <QLabel>
#include <QProgressBar>

WindowScanView::WindowScanView(QLabel* label, QProgressBar* bar)
    : label_(label), bar_(bar), labelRight_(label->geometry().right())
{
}

void WindowScanView::setErrorList(std::function<void(const QString&)> appendLine)
{
    appendLine_ = std::move(appendLine);
}

void WindowScanView::showProgress(const QString& label, int maximum)
{
    bar_->setRange(0, maximum);
    bar_->show();
    label_->setText(label);
    // The label is right-aligned: it grows to the left, its right edge stays put.
    label_->adjustSize();
    label_->move(labelRight_ - label_->width() + 1, label_->y());
    label_->show();
    label_->repaint();
    bar_->repaint();
}

void WindowScanView::setProgressRange(int maximum)
{
    bar_->setRange(0, maximum);
    bar_->repaint();
}

void WindowScanView::setProgressPosition(int position)
{
    bar_->setValue(position);
    bar_->repaint();
}

void WindowScanView::hideProgress()
{
    bar_->hide();
    label_->hide();
}

void WindowScanView::appendError(const QString& line)
{
    if (appendLine_)
        appendLine_(line);
}
