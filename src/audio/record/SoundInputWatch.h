#pragma once

#include <QByteArrayList>
#include <QObject>
#include <QTimer>

class QMediaDevices;

// Tells when the sound inputs change: a microphone plugged in or out while the
// editor runs. Qt's own signal for this is not sent by every backend (the
// PulseAudio one keeps its list current but stays silent), so the list is
// also looked at every `intervalMs`; `changed` is sent once per change,
// whichever noticed it.
class SoundInputWatch : public QObject {
    Q_OBJECT
  public:
    static constexpr int DefaultIntervalMs = 1000;

    explicit SoundInputWatch(QObject* parent = nullptr, int intervalMs = DefaultIntervalMs);

  Q_SIGNALS:
    void changed();

  private:
    void Check();

    QMediaDevices* devices_;
    QTimer poll_;
    QByteArrayList inputs_; // the ids of the inputs last seen
};
