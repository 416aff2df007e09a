#include "audio/WaveSummary.h"

#include "audio/TMMWave.h"

#include <QCoreApplication>

namespace {

const QLatin1Char DecimalSeparator('.');
const QLatin1Char ListSeparator(',');

} // namespace

QString WaveChannelsText(int channels)
{
    if (channels == 1)
        return QCoreApplication::translate("WaveSummary", "Mono");
    if (channels == 2)
        return QCoreApplication::translate("WaveSummary", "Stereo");
    return QCoreApplication::translate("WaveSummary", "%1 Channels").arg(channels);
}

QString WaveFormatDetails(const TWaveFormat& format)
{
    const uint32_t rate = format.SamplesPerSec();
    const uint16_t channels = format.Channels();
    // 64-bit, and no division by a zero rate or channel count of a lying header.
    const uint64_t bits =
        rate == 0 || channels == 0 ? 0 : uint64_t(format.AvgBytesPerSec()) * 8 / rate / channels;
    return QCoreApplication::translate("WaveSummary", "%1%2%3 kHz%4 %5 Bit%4 %6")
        .arg(rate / 1000)
        .arg(DecimalSeparator)
        .arg(rate % 1000, 3, 10, QLatin1Char('0'))
        .arg(ListSeparator)
        .arg(bits)
        .arg(WaveChannelsText(channels));
}

QString WaveSummary(const TMMWave& wave)
{
    const TWaveFormat* format = wave.WaveFormat();
    if (wave.FileName().isEmpty() || format == nullptr)
        return QCoreApplication::translate("WaveSummary", "Unknown");
    return QCoreApplication::translate("WaveSummary", "%1; %2; %3 KB")
        .arg(wave.FormatString(), WaveFormatDetails(*format))
        .arg(wave.FileSize() / 1024);
}
