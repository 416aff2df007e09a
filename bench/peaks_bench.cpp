// Helper of bench/peaks.sh: writes a 16-bit stereo wave of music-like
// samples, and times computing the wave open dialog's peak table of it
// against a plain read of its sample bytes, each inside this process.

#include "audio/TMMWave.h"
#include "audio/WavePeaks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uint32_t Rate = 44100;
constexpr uint16_t Channels = 2;
constexpr uint16_t Bits = 16;
constexpr int HeaderBytes = 44;
constexpr int ReadPiece = 1 << 20;

QByteArray Dword(uint32_t v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<uint32_t>(v, b.data());
    return b;
}

QByteArray Word(uint16_t v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<uint16_t>(v, b.data());
    return b;
}

// Two tones under a slowly changing loudness, with a little noise.
QByteArray Samples(int64_t firstFrame, int frames)
{
    QByteArray bytes(frames * 4, '\0');
    uint32_t noise = uint32_t(firstFrame) * 2654435761u;
    for (int i = 0; i < frames; ++i) {
        const double t = double(firstFrame + i) / Rate;
        const double loud = 0.5 + 0.4 * std::sin(t * 0.7);
        noise = noise * 1664525u + 1013904223u;
        const double n = int(noise >> 20) - 2048;
        const auto left = int16_t(loud * 20000 * std::sin(t * 2764.6) + n);
        const auto right = int16_t(loud * 15000 * std::sin(t * 1382.3) - n);
        qToLittleEndian<int16_t>(left, bytes.data() + i * 4);
        qToLittleEndian<int16_t>(right, bytes.data() + i * 4 + 2);
    }
    return bytes;
}

int MakeWave(const QString& path, qint64 dataBytes)
{
    constexpr uint16_t align = Channels * Bits / 8;
    const QByteArray format =
        Word(1) + Word(Channels) + Dword(Rate) + Dword(Rate * align) + Word(align) + Word(Bits);
    const QByteArray header = "RIFF" + Dword(uint32_t(4 + 8 + format.size() + 8 + dataBytes)) + "WAVE" +
                              "fmt " + Dword(uint32_t(format.size())) + format + "data" +
                              Dword(uint32_t(dataBytes));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(header) != header.size())
        return 1;
    constexpr int BlockFrames = 1 << 18;
    for (qint64 frame = 0; frame * 4 < dataBytes; frame += BlockFrames) {
        const QByteArray block =
            Samples(frame, BlockFrames).left(int(std::min<qint64>(dataBytes - frame * 4, BlockFrames * 4)));
        if (file.write(block) != block.size())
            return 1;
    }
    return 0;
}

// Reads the sample bytes as plainly as can be: read() into one buffer.
int TimeRead(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return 1;
    std::vector<char> buffer(ReadPiece);
    ::lseek(fd, HeaderBytes, SEEK_SET);
    int64_t total = 0;
    for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;)
        total += got;
    ::close(fd);
    std::printf("%.6f\n", double(timer.nsecsElapsed()) / 1e9);
    return total > 0 ? 0 : 1;
}

int TimePeaks(const QString& path, int width)
{
    QElapsedTimer timer;
    timer.start();
    TMMWave wave;
    wave.SetTimeFormat(TMMTimeFormats::tfByte);
    wave.SetIOBufferSize(131072); // as the dialog reads
    wave.LoadWaveFile(path);
    TWavePeaks peaks;
    peaks.Reset(width);
    const int columns = peaks.Compute(wave);
    std::printf("%.6f\n", double(timer.nsecsElapsed()) / 1e9);
    return columns == width ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("make"))
        return MakeWave(args[2], args[3].toLongLong());
    if (args.size() == 3 && args[1] == QLatin1String("read"))
        return TimeRead(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("peaks"))
        return TimePeaks(args[2], args[3].toInt());
    std::fprintf(stderr, "usage: peaks_bench make FILE BYTES | read FILE | peaks FILE WIDTH\n");
    return 2;
}
