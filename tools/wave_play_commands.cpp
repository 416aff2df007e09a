// tessellor-tool wave-play FILE [--buffer BYTES] [--buffers N]: plays a wave
// through the same chain as the wave open dialog's preview (file source,
// converter, output), printing each event of the output as it fires.

#include "ToolCommands.h"

#include "audio/TMMWave.h"
#include "audio/output/PlayBufferSize.h"
#include "audio/output/TMMADPCMConverter.h"
#include "audio/output/TMMWaveFile.h"
#include "audio/output/TMMWaveOut.h"

#include <QEventLoop>

namespace {

constexpr int DialogNumBuffers = 10;

// The output's texts hold a line feed and a carriage return; the event line
// shows them escaped so that each event stays on one line.
QString OneLine(QString text)
{
    return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
}

// Reads `--name VALUE` options into `values`; false on anything else.
bool ReadOptions(const QStringList& args, QString& file, int& bufferSize, int& numBuffers)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--buffer") || arg == QLatin1String("--buffers")) {
            bool ok = false;
            const int value = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok)
                return false;
            (arg == QLatin1String("--buffer") ? bufferSize : numBuffers) = value;
        } else if (file.isEmpty() && !arg.startsWith(QLatin1String("--"))) {
            file = arg;
        } else {
            return false;
        }
    }
    return !file.isEmpty();
}

int WavePlay(const QStringList& args)
{
    QString file;
    int bufferSize = 0;
    int numBuffers = DialogNumBuffers;
    if (!ReadOptions(args, file, bufferSize, numBuffers))
        return printUsage();

    TMMWaveFile source;
    source.Wave()->SetTimeFormat(TMMTimeFormats::tfByte);
    source.Wave()->LoadWaveFile(file);
    TMMADPCMConverter converter;
    converter.SetInput(&source);
    const TWaveFormat* format = source.PWaveFormat();
    converter.SetEnabled(format && (format->IsPcm() || TMMADPCMConverter::CanConvert(*format)));

    TMMWaveOut output;
    QEventLoop loop;
    bool failed = false;
    output.OnOpen = [](TMMWaveOut*) { printLine(QStringLiteral("open")); };
    output.OnStart = [](TMMWaveOut*) { printLine(QStringLiteral("start")); };
    output.OnStop = [&loop](TMMWaveOut*) {
        printLine(QStringLiteral("stop"));
        loop.quit();
    };
    output.OnClose = [&loop](TMMWaveOut*) {
        printLine(QStringLiteral("close"));
        loop.quit();
    };
    output.OnError = [&failed](TMMWaveOut*, const QString& message) {
        failed = true;
        printLine(QStringLiteral("error: ") + OneLine(message));
    };
    output.SetInput(&converter);
    output.SetDeviceID(TMMWaveOut::AnyDevice);
    output.SetTimeFormat(TMMTimeFormats::tfByte);
    output.SetNumBuffers(numBuffers);
    output.SetBufferSize(bufferSize > 0 ? bufferSize
                         : format       ? PlayBufferSize(TMMWaveOut::DefaultBufferSize, *format)
                                        : TMMWaveOut::DefaultBufferSize);
    output.Start();
    if (output.Playing())
        loop.exec();
    output.Close();
    return failed ? 1 : 0;
}

const ToolCommand waveplay("wave-play", "FILE [--buffer BYTES] [--buffers N]", WavePlay);

} // namespace
