#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Drives modal dialogs from a test: the action registered for a kind of
// dialog runs as soon as such a dialog is the active modal widget. Register the
// action before the step that opens the dialog; an action may register the
// next one and then press the button that opens it.
namespace DialogDriver {

// Returns the waiting timer: deleting it withdraws an action whose dialog did
// not come.
template <typename Dialog>
QPointer<QTimer> onModal(std::function<void(Dialog*)> action, const QString& objectName = QString())
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action, objectName] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || (!objectName.isEmpty() && dialog->objectName() != objectName))
            return;
        poll->stop();
        poll->deleteLater();
        action(dialog);
    });
    poll->start();
    return poll;
}

inline void withdraw(QPointer<QTimer>& waiting)
{
    delete waiting.data();
}

// A message box that was shown: its caption, text, icon and buttons.
struct Message {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QString focusAfter; // object name of the focus widget once the box closed
};

// Records the next message box and presses its OK button.
inline QPointer<QTimer> acceptMessage(Message* into)
{
    return onModal<QMessageBox>([into](QMessageBox* box) {
        into->caption = box->windowTitle();
        into->text = box->text();
        into->icon = box->icon();
        into->buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->accept();
    });
}

// Closes every modal widget still open after `ms` milliseconds, so that a
// test whose dialog was never answered fails instead of hanging.
class Watchdog {
  public:
    explicit Watchdog(int ms = 10000)
    {
        timer_.setInterval(ms);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // Hidden, not closed: closing may be refused with a further message.
            while (QWidget* modal = QApplication::activeModalWidget()) {
                fired_ = true;
                modal->hide();
            }
        });
        timer_.start();
    }
    bool fired() const { return fired_; }

  private:
    QTimer timer_;
    bool fired_ = false;
};

} // namespace DialogDriver
