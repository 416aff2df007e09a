#include "ToolCommands.h"

#include "audio/TMMWave.h"
#include "audio/WavePeaks.h"
#include "audio/ui/WaveStripLayout.h"

#include <QFont>
#include <QGuiApplication>

namespace {

// wave-peaks FILE [--width PIXELS]: the wave open dialog's peak table for a
// waveform area PIXELS wide (by default the dialog's own, at the GUI font),
// one line per column computed. Nothing for a wave the dialog does not draw.
int wavePeaks(const QStringList& args)
{
    QString path;
    int width = 0;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--width") && i + 1 < args.size()) {
            bool ok = false;
            width = args[++i].toInt(&ok);
            if (!ok || width <= 0)
                return printUsage();
        } else if (path.isEmpty() && !args[i].isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            path = args[i];
        } else {
            return printUsage();
        }
    }
    if (path.isEmpty())
        return printUsage();
    if (width == 0)
        width = WaveStripLayout::DrawingWidth(QGuiApplication::font());
    TMMWave wave;
    wave.SetTimeFormat(TMMTimeFormats::tfByte);
    wave.LoadWaveFile(path);
    TWavePeaks peaks;
    peaks.Reset(width);
    const int count = peaks.Compute(wave);
    for (int i = 0; i < count; ++i) {
        const TPeakColumn& c = peaks.Columns()[size_t(i)];
        printLine(QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(i)
                      .arg(c.First0)
                      .arg(c.Second0)
                      .arg(c.First1)
                      .arg(c.Second1));
    }
    return 0;
}

const ToolCommand wavePeaksCommand("wave-peaks", "FILE [--width PIXELS]", wavePeaks, ToolCommand::Needs::Gui);

} // namespace
