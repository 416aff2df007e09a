#include "audio/output/TMMWaveOut.h"

#include "audio/output/TMMWaveOutStream.h"
#include "audio/output/WaveOutFormat.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace {

// How often the end of the audio is checked for having been played.
constexpr int EndPollMs = 10;
// Beyond the output's own buffer, how long the end may take to be heard
// before playing stops anyway.
constexpr int EndMarginMs = 1000;
// The output's own buffer: short, so that Stop silences it quickly, long
// enough that a busy event loop does not starve it.
constexpr int SinkBufferMs = 250;

QString SinkErrorText(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError:
    case QAudio::FatalError:
        return WaveOutErrorText::Translated(WaveOutErrorText::UnableToOpen);
    default:
        return WaveOutErrorText::Translated(WaveOutErrorText::UnknownError);
    }
}

} // namespace

TMMWaveOut::TMMWaveOut(QObject* parent) : QObject(parent), numDevs_(int(QMediaDevices::audioOutputs().size()))
{
    endTimer_.setInterval(EndPollMs);
    connect(&endTimer_, &QTimer::timeout, this, &TMMWaveOut::CheckEndPlayed);
}

TMMWaveOut::~TMMWaveOut()
{
    destroying_ = true;
    OnError = nullptr;
    Close();
}

QAudioDevice TMMWaveOut::Device(int device) const
{
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    if (device == AnyDevice) {
        const QAudioDevice preferred = QMediaDevices::defaultAudioOutput();
        return preferred.isNull() && !outputs.isEmpty() ? outputs.first() : preferred;
    }
    return device >= 0 && device < outputs.size() ? outputs[device] : QAudioDevice();
}

void TMMWaveOut::ReportError(const QString& message)
{
    if (OnError)
        OnError(this, message);
}

void TMMWaveOut::Raise(const EMMWaveOutError& error)
{
    ReportError(error.Message());
    throw error;
}

void TMMWaveOut::CheckClosedForChange(bool changes)
{
    if (changes && open_)
        Raise(EMMWaveOutError(WaveOutErrorText::Translated(WaveOutErrorText::PropertyWhileOpen)));
}

void TMMWaveOut::SetBufferSize(int size)
{
    size = std::max(size, MinBufferSize);
    CheckClosedForChange(size != bufferSize_);
    bufferSize_ = size;
}

void TMMWaveOut::SetNumBuffers(int count)
{
    if (count <= 1)
        return;
    count = std::min(count, MaxNumBuffers);
    CheckClosedForChange(count != numBuffers_);
    numBuffers_ = count;
}

void TMMWaveOut::SetDeviceID(int device)
{
    if (device < AnyDevice || device >= numDevs_)
        device = InvalidDevice;
    CheckClosedForChange(device != deviceID_);
    deviceID_ = device;
}

QString TMMWaveOut::ProductName() const
{
    const QAudioDevice device = numDevs_ > 0 ? Device(deviceID_) : QAudioDevice();
    return device.isNull() ? WaveOutErrorText::Translated(WaveOutErrorText::NoDevice) : device.description();
}

bool TMMWaveOut::QueryDevice(int device, const TWaveFormat* format) const
{
    if (device < AnyDevice || device >= numDevs_ || !format)
        return false;
    const std::optional<QAudioFormat> audioFormat = WaveOutFormat(*format);
    const QAudioDevice output = Device(device);
    return audioFormat && !output.isNull() && output.isFormatSupported(*audioFormat);
}

void TMMWaveOut::Open()
{
    try {
        if (numDevs_ == 0)
            throw EMMWaveOutError(WaveOutErrorText::Translated(WaveOutErrorText::NoDevice));
        if (deviceID_ == InvalidDevice)
            throw EMMWaveOutError(WaveOutErrorText::Translated(WaveOutErrorText::InvalidDeviceID));
        if (!PWaveFormat())
            throw EMMWaveOutError::WithPrefix(WaveOutErrorPrefix::Open,
                                              WaveOutErrorText::Translated(WaveOutErrorText::InvalidFormat));
        if (open_)
            Close();
        if (!QueryDevice(deviceID_, PWaveFormat()))
            throw EMMWaveOutError::WithPrefix(
                WaveOutErrorPrefix::Open, WaveOutErrorText::Translated(WaveOutErrorText::CannotPlayFormat));
        TMMSoundComponent::Opened();
        OpenDevice();
        if (OnOpen)
            OnOpen(this);
    } catch (const Exception& e) {
        ReportError(e.Message());
        Close();
        throw;
    }
}

