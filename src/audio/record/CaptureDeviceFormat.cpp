#include "audio/record/CaptureDeviceFormat.h"

#include "audio/RecordedTake.h"

namespace CaptureDeviceFormat {

QAudioFormat For(const QAudioDevice& device)
{
    QAudioFormat card;
    card.setSampleRate(RecordedTake::CardRate);
    card.setChannelCount(1);
    card.setSampleFormat(QAudioFormat::Int16);
    return device.isFormatSupported(card) ? card : device.preferredFormat();
}

CaptureFormat Describe(const QAudioFormat& format)
{
    CaptureFormat described;
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        described.sample = CaptureFormat::Sample::UInt8;
        break;
    case QAudioFormat::Int16:
        described.sample = CaptureFormat::Sample::Int16;
        break;
    case QAudioFormat::Int32:
        described.sample = CaptureFormat::Sample::Int32;
        break;
    case QAudioFormat::Float:
        described.sample = CaptureFormat::Sample::Float;
        break;
    default:
        return described;
    }
    described.rate = format.sampleRate();
    described.channels = format.channelCount();
    return described;
}

} // namespace CaptureDeviceFormat
