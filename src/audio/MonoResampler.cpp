#include "audio/MonoResampler.h"

#include <samplerate.h>

#include <QtEndian>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace MonoResampler {

std::optional<QByteArray> Resample(const QByteArray& mono16, int fromRate, int toRate)
{
    if (fromRate <= 0 || toRate <= 0)
        return std::nullopt;
    if (fromRate == toRate)
        return mono16.left(mono16.size() / 2 * 2);
    const double ratio = double(toRate) / double(fromRate);
    const qsizetype inFrames = mono16.size() / 2;
    if (!src_is_valid_ratio(ratio))
        return std::nullopt;
    if (inFrames == 0)
        return QByteArray();
    // The sample conversion helpers of the library count in int.
    const double outEstimate = std::ceil(double(inFrames) * ratio) + 16;
    if (inFrames > INT_MAX || outEstimate > INT_MAX)
        return std::nullopt;
    // Copied out sample by sample, as a byte array's data need not be aligned
    // for shorts.
    std::vector<short> shorts(static_cast<size_t>(inFrames));
    for (qsizetype i = 0; i < inFrames; ++i)
        shorts[size_t(i)] = qFromLittleEndian<qint16>(mono16.constData() + 2 * i);
    std::vector<float> in(static_cast<size_t>(inFrames));
    std::vector<float> out(static_cast<size_t>(outEstimate));
    src_short_to_float_array(shorts.data(), in.data(), int(inFrames));
    SRC_DATA data{};
    data.data_in = in.data();
    data.data_out = out.data();
    data.input_frames = long(inFrames);
    data.output_frames = long(out.size());
    data.end_of_input = 1;
    data.src_ratio = ratio;
    if (src_simple(&data, SRC_SINC_MEDIUM_QUALITY, 1) != 0)
        return std::nullopt;
    shorts.resize(size_t(data.output_frames_gen));
    src_float_to_short_array(out.data(), shorts.data(), int(shorts.size()));
    return QByteArray(reinterpret_cast<const char*>(shorts.data()), qsizetype(shorts.size() * sizeof(short)));
}

} // namespace MonoResampler
