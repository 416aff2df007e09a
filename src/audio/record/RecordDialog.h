#pragma once

#include "audio/RecordedTake.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QDialog>
#include <memory>

class QAudioSource;
class QCheckBox;
class QIODevice;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class TakePlayer;

// Records a card's sound from an input device: Record/Stop, a live level
// meter, the take's length, Play, trimming of the silence before and after
// the sound, then "Use" or Cancel. The dialog writes no file: on "Use" its
// result is the take as 22050 Hz 16-bit mono samples, trimmed when asked.
class RecordDialog : public QDialog {
    Q_OBJECT
  public:
    // On the default input device.
    explicit RecordDialog(QWidget* parent = nullptr);
    explicit RecordDialog(const QAudioDevice& device, QWidget* parent = nullptr,
                          int maxSeconds = RecordedTake::DefaultMaxSeconds);
    ~RecordDialog() override;

    // Whether there is any sound input to record from.
    static bool HasInputDevice();

    // The samples "Use" hands over (22050 Hz, 16-bit, mono, native order);
    // empty before a take and after Cancel.
    QByteArray Samples() const { return result_; }
    bool IsRecording() const { return source_ != nullptr; }
    // Length of the whole take (before trimming), in seconds.
    double TakeSeconds() const;

  public slots:
    void reject() override;

  private:
    void BuildControls(int maxSeconds);
    void ToggleRecording();
    void StartRecording();
    void StopRecording(const QString& why = QString());
    void ReadCaptured();
    void OnSourceStateChanged();
    void TogglePlaying();
    void UpdateResult();
    void UpdateControls();
    void ShowLevel(double peak);

    QAudioDevice device_;
    int maxSeconds_;
    std::unique_ptr<RecordedTake> take_;
    std::unique_ptr<QAudioSource> source_;
    // A stopped source waits here to be deleted where none of its own
    // signals can be running: at the next start or when the dialog goes.
    std::unique_ptr<QAudioSource> retired_;
    QIODevice* captured_ = nullptr;
    QByteArray full_;   // the take at the card rate
    QByteArray result_; // what "Use" hands over
    TakePlayer* player_ = nullptr;

    QPushButton* btnRecord_ = nullptr;
    QPushButton* btnPlay_ = nullptr;
    QPushButton* btnUse_ = nullptr;
    QProgressBar* barLevel_ = nullptr;
    QLabel* lblLength_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QLabel* lblPercent_ = nullptr;
    QCheckBox* chkTrim_ = nullptr;
    QSpinBox* spnThreshold_ = nullptr;
};
