// Decodes the input bytes through FFmpeg as a sound that libsndfile does not
// read (AAC in M4A, ADTS or 3GP, Ogg FLAC, an MP3 with junk in front), reading
// every frame as an import would, at most ten minutes of it. Refusals are
// expected; crashes, hangs and sanitizer reports are not.

#include "ScratchFiles.h"
#include "audio/FfmpegDecoder.h"
#include "audio/SoundImport.h"

#include "common/Exception.h"

#include <vector>

namespace {

ScratchFiles scratch("fuzz_ffmpeg.snd", "fuzz_ffmpeg_out.wav");
constexpr int64_t BlockFrames = 16384;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!scratch.writeInput(data, size))
        return 0;
    try {
        FfmpegDecoder sound(scratch.input, SoundImport::MaxCardRate);
        sound.CodingName();
        const int64_t maxFrames = int64_t(SoundImport::MaxSeconds) * sound.OutputRate();
        std::vector<short> block;
        for (int64_t frames = 0; frames <= maxFrames;) {
            const int64_t got = sound.Read(block, BlockFrames);
            if (got == 0)
                break;
            frames += got;
        }
    } catch (const Exception&) {
    }
    return 0;
}
