#pragma once

#include <QObject>
#include <functional>

class QDropEvent;
class QWidget;

// Lets a widget that knows nothing of drops take them: installed as the
// widget's event filter, it accepts a drag while `accepts` says so and hands
// the drop to `dropped`. A drag refused on entering gets no cursor change and
// never reaches the drop.
class CardDropTarget : public QObject {
    Q_OBJECT

  public:
    using Accepts = std::function<bool(const QDropEvent& event)>;
    using Dropped = std::function<void(const QDropEvent& event)>;

    // Owned by `target`.
    CardDropTarget(QWidget* target, Accepts accepts, Dropped dropped);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Accepts accepts_;
    Dropped dropped_;
    bool accepted_ = false;
};
