// Helper of bench/wave.sh: writes a PCM wave of a given data size, times
// binding a wave file (which must read its header chunks only) and saving one.

#include "audio/RiffFile.h"
#include "audio/TMMWave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cstdio>

namespace {

constexpr uint32_t Rate = 44100;
constexpr uint16_t Channels = 2;
constexpr uint16_t Bits = 16;

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
    QByteArray block(1 << 20, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char((i * 7919) >> 3);
    for (qint64 left = dataBytes; left > 0; left -= block.size()) {
        const qint64 n = std::min<qint64>(left, block.size());
        if (file.write(block.constData(), n) != n)
            return 1;
    }
    return 0;
}

int TimeBinding(const QString& path, int repeat)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeat; ++i) {
        TMMWave wave;
        wave.LoadWaveFile(path);
    }
    std::printf("%.1f\n", double(timer.nsecsElapsed()) / 1000.0 / repeat);
    return 0;
}

// Binds SRC and saves it as DST, as wave-copy does, without the process start.
// `way` names the first way the file layer tries to move the bytes.
int TimeSave(const QString& source, const QString& target, const QString& way)
{
    if (way == "splice")
        RiffFile::SetFirstCopyWay(RiffFile::CopyWay::Splice);
    else if (way == "memory")
        RiffFile::SetFirstCopyWay(RiffFile::CopyWay::Memory);
    else if (way != "file-range")
        return 2;
    QElapsedTimer timer;
    timer.start();
    TMMWave wave;
    wave.LoadWaveFile(source);
    wave.SaveWaveFile(target);
    std::printf("%.4f\n", double(timer.nsecsElapsed()) / 1e9);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "make")
        return MakeWave(args[2], args[3].toLongLong());
    if (args.size() == 4 && args[1] == "bind")
        return TimeBinding(args[2], args[3].toInt());
    if ((args.size() == 4 || args.size() == 5) && args[1] == "save")
        return TimeSave(args[2], args[3], args.value(4, QStringLiteral("file-range")));
    std::fprintf(stderr,
                 "usage: wave_bench make FILE DATA_BYTES | bind FILE REPEAT (prints microseconds per bind)"
                 " | save SRC DST [file-range|splice|memory] (prints seconds)\n");
    return 2;
}