// The device is taken at Start, when the sink connects to the sound server;
// here the sink and the stream it reads are made ready for the format.
void TMMWaveOut::OpenDevice()
{
    format_ = *WaveOutFormat(*PWaveFormat());
    sink_ = std::make_unique<QAudioSink>(Device(deviceID_), format_);
    sink_->setBufferSize(format_.bytesForDuration(qint64(SinkBufferMs) * 1000));
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this] {
        // The sink may not be deleted inside its own signal.
        QMetaObject::invokeMethod(this, &TMMWaveOut::SinkStateChanged, Qt::QueuedConnection);
    });
    stream_ = std::make_unique<TMMWaveOutStream>(ring_, [this](int index) {
        // Runs where the sink reads; the buffer is handled on this object's thread.
        const quint64 run = generation_.load();
        QMetaObject::invokeMethod(
            this, [this, run, index] { BufferDone(run, index); }, Qt::QueuedConnection);
    });
    open_ = true;
}

void TMMWaveOut::Close()
{
    if (!open_ || closing_)
        return;
    if (stopPending_) {
        closeRequested_ = true;
        return;
    }
    closing_ = true;
    try {
        if (playing_ || paused_)
            Stop();
        if (stopPending_)
            closeRequested_ = true;
        else
            CloseDevice();
    } catch (const Exception& e) {
        ReportError(e.Message());
    }
    closing_ = false;
}

void TMMWaveOut::CloseDevice()
{
    if (sink_)
        sink_->disconnect(this);
    sink_.reset();
    stream_.reset();
    ring_.Release();
    open_ = false;
    TMMSoundComponent::Closed();
    if (OnClose && !destroying_)
        OnClose(this);
}

void TMMWaveOut::Start()
{
    if (!open_)
        Open();
    if (playing_)
        return;
    try {
        StartPlaying();
    } catch (const Exception& e) {
        ReportError(e.Message());
        Close();
        throw;
    }
}

void TMMWaveOut::StartPlaying()
{
    ++generation_;
    bytesHanded_ = 0;
    bytesQueued_ = 0;
    outstanding_ = 0;
    nextBuffer_ = 0;
    ending_ = stopping_ = stopPending_ = false;
    if (!ring_.Allocate(numBuffers_, bufferSize_))
        throw EMMWaveOutError(WaveOutErrorText::Translated(WaveOutErrorText::NoMemoryForHeader));
    stream_->Reset();
    TMMSoundComponent::Started();
    FillRing();
    playing_ = true;
    if (stream_->Queued() == 0) {
        playing_ = false;
        TMMSoundComponent::Stopped();
        throw EMMWaveOutError::WithPrefix(WaveOutErrorPrefix::Start,
                                          WaveOutErrorText::Translated(WaveOutErrorText::UnableToStart));
    }
    stream_->SetFinished(!inputMore_);
    if (!stream_->isOpen())
        stream_->open(QIODevice::ReadOnly);
    sink_->start(stream_.get());
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        playing_ = false;
        TMMSoundComponent::Stopped();
        throw EMMWaveOutError::WithPrefix(WaveOutErrorPrefix::Open, SinkErrorText(sink_->error()));
    }
    if (paused_)
        sink_->suspend();
    if (OnStart)
        OnStart(this);
}

void TMMWaveOut::FillRing()
{
    inputMore_ = true;
    for (int i = 0; i < ring_.Count() && inputMore_; ++i) {
        if (!LoadBuffer(i))
            break;
        QueueBuffer(i);
    }
}

bool TMMWaveOut::LoadBuffer(int index)
{
    TMMWaveOutRing::Buffer& buffer = ring_[index];
    int32_t bytes = ring_.Size();
    bool more = false;
    TMMSoundComponent::BufferLoad(buffer.data, bytes, more);
    buffer.length = std::clamp(bytes, 0, ring_.Size());
    inputMore_ = more;
    if (buffer.length > 0 && OnBufferLoad)
        OnBufferLoad(this, buffer.data, buffer.length);
    return buffer.length > 0;
}

void TMMWaveOut::QueueBuffer(int index)
{
    TMMWaveOutRing::Buffer& buffer = ring_[index];
    if (OnBufferFilled)
        OnBufferFilled(this, buffer.data, buffer.length);
    bytesQueued_ += buffer.length;
    ++outstanding_;
    stream_->Queue(index);
}

void TMMWaveOut::BufferDone(quint64 generation, int index)
{
    if (generation != generation_.load() || !playing_ || stopping_ || ending_)
        return;
    try {
        HandleBufferDone(index);
    } catch (const Exception& e) {
        // Raised on the event loop, where nobody could catch it: reported
        // through OnError, and the device is closed.
        inHandler_ = false;
        stopPending_ = false;
        ReportError(e.Message());
        Close();
    }
}

