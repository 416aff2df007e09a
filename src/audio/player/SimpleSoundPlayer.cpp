#include "audio/player/SimpleSoundPlayer.h"

#include "audio/SimpleSoundHook.h"
#include "audio/TMMWave.h"
#include "audio/player/WaveStreamDevice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

namespace {

SimpleSoundPlayer* player = nullptr;

// Time beyond the sink's buffer for the sound server's own latency.
constexpr int DrainMarginMs = 150;

QAudioFormat OutputFormat(const WaveSampleDecoder& decoder)
{
    QAudioFormat format;
    format.setSampleRate(decoder.sampleRate());
    format.setChannelCount(decoder.channels());
    format.setSampleFormat(QAudioFormat::Float);
    return format;
}

} // namespace

SimpleSoundPlayer& SimpleSoundPlayer::instance()
{
    if (!player) {
        player = new SimpleSoundPlayer;
        SimpleSound::SetStopHook(&SimpleSoundPlayer::stopIfCreated);
        // The audio sink must go before the application object does.
        qAddPostRoutine(&SimpleSoundPlayer::destroyInstance);
    }
    return *player;
}

void SimpleSoundPlayer::stopIfCreated()
{
    if (player)
        player->stop();
}

void SimpleSoundPlayer::destroyInstance()
{
    SimpleSound::SetStopHook(nullptr);
    delete player;
    player = nullptr;
}

SimpleSoundPlayer::SimpleSoundPlayer() = default;

SimpleSoundPlayer::~SimpleSoundPlayer()
{
    stop();
}

bool SimpleSoundPlayer::play(const QString& path)
{
    stop();
    if (start(path))
        return true;
    stop();
    return false;
}

bool SimpleSoundPlayer::start(const QString& path)
{
    // Binding releases a wave, and releasing a wave stops this player: the
    // wave is bound before the player holds it, so that stop finds nothing.
    auto wave = std::make_unique<TMMWave>();
    try {
        wave->LoadWaveFile(path);
        if (!wave->WaveFormat())
            return false;
        wave->OpenFile();
    } catch (const Exception&) {
        return false;
    }
    wave_ = std::move(wave);
    TMMWave* bound = wave_.get();
    auto readRaw = [bound](char* buffer, qint64 count) -> qint64 {
        return bound->ReadData(buffer, int32_t(std::min<qint64>(count, INT32_MAX)));
    };
    device_ = std::make_unique<WaveStreamDevice>(bound->WaveFormat()->Bytes(), readRaw);
    if (!device_->decoder().isSupported())
        return false;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = OutputFormat(device_->decoder());
    if (output.isNull() || !output.isFormatSupported(format))
        return false;
    sink_ = std::make_unique<QAudioSink>(output, format);
    QAudioSink* sink = sink_.get();
    connect(sink, &QAudioSink::stateChanged, this, [this, sink] {
        // Deleting the sink inside its own signal is not allowed: finish later,
        // and only if this sink still plays by then.
        if (sink == sink_.get() && sink->state() != QAudio::ActiveState)
            QMetaObject::invokeMethod(
                this,
                [this, sink] {
                    if (sink == sink_.get())
                        onSinkStateChanged();
                },
                Qt::QueuedConnection);
    });
    device_->open(QIODevice::ReadOnly);
    sink->start(device_.get());
    return sink->error() == QAudio::NoError;
}

void SimpleSoundPlayer::onSinkStateChanged()
{
    if (sink_->state() == QAudio::StoppedState) {
        stop();
        emit finished();
        return;
    }
    if (sink_->state() != QAudio::IdleState || !device_->atEnd())
        return;
    // Idle means the sink took the last bytes, not that they were heard: the
    // output still holds up to a buffer of sound. Stopping now would cut the
    // end of every sound, so the player lets it drain first.
    const QAudioFormat format = sink_->format();
    const qint64 bufferedMs = format.bytesForDuration(1000000) > 0
                                  ? qint64(sink_->bufferSize()) * 1000 / format.bytesForDuration(1000000)
                                  : 0;
    QAudioSink* sink = sink_.get();
    QTimer::singleShot(int(bufferedMs) + DrainMarginMs, this, [this, sink] {
        if (sink != sink_.get())
            return;
        stop();
        emit finished();
    });
}

void SimpleSoundPlayer::stop()
{
    // Taken out first: freeing the wave calls the stop hook, which comes back here.
    auto sink = std::move(sink_);
    auto device = std::move(device_);
    auto wave = std::move(wave_);
    if (sink) {
        sink->disconnect(this);
        sink->stop();
    }
}

bool SimpleSoundPlayer::isPlaying() const
{
    return sink_ != nullptr;
}
