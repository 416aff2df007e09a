// Turns the input bytes, as a sound file of another format (MP3, Ogg, Opus,
// FLAC, or whatever else libsndfile reads), into a card sound, as dropping
// such a file on a card does. Refusals are expected; crashes, hangs and
// sanitizer reports are not.

#include "audio/SoundImport.h"

#include "common/Exception.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

// The scratch files, removed when the fuzzer ends.
struct ScratchFiles {
    QString input = QDir::tempPath() + QStringLiteral("/fuzz_sound_%1.snd").arg(getpid());
    QString output = QDir::tempPath() + QStringLiteral("/fuzz_sound_out_%1.wav").arg(getpid());
    ~ScratchFiles()
    {
        QFile::remove(input);
        QFile::remove(output);
    }
} scratch;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(scratch.input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    try {
        if (SoundImport::CanImport(scratch.input))
            SoundImport::Describe(scratch.input);
        SoundImport::ToCardSound(scratch.input, scratch.output);
    } catch (const Exception&) {
    }
    return 0;
}