void TMMWaveOut::HandleBufferDone(int index)
{
    inHandler_ = true;
    --outstanding_;
    TMMWaveOutRing::Buffer& buffer = ring_[index];
    bytesHanded_ += buffer.length;
    if (OnBufferReady)
        OnBufferReady(this, buffer.data, buffer.length);
    nextBuffer_ = (index + 1) % ring_.Count();
    if (inputMore_ && !stopPending_) {
        const bool more = LoadBuffer(index);
        if (more)
            QueueBuffer(index);
        else if (inputMore_ && !stopPending_)
            throw EMMWaveOutError(WaveOutErrorText::Translated(WaveOutErrorText::ErrorFilling));
        if (!inputMore_)
            stream_->SetFinished(true);
    }
    inHandler_ = false;
    if (stopPending_) {
        stopPending_ = false;
        Stop();
    } else if (outstanding_ == 0 && !inputMore_) {
        BeginEnd();
    }
}

// The output has taken the last buffer but still holds its end; playing
// stops once that has been heard.
void TMMWaveOut::BeginEnd()
{
    ending_ = true;
    stream_->SetFinished(true);
    const int64_t bytesPerSecond = std::max<int64_t>(format_.bytesForDuration(1000000), 1);
    endWaitMs_ = int64_t(sink_->bufferSize()) * 1000 / bytesPerSecond + EndMarginMs;
    endClock_.start();
    endTimer_.start();
}

void TMMWaveOut::CheckEndPlayed()
{
    if (!ending_ || !playing_) {
        endTimer_.stop();
        return;
    }
    if (paused_) {
        endClock_.restart(); // a paused output plays nothing: the wait starts again
        return;
    }
    if (PlayedBytes() < bytesQueued_ && endClock_.elapsed() < endWaitMs_)
        return;
    endTimer_.stop();
    Stop();
}

void TMMWaveOut::SinkStateChanged()
{
    // The sound server went away or refused the stream while playing.
    if (!playing_ || !sink_ || sink_->state() != QAudio::StoppedState || sink_->error() == QAudio::NoError)
        return;
    ReportError(
        EMMWaveOutError::WithPrefix(WaveOutErrorPrefix::Write, SinkErrorText(sink_->error())).Message());
    Close();
}

void TMMWaveOut::Stop()
{
    if (!playing_ && !paused_)
        return;
    if (inHandler_) {
        stopPending_ = true;
        return;
    }
    FinishStop();
    if (closeRequested_) {
        closeRequested_ = false;
        Close();
    }
}

void TMMWaveOut::FinishStop()
{
    stopping_ = true;
    endTimer_.stop();
    ++generation_; // reports of buffers taken before the stop are dropped
    if (sink_)
        sink_->stop();
    if (stream_)
        stream_->Reset();
    const bool wasPlaying = playing_;
    playing_ = paused_ = false;
    ending_ = false;
    if (wasPlaying)
        TMMSoundComponent::Stopped();
    ring_.Release();
    stopping_ = false;
    if (OnStop && !destroying_)
        OnStop(this);
}

void TMMWaveOut::Pause()
{
    if (!open_)
        Open();
    if (playing_ && !paused_)
        sink_->suspend();
    paused_ = true;
    TMMSoundComponent::Paused();
    if (OnPause)
        OnPause(this);
}

void TMMWaveOut::Restart()
{
    if (!playing_ || !paused_)
        return;
    TMMSoundComponent::Restarted();
    sink_->resume();
    paused_ = false;
    if (OnRestart)
        OnRestart(this);
}

int64_t TMMWaveOut::PlayedBytes() const
{
    if (!sink_ || !playing_)
        return 0;
    const int64_t frames = sink_->processedUSecs() * format_.sampleRate() / 1000000;
    return std::clamp<int64_t>(frames * format_.bytesPerFrame(), 0, bytesQueued_);
}

int64_t TMMWaveOut::Position() const
{
    const TWaveFormat* format = PWaveFormat();
    if (!open_ || !format || closeRequested_)
        return 0;
    const int64_t bytes = PlayedBytes();
    switch (timeFormat_) {
    case TMMTimeFormats::tfByte:
        return bytes;
    case TMMTimeFormats::tfSample:
        return format->BlockAlign() > 0 ? bytes / format->BlockAlign() : 0;
    case TMMTimeFormats::tfMillisecond:
        return format->AvgBytesPerSec() > 0 ? bytes * 1000 / format->AvgBytesPerSec() : 0;
    }
    return 0;
}
