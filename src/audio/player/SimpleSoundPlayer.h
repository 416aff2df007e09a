#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QAudioSink;
class TMMWave;
class WaveStreamDevice;

// The process-wide simple sound player: plays one wave file at a time,
// asynchronously, through the default audio output. A new play replaces what
// plays; stop() silences it. Any wave coding that TMMWave binds and that
// WaveSampleDecoder knows (integer PCM, float, A-law, mu-law, Microsoft and
// IMA ADPCM) is played; other codings are refused.
//
// Releasing any TMMWave stops the player (the wave layer calls the stop hook
// that the player registers when it is first used).
class SimpleSoundPlayer : public QObject {
    Q_OBJECT
  public:
    // Needs a QCoreApplication; the player is torn down with it.
    static SimpleSoundPlayer& instance();

    // Starts playing `path` and returns at once. False (and silence) when the
    // file cannot be bound, its coding is not supported, or no output exists.
    bool play(const QString& path);
    void stop();
    bool isPlaying() const;

  signals:
    // The sound played to its end (not emitted by stop() or a replacing play()).
    void finished();

  private:
    SimpleSoundPlayer();
    ~SimpleSoundPlayer() override;

    bool start(const QString& path);
    void onSinkStateChanged();
    static void stopIfCreated();
    static void destroyInstance();

    std::unique_ptr<TMMWave> wave_;
    std::unique_ptr<WaveStreamDevice> device_;
    std::unique_ptr<QAudioSink> sink_;
};
