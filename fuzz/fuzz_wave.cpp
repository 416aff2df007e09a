// Binds a wave file made of the input bytes, reads all its sample data, and
// writes its INFO and DISP extras again, as saving a copy would.

#include "ScratchFiles.h"
#include "audio/TMMWave.h"

namespace {

ScratchFiles scratch("fuzz_wave.wav", "fuzz_wave_out.bin");

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
    if (!scratch.writeInput(data, size))
        return 0;
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
