#pragma once

#include <QBuffer>
#include <QObject>
#include <memory>

class QAudioSink;

// Plays a recorded take (16-bit mono samples held in memory) through the
// default audio output, so the user hears it before using it.
class TakePlayer : public QObject {
    Q_OBJECT
  public:
    explicit TakePlayer(QObject* parent = nullptr);
    ~TakePlayer() override;

    static bool HasOutputDevice();

    // Starts playing and returns at once; false (and silence) when no output
    // takes the format or it cannot be started.
    bool Play(const QByteArray& mono16, int sampleRate);
    void Stop();
    bool IsPlaying() const { return sink_ != nullptr; }

  signals:
    // Playing ended, at the end of the take or by a failing output (not by Stop).
    void Finished();

  private:
    void OnStateChanged(QAudioSink* sink);
    void FinishWhenDrained(QAudioSink* sink);

    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
};
