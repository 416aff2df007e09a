#pragma once

#include <QByteArray>
#include <QColor>
#include <QtEndian>
#include <cstdint>
#include <vector>

// Builds BMP files field by field, independently of the code under test, so
// that tests can make every variant and every kind of damage.
struct BmpBuilder {
    QByteArray signature = "BM";
    uint32_t headerLength = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t coloursUsed = 0;
    uint32_t importantColours = 0;
    std::vector<uint32_t> masks; // after a 40-byte header, or inside a longer one
    QByteArray colourTable;      // raw entries as stored
    QByteArray gap;              // bytes between the colour table and the pixels
    QByteArray pixels;           // raw rows as stored

    static void put16(QByteArray& out, uint16_t v)
    {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    }
    static void put32(QByteArray& out, uint32_t v)
    {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    }

    // 4-byte (or core 3-byte) entries: blue, green, red[, 0].
    static QByteArray table(const std::vector<QColor>& colours, bool core = false)
    {
        QByteArray out;
        for (const QColor& c : colours) {
            out.append(char(c.blue()));
            out.append(char(c.green()));
            out.append(char(c.red()));
            if (!core)
                out.append('\0');
        }
        return out;
    }

    // A table whose entry i is the grey (i, i, i), so a shown pixel's red
    // value names the index stored.
    static QByteArray greys(int count, bool core = false)
    {
        std::vector<QColor> colours;
        for (int i = 0; i < count; ++i)
            colours.emplace_back(i, i, i);
        return table(colours, core);
    }

    QByteArray header() const
    {
        QByteArray out;
        put32(out, headerLength);
        if (headerLength == 12) {
            put16(out, uint16_t(width));
            put16(out, uint16_t(height));
            put16(out, planes);
            put16(out, bits);
            return out;
        }
        put32(out, uint32_t(width));
        put32(out, uint32_t(height));
        put16(out, planes);
        put16(out, bits);
        put32(out, compression);
        put32(out, imageSize);
        put32(out, uint32_t(xPelsPerMeter));
        put32(out, uint32_t(yPelsPerMeter));
        put32(out, coloursUsed);
        put32(out, importantColours);
        if (headerLength > 40) {
            for (size_t i = 0; i < 3; ++i)
                put32(out, i < masks.size() ? masks[i] : 0);
            while (uint32_t(out.size()) < headerLength)
                out.append('\0');
        }
        return out;
    }

    // The bytes after the file header.
    QByteArray dib() const
    {
        QByteArray out = header();
        if (headerLength == 40)
            for (uint32_t m : masks)
                put32(out, m);
        return out + colourTable + gap + pixels;
    }

    QByteArray file() const
    {
        const QByteArray body = dib();
        QByteArray out = signature;
        put32(out, uint32_t(14 + body.size()));
        put32(out, 0);
        put32(out, uint32_t(14 + body.size() - pixels.size()));
        return out + body;
    }
};
