#pragma once

// Card sets on disk for the game's tests: pictures drawn in a colour of their
// own, a Set.cfg saying the kind, and sound files where asked.

#include "TestFiles.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTest>

namespace GameSets {

// A picture file of `size` in a colour told by its number.
inline void writePicture(const QString& folder, int number, QSize size = QSize(24, 24))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((number * 37) % 360, 200, 220));
    const QString path =
        QDir(folder).filePath(QStringLiteral("C%1.bmp").arg(number, 2, 10, QLatin1Char('0')));
    QVERIFY2(image.save(path, "BMP"), qPrintable(path));
}

// The 202-byte Set.cfg record: no author, the kind in its last byte.
inline void writeKind(const QString& folder, bool duplo)
{
    QByteArray record(202, '\0');
    record[201] = duplo ? '\1' : '\0';
    TestFiles::writeBytes(QDir(folder).filePath(QStringLiteral("Set.cfg")), record);
}

// A paired set whose pairs `pairs` have their picture Ck.
inline void writePairedSet(const QString& folder, std::initializer_list<int> pairs)
{
    writeKind(folder, false);
    for (const int pair : pairs)
        writePicture(folder, pair);
}

} // namespace GameSets
