// Printing a set: `make DIR` writes a double set of 41 card pictures of
// 256 x 256 pixels in 24 bits, photo-like (smooth shapes with fine grain), as
// the picture import makes them; `pdf DIR OUT.pdf RUNS` reads the set and
// writes its 40 cards as a PDF, RUNS times, and prints the best time in
// milliseconds and the PDF's size in bytes.

#include "cardset/SetConfig.h"
#include "images/CardPicture.h"
#include "print/CardPrint.h"
#include "print/PrintDeck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

QImage photoLike(int seed)
{
    QImage image(CardPictureSide, CardPictureSide, QImage::Format_RGB32);
    QRandomGenerator grain(quint32(seed) + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double u = x / 40.0 + seed;
            const double v = y / 33.0 - seed;
            const int noise = int(grain.bounded(9)) - 4;
            auto channel = [&](double phase) {
                return std::clamp(int(128 + 90 * std::sin(u + phase) * std::cos(v - phase)) + noise, 0, 255);
            };
            row[x] = qRgb(channel(0), channel(2.1), channel(4.2));
        }
    }
    return image;
}

int make(const QString& folder)
{
    QDir().mkpath(folder);
    TConfigConjunto config{};
    config.Duplo = 1;
    WriteConfig(folder, config);
    for (int slot = 0; slot <= 40; ++slot)
        CardPictureFromImage(photoLike(slot))
            .SaveBitmapFile(
                QDir(folder).filePath(QStringLiteral("C%1.bmp").arg(slot, 2, 10, QLatin1Char('0'))));
    return 0;
}

int pdf(const QString& folder, const QString& out, int runs)
{
    qint64 best = -1;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const PrintDeck deck = PrintDeck::read(folder, false);
        WriteCardsPdf(CardPrint(deck, PrintOptions()), out);
        const qint64 elapsed = timer.elapsed();
        best = best < 0 ? elapsed : std::min(best, elapsed);
    }
    QTextStream(stdout) << best << ' ' << QFileInfo(out).size() << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("make"))
        return make(args[2]);
    if (args.size() == 5 && args[1] == QLatin1String("pdf"))
        return pdf(args[2], args[3], args[4].toInt());
    std::fputs("usage: print_bench make DIR | pdf DIR OUT.pdf RUNS\n", stderr);
    return 2;
}
