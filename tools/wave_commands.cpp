#include "ToolCommands.h"

#include "audio/TMMWave.h"
#include "audio/WaveSummary.h"

#include <cstdio>

namespace {

void printKey(const char* key, qint64 value)
{
    printLine(QStringLiteral("%1: %2").arg(QLatin1String(key)).arg(value));
}

// INFO texts are the file's bytes; they go out unchanged but for control
// characters, which are escaped so that each text stays on its own line.
void printRawLine(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printInfoTexts(const TInfoList& info)
{
    for (const TInfoEntry& entry : info.Entries) {
        const std::optional<QByteArray> text = InfoCurrentText(info, entry);
        if (text && !text->isEmpty())
            printRawLine("info " + RiffFile::FOURCCToString(InfoChunkIds[entry.TableIndex]) + ": " +
                         escapeControls(*text));
    }
}

void printDispEntries(const TDispList& disp)
{
    for (const TDispEntry& entry : disp.Entries) {
        const QByteArray* payload = DispPayload(entry);
        printLine(QStringLiteral("disp: %1 %2").arg(entry.Format).arg(payload ? payload->size() : 0));
    }
}

// wave-info FILE: what binding FILE finds in its header.
const ToolCommand waveInfo("wave-info", "FILE", [](const QStringList& args) {
    if (args.size() != 1 || args.at(0).isEmpty())
        return printUsage();
    TMMWave wave;
    wave.LoadWaveFile(args.at(0));
    const TWaveIORecord* record = wave.IORecord();
    const TWaveFormat& format = record->Format;
    printKey("format_tag", format.FormatTag());
    printLine(QStringLiteral("format_name: ") + wave.FormatString());
    printKey("channels", format.Channels());
    printKey("rate", format.SamplesPerSec());
    printKey("avg_bytes", format.AvgBytesPerSec());
    printKey("block_align", format.BlockAlign());
    printKey("bits", format.BitsPerSample());
    printKey("cb_size", format.CbSize());
    printKey("file_size", record->FileSize);
    printKey("data_offset", record->DataOffset);
    printKey("data_bytes", record->DataBytes);
    printKey("length_samples", record->LengthSamples);
    printLine(QStringLiteral("summary: ") + WaveSummary(wave));
    printInfoTexts(*record->Info);
    printDispEntries(*record->Disp);
    return 0;
});

} // namespace
