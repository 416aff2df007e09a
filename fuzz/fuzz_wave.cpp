// Binds a wave file made of the input bytes, reads all its sample data, and
// writes its INFO and DISP extras again, as saving a copy would.

#include "audio/TMMWave.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

// The scratch files, removed when the fuzzer ends.
struct ScratchFiles {
    QString input = QDir::tempPath() + QStringLiteral("/fuzz_wave_%1.wav").arg(getpid());
    QString output = QDir::tempPath() + QStringLiteral("/fuzz_wave_out_%1.bin").arg(getpid());
    ~ScratchFiles()
    {
        QFile::remove(input);
        QFile::remove(output);
    }
} scratch;

void ReadAllData(TMMWave& wave)
{
    static char buffer[4096];
    wave.OpenFile();
    wave.SetPosition(wave.DataSize() / 3);
    wave.SetPosition(0);
    for (int calls = 0; calls < 100000 && wave.ReadData(buffer, sizeof buffer) > 0; ++calls) {
    }
    wave.CloseFile();
}

void WriteExtras(const TWaveIORecord& source)
{
    std::unique_ptr<TInfoList> info;
    std::unique_ptr<TDispList> disp;
    if (CreateInfoList(info) != RiffNoError || CreateDispList(disp) != RiffNoError)
        return;
    CopyInfoTexts(info.get(), source.Info.get());
    CopyDispList(disp.get(), source.Disp.get());
    RiffFile out;
    if (!out.Open(scratch.output, RiffFile::Mode::Create))
        return;
    WriteDispChunks(&out, disp.get());
    WriteInfoList(&out, info.get());
    WriteDispChunks(&out, source.Disp.get());
    WriteInfoList(&out, source.Info.get());
    out.Close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(scratch.input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TMMWave wave;
    try {
        wave.LoadWaveFile(scratch.input);
    } catch (const EMMWaveError&) {
        return 0;
    }
    try {
        ReadAllData(wave);
    } catch (const EMMWaveError&) {
        wave.CloseFile();
    }
    if (wave.IORecord())
        WriteExtras(*wave.IORecord());
    return 0;
}
