#pragma once

#include "audio/TMMWave.h"
#include "audio/output/EMMWaveOutError.h"
#include "audio/output/TMMSoundComponent.h"
#include "audio/output/TMMWaveOutRing.h"

#include <QAudioFormat>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QAudioDevice;
class QAudioSink;
class TMMWaveOutStream;

// Plays the audio of its input on one of the desktop's audio outputs. It pulls
// blocks of audio from the input into a ring of buffers, hands them to the
// output, refills each buffer when the output has taken it, and reports its
// state changes through events. When the input has no more audio and the
// output has played the last buffer, it stops by itself (on the thread that
// owns it) and fires OnStop once.
//
// States: closed -> Open -> open -> Start -> playing (<-> Pause/Restart
// paused) -> Stop or the end of the audio -> open -> Close -> closed.
// Failures raise EMMWaveOutError after firing OnError; after a failure in
// Open or Start the output is closed. A failure while refilling a returned
// buffer (on the event loop, where nobody could catch it) fires OnError and
// closes the output. The input chain must outlive the output while it is open.
class TMMWaveOut : public QObject, public TMMSoundComponent {
    Q_OBJECT
  public:
    using TNotifyEvent = std::function<void(TMMWaveOut* sender)>;
    // A buffer of the ring and the bytes of audio it holds.
    using TBufferEvent = std::function<void(TMMWaveOut* sender, char* buffer, int32_t bytes)>;
    using TErrorEvent = std::function<void(TMMWaveOut* sender, const QString& message)>;

    static constexpr int MinBufferSize = 32;
    static constexpr int DefaultBufferSize = 32768;
    static constexpr int DefaultNumBuffers = 10;
    static constexpr int MaxNumBuffers = 500;
    static constexpr int AnyDevice = -1;     // the default output
    static constexpr int InvalidDevice = -2; // what an out-of-range DeviceID becomes

    explicit TMMWaveOut(QObject* parent = nullptr);
    ~TMMWaveOut() override; // closes a device still open, without events

    // Properties; changing BufferSize, NumBuffers or DeviceID while open raises
    // "Change to property while device was open" (setting the same value does not).
    int BufferSize() const { return bufferSize_; }
    void SetBufferSize(int size); // below MinBufferSize: MinBufferSize
    int NumBuffers() const { return numBuffers_; }
    void SetNumBuffers(int count); // 1 or less ignored, above MaxNumBuffers: MaxNumBuffers
    int DeviceID() const { return deviceID_; }
    void SetDeviceID(int device); // outside -1 .. NumDevs() - 1: InvalidDevice
    TMMTimeFormats TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(TMMTimeFormats format) { timeFormat_ = format; }
    // The device's name, or "No wave audio playing device found".
    QString ProductName() const;
    // Outputs found at creation.
    int NumDevs() const { return numDevs_; }

    // Whether `device` (-1 the default output) can play `format` as it stands.
    bool QueryDevice(int device, const TWaveFormat* format) const;

    void Open();
    void Close(); // never raises: its errors fire OnError and are swallowed
    void Start();
    void Stop();
    void Pause();
    void Restart();

    bool IsOpen() const { return open_; }
    bool Playing() const { return playing_; }
    bool IsPaused() const { return paused_; }
    // Play position in TimeFormat units; 0 unless open.
    int64_t Position() const;

    TNotifyEvent OnOpen, OnStart, OnStop, OnClose, OnPause, OnRestart;
    // OnBufferLoad: the input has filled a buffer; OnBufferFilled: it goes to
    // the output now; OnBufferReady: the output has taken it.
    TBufferEvent OnBufferLoad, OnBufferFilled, OnBufferReady;
    TErrorEvent OnError;

  private:
    QAudioDevice Device(int device) const;
    // Raises "Change to property while device was open" when `changes` and open.
    void CheckClosedForChange(bool changes);
    [[noreturn]] void Raise(const EMMWaveOutError& error);
    void ReportError(const QString& message);
    void OpenDevice();
    void CloseDevice();
    void StartPlaying();
    void FillRing();
    // Fills buffer `index` from the input; false when it received no bytes.
    bool LoadBuffer(int index);
    void QueueBuffer(int index);
    void BufferDone(quint64 generation, int index);
    void HandleBufferDone(int index);
    void BeginEnd();
    void CheckEndPlayed();
    void SinkStateChanged();
    void FinishStop();
    int64_t PlayedBytes() const;

    int bufferSize_ = DefaultBufferSize;
    int numBuffers_ = DefaultNumBuffers;
    int deviceID_ = 0;
    TMMTimeFormats timeFormat_ = TMMTimeFormats::tfByte;
    int numDevs_ = 0;

    bool open_ = false;
    bool playing_ = false;
    bool paused_ = false;
    bool closing_ = false;
    bool stopping_ = false;
    bool ending_ = false; // the end of the audio was reached, Stop follows
    bool inputMore_ = false;
    bool inHandler_ = false;      // a returned buffer is being handled
    bool stopPending_ = false;    // Stop was asked for while handling a buffer
    bool closeRequested_ = false; // Close was asked for while a stop was pending
    bool destroying_ = false;

    QAudioFormat format_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<TMMWaveOutStream> stream_;
    TMMWaveOutRing ring_;
    std::atomic<quint64> generation_{0}; // counts Starts: late reports of an earlier run are dropped
    int nextBuffer_ = 0;                 // the buffer expected back next
    // Buffers queued whose return has not been handled yet; the output may
    // have taken them all while their reports still wait in the event queue.
    int outstanding_ = 0;
    int64_t bytesHanded_ = 0; // bytes of the buffers the output has taken
    int64_t bytesQueued_ = 0; // bytes of every buffer queued since Start
    QTimer endTimer_;         // waits at the end for the output to play what it holds
    QElapsedTimer endClock_;
    int64_t endWaitMs_ = 0;
};
