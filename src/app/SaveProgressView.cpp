#include "app/SaveProgressView.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QWidget>

namespace {

constexpr int Steps = 100;

} // namespace

SaveProgressView::SaveProgressView(QWidget* owner, TSetDocument& document, int showAfterMs)
    : owner_(owner), document_(document), showAfterMs_(showAfterMs)
{
    document_.AddObserver(this);
}

SaveProgressView::~SaveProgressView()
{
    document_.RemoveObserver(this);
    dialog_.reset();
    if (waitCursor_)
        QGuiApplication::restoreOverrideCursor();
}

TMMWaveProgress SaveProgressView::handler()
{
    return [this](TMMWave*, int32_t done, int32_t total, bool& cancel) { report(done, total, cancel); };
}

void SaveProgressView::startWaiting()
{
    if (waitCursor_)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
    clock_.start();
    // Painted now, without running the event loop: the window would show
    // what a just closed file dialog covered until the command ends. Each
    // control is named, as one that paints itself whole is left out of its
    // window's painting.
    if (!owner_)
        return;
    for (QWidget* control : owner_->findChildren<QWidget*>())
        control->update();
    owner_->repaint();
}

void SaveProgressView::report(int32_t done, int32_t total, bool& cancel)
{
    startWaiting();
    if (!dialog_ && clock_.elapsed() >= showAfterMs_) {
        dialog_ = std::make_unique<QProgressDialog>(
            QCoreApplication::translate("SaveProgressView", "Saving the card's sound..."),
            QCoreApplication::translate("SaveProgressView", "Cancel"), 0, Steps, owner_);
        dialog_->setObjectName(QStringLiteral("dlSaveProgress"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->show();
    }
    if (!dialog_)
        return;
    const int64_t whole = total > 0 ? total : 1;
    dialog_->setValue(int(int64_t(Steps) * std::clamp<int64_t>(done, 0, whole) / whole));
    // Paints the dialog and lets Cancel be pressed; the window's own inputs
    // are held by the modal dialog and the command guard.
    QCoreApplication::processEvents();
    if (dialog_->wasCanceled())
        cancel = true;
}
