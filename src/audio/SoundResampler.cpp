#include "audio/SoundResampler.h"

#include "audio/ESoundImportError.h"

#include <samplerate.h>

namespace {

[[noreturn]] void Raise(int error)
{
    throw ESoundImportError(SoundImportText::Translated(SoundImportText::CannotResample) + QLatin1Char('\n') +
                            QString::fromLatin1(src_strerror(error)));
}

} // namespace

SoundResampler::SoundResampler(int channels, int fromRate, int toRate)
    : channels_(channels), ratio_(double(toRate) / double(fromRate))
{
    int error = 0;
    state_ = src_new(SRC_SINC_MEDIUM_QUALITY, channels, &error);
    if (state_ == nullptr)
        Raise(error);
}

SoundResampler::~SoundResampler()
{
    src_delete(state_);
}

std::vector<float> SoundResampler::Process(const std::vector<float>& frames, bool last)
{
    const long inFrames = long(frames.size() / size_t(channels_));
    // The converter may hold back frames and release them later; a block of
    // room beyond the ratio's share lets each call take all its input.
    const long room = long(double(inFrames) * ratio_) + 1024;
    std::vector<float> out;
    std::vector<float> block(size_t(room) * size_t(channels_));
    long used = 0;
    do {
        SRC_DATA data{};
        data.data_in = frames.data() + size_t(used) * size_t(channels_);
        data.input_frames = inFrames - used;
        data.data_out = block.data();
        data.output_frames = room;
        data.src_ratio = ratio_;
        data.end_of_input = last ? 1 : 0;
        const int error = src_process(state_, &data);
        if (error != 0)
            Raise(error);
        used += data.input_frames_used;
        out.insert(out.end(), block.begin(), block.begin() + data.output_frames_gen * channels_);
        // Flushing ends when the converter has nothing more to give; a call
        // that neither takes nor gives anything would only repeat itself.
        const bool stuck = data.input_frames_used == 0 && data.output_frames_gen == 0;
        if (stuck || (used >= inFrames && !last))
            break;
    } while (true);
    return out;
}
