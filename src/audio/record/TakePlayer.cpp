#include "audio/record/TakePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

namespace {
// Time left to the output after its last buffer was taken, beyond the buffer itself.
constexpr int DrainMarginMs = 100;
} // namespace

TakePlayer::TakePlayer(QObject* parent) : QObject(parent) {}

TakePlayer::~TakePlayer()
{
    Stop();
}

bool TakePlayer::HasOutputDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool TakePlayer::Play(const QByteArray& mono16, int sampleRate)
{
    Stop();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(format) || mono16.isEmpty())
        return false;
    buffer_.setData(mono16);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(output, format);
    QAudioSink* sink = sink_.get();
    // The sink must not be deleted inside its own signal: look again later.
    connect(sink, &QAudioSink::stateChanged, this, [this, sink] {
        QMetaObject::invokeMethod(
            this, [this, sink] { OnStateChanged(sink); }, Qt::QueuedConnection);
    });
    sink->start(&buffer_);
    if (sink->error() == QAudio::NoError)
        return true;
    Stop();
    return false;
}

void TakePlayer::OnStateChanged(QAudioSink* sink)
{
    if (sink != sink_.get())
        return;
    if (sink->state() == QAudio::StoppedState) {
        Stop();
        emit Finished();
    } else if (sink->state() == QAudio::IdleState && buffer_.atEnd()) {
        FinishWhenDrained(sink);
    }
}

void TakePlayer::FinishWhenDrained(QAudioSink* sink)
{
    // Idle means the output took the last bytes, not that they were heard.
    const qint64 bytesPerSecond = sink->format().bytesForDuration(1000000);
    const qint64 bufferedMs = bytesPerSecond > 0 ? qint64(sink->bufferSize()) * 1000 / bytesPerSecond : 0;
    QTimer::singleShot(int(bufferedMs) + DrainMarginMs, this, [this, sink] {
        if (sink != sink_.get())
            return;
        Stop();
        emit Finished();
    });
}

void TakePlayer::Stop()
{
    auto sink = std::move(sink_);
    if (sink) {
        sink->disconnect(this);
        sink->stop();
    }
    buffer_.close();
}
