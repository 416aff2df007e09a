#include "audio/ui/DecodedWavePeaks.h"

#include "audio/TMMWave.h"
#include "audio/player/WaveSampleDecoder.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr int DecodedSampleBytes = 2;
constexpr int MinReadBytes = 4; // the wave's reads fill at least a 32-bit word

// Hands out the wave's data decoded to 16 bits, in pieces of any size.
class DecodedReader {
  public:
    DecodedReader(TMMWave& wave, WaveSampleDecoder& decoder, int blockAlign)
        : wave_(wave), decoder_(decoder), blockAlign_(blockAlign)
    {
    }

    int64_t operator()(char* buffer, int64_t count)
    {
        const int64_t frameBytes = int64_t(decoder_.channels()) * DecodedSampleBytes;
        while (decoded_.size() - at_ < count && !ended_) {
            decoded_.remove(0, at_);
            at_ = 0;
            const int64_t want = (count / frameBytes + 1) * blockAlign_;
            raw_.resize(qsizetype(std::max<int64_t>(want, MinReadBytes)));
            const int32_t got = wave_.ReadData(raw_.data(), int32_t(want));
            if (got <= 0)
                ended_ = true;
            else
                decoder_.decode(raw_.constData(), got, decoded_);
        }
        const qsizetype n = std::min<qsizetype>(qsizetype(count), decoded_.size() - at_);
        std::memcpy(buffer, decoded_.constData() + at_, size_t(n));
        at_ += n;
        return n;
    }

  private:
    TMMWave& wave_;
    WaveSampleDecoder& decoder_;
    const int blockAlign_;
    QByteArray raw_;
    QByteArray decoded_; // decoded bytes not yet handed out, from at_
    qsizetype at_ = 0;
    bool ended_ = false;
};

} // namespace

namespace DecodedWavePeaks {

bool CanDraw(const TMMWave& wave)
{
    const TWaveFormat* format = wave.WaveFormat();
    if (format == nullptr || wave.DataSize() <= 0 || TWavePeaks::CanDraw(wave))
        return false;
    return WaveSampleDecoder(format->Bytes(), WaveSampleDecoder::Output::Int16).isLinear();
}

int Compute(TWavePeaks& peaks, TMMWave& wave, const TWavePeaks::ColumnDone& columnDone)
{
    if (!CanDraw(wave))
        return 0;
    const TWaveFormat& format = *wave.WaveFormat();
    WaveSampleDecoder decoder(format.Bytes(), WaveSampleDecoder::Output::Int16);
    const int64_t rawBytes = wave.SamplesToBytes(wave.TimeFormatToSamples(wave.DataSize()));
    // A linear coding decodes every block into one frame.
    const int64_t decodedBytes = rawBytes / format.BlockAlign() * decoder.channels() * DecodedSampleBytes;
    WaveDataOpen open(wave);
    wave.SetPosition(0);
    DecodedReader reader(wave, decoder, format.BlockAlign());
    return peaks.Compute(std::ref(reader), decodedBytes, decoder.channels(), columnDone);
}

} // namespace DecodedWavePeaks
