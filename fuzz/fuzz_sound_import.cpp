// Turns the input bytes, as a sound file of another format (MP3, Ogg, Opus,
// FLAC, or whatever else libsndfile reads), into a card sound, as dropping
// such a file on a card does. Refusals are expected; crashes, hangs and
// sanitizer reports are not.

#include "ScratchFiles.h"
#include "audio/SoundImport.h"

#include "common/Exception.h"

namespace {

ScratchFiles scratch("fuzz_sound.snd", "fuzz_sound_out.wav");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!scratch.writeInput(data, size))
        return 0;
    try {
        if (SoundImport::CanImport(scratch.input))
            SoundImport::Describe(scratch.input);
        SoundImport::ToCardSound(scratch.input, scratch.output);
    } catch (const Exception&) {
    }
    return 0;
}
