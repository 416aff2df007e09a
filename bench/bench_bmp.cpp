// Measures the card picture layer on a large picture: LoadBitmapFile then
// SaveBitmapFile of an uncompressed 24-bit file, LoadBitmapFile of a
// run-length file, and a plain read of a file's bytes to compare against.
// bench/bmp.sh runs it next to `cp` of the same file and prints the ratios.
#include "common/Exception.h"
#include "images/TBitmap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Width = 6000;
constexpr int Height = 4000;

void put16(QByteArray& out, uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

QByteArray headers(int bits, uint32_t compression, const QByteArray& table, qsizetype pixelBytes)
{
    QByteArray info;
    put32(info, 40);
    put32(info, Width);
    put32(info, Height);
    put16(info, 1);
    put16(info, uint16_t(bits));
    put32(info, compression);
    put32(info, uint32_t(pixelBytes));
    put32(info, 2835);
    put32(info, 2835);
    put32(info, uint32_t(table.size() / 4));
    put32(info, 0);
    info += table;
    QByteArray file("BM");
    put32(file, uint32_t(14 + info.size() + pixelBytes));
    put32(file, 0);
    put32(file, uint32_t(14 + info.size()));
    return file + info;
}

// A photograph-like gradient, so no byte pattern is special.
QByteArray gradient24()
{
    const qsizetype row = (qsizetype(Width) * 24 + 31) / 32 * 4;
    QByteArray pixels(row * Height, '\0');
    for (int y = 0; y < Height; ++y) {
        char* p = pixels.data() + y * row;
        for (int x = 0; x < Width; ++x) {
            p[3 * x] = char(x * 255 / Width);
            p[3 * x + 1] = char(y * 255 / Height);
            p[3 * x + 2] = char((x + y) & 0xFF);
        }
    }
    return headers(24, 0, QByteArray(), pixels.size()) + pixels;
}

// Rows of runs of varied length mixed with literal groups, like a drawing.
QByteArray runLength8()
{
    QByteArray data;
    for (int y = 0; y < Height; ++y) {
        int x = 0;
        int step = y;
        while (x < Width) {
            step = (step * 1103515245 + 12345) & 0x7FFFFFFF;
            const int remaining = Width - x;
            if (step % 4 == 0 && remaining >= 8) {
                const int n = std::min(remaining, 8 + step % 40);
                data.append('\0');
                data.append(char(n));
                for (int i = 0; i < n; ++i)
                    data.append(char((x + i) & 0xFF));
                if (n % 2)
                    data.append('\0');
                x += n;
            } else {
                const int n = std::min(remaining, 1 + step % 255);
                data.append(char(n));
                data.append(char(step >> 8));
                x += n;
            }
        }
        data.append('\0');
        data.append('\0');
    }
    data.append('\0');
    data.append('\1');
    QByteArray table;
    for (int i = 0; i < 256; ++i)
        put32(table, uint32_t(i * 0x010101));
    return headers(8, 1, table, data.size()) + data;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The best of `runs` timings of `action`, in milliseconds; `prepare` runs
// before each, untimed.
double best(
    int runs, const std::function<void()>& action, const std::function<void()>& prepare = [] {})
{
    double fastest = 1e300;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        action();
        fastest = std::min(fastest, double(timer.nsecsElapsed()) / 1e6);
    }
    return fastest;
}

int usage()
{
    std::fprintf(stderr, "usage: bench_bmp make24 FILE | makerle8 FILE | loadsave SRC DST RUNS | load SRC "
                         "RUNS | read SRC RUNS\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    try {
        const QString& command = args[0];
        if (command == QLatin1String("make24") || command == QLatin1String("makerle8"))
            return writeBytes(args[1], command == QLatin1String("make24") ? gradient24() : runLength8()) ? 0
                                                                                                         : 1;
        const int runs = args.last().toInt();
        double ms = 0;
        if (command == QLatin1String("loadsave") && args.size() == 4) {
            ms = best(
                runs,
                [&] {
                    TBitmap bitmap;
                    bitmap.LoadBitmapFile(args[1]);
                    bitmap.SaveBitmapFile(args[2]);
                },
                [&] { QFile::remove(args[2]); });
        } else if (command == QLatin1String("load") && args.size() == 3) {
            ms = best(runs, [&] {
                TBitmap bitmap;
                bitmap.LoadBitmapFile(args[1]);
            });
        } else if (command == QLatin1String("read") && args.size() == 3) {
            ms = best(runs, [&] {
                QFile f(args[1]);
                if (!f.open(QIODevice::ReadOnly) || f.readAll().isEmpty())
                    throw Exception(QStringLiteral("cannot read %1").arg(args[1]));
            });
        } else {
            return usage();
        }
        std::printf("%.2f\n", ms);
        return 0;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
