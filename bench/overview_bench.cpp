// Helper of bench/overview.sh: writes a double set of 41 card pictures of
// 4000 x 3000 pixels in 24 bits, and times the set overview making all their
// thumbnails against a plain read of the same files, each inside this process.

#include "pictures/OverviewModel.h"
#include "pictures/SetView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QtEndian>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Width = 4000;
constexpr int Height = 3000;
constexpr int RowBytes = Width * 3;
constexpr int ReadPiece = 1 << 20;
constexpr int Box = 96; // the window's thumbnails at its usual size

QByteArray bmpHeader()
{
    QByteArray h(54, '\0');
    const auto put32 = [&h](int at, uint32_t v) { qToLittleEndian(v, h.data() + at); };
    h[0] = 'B';
    h[1] = 'M';
    put32(2, 54 + RowBytes * Height);
    put32(10, 54);
    put32(14, 40);
    put32(18, Width);
    put32(22, Height);
    qToLittleEndian<uint16_t>(1, h.data() + 26);
    qToLittleEndian<uint16_t>(24, h.data() + 28);
    put32(34, RowBytes * Height);
    return h;
}

// A photo-like gradient that differs from card to card.
int MakeSet(const QString& folder)
{
    QDir().mkpath(folder);
    QByteArray config(202, '\0');
    config[201] = 1; // double set
    QFile cfg(folder + QStringLiteral("/Set.cfg"));
    if (!cfg.open(QIODevice::WriteOnly) || cfg.write(config) != config.size())
        return 1;
    QByteArray rows(qsizetype(RowBytes) * Height, Qt::Uninitialized);
    for (int card = 0; card < 41; ++card) {
        for (int y = 0; y < Height; ++y) {
            char* row = rows.data() + qsizetype(y) * RowBytes;
            for (int x = 0; x < Width; ++x) {
                row[3 * x] = char((x + card * 7) >> 4);
                row[3 * x + 1] = char((y + card * 13) >> 4);
                row[3 * x + 2] = char((x ^ y) + card);
            }
        }
        QFile file(folder + QStringLiteral("/C%1.bmp").arg(card, 2, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bmpHeader()) != 54 ||
            file.write(rows) != rows.size())
            return 1;
    }
    return 0;
}

// The 41 files read as plainly as can be: read() into one buffer.
int TimeRead(const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<char> buffer(ReadPiece);
    int64_t total = 0;
    for (int card = 0; card < 41; ++card) {
        const QString path = folder + QStringLiteral("/C%1.bmp").arg(card, 2, 10, QLatin1Char('0'));
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            return 1;
        for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;)
            total += got;
        ::close(fd);
    }
    std::printf("%.6f\n", double(timer.nsecsElapsed()) / 1e9);
    return total > 0 ? 0 : 1;
}

bool complete(const OverviewModel& model)
{
    for (int slot = 0; slot < NumSlots; ++slot)
        if (model.cell(slot).picture != OverviewCell::Picture::Shown)
            return false;
    return true;
}

// From opening the set to the last thumbnail in its cell, on the event loop
// as the window gets them.
int TimeOverview(const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    OverviewModel model;
    QEventLoop loop;
    QObject::connect(&model, &OverviewModel::cellChanged, &loop, [&] {
        if (complete(model))
            loop.quit();
    });
    model.setThumbnailBox(QSize(Box, Box));
    model.setSet(SetView::read(folder));
    if (!complete(model))
        loop.exec();
    std::printf("%.6f\n", double(timer.nsecsElapsed()) / 1e9);
    return model.cell(40).thumbnail.size() == QSize(Box, Box * Height / Width) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("make"))
        return MakeSet(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("read"))
        return TimeRead(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("overview"))
        return TimeOverview(args[2]);
    std::fprintf(stderr, "usage: overview_bench make DIR | read DIR | overview DIR\n");
    return 2;
}
