#pragma once

#include "images/TBitmap.h"

#include <QByteArray>
#include <QSharedData>
#include <array>
#include <cstdint>

// What a TBitmap holds. The empty picture has width 0 and nothing else.
struct TBitmap::Data : QSharedData {
    int32_t width = 0;
    int32_t heightAsRead = 0; // negative: rows stored top-down
    int bitsPerPixel = 0;
    // 0 or 3 for pixels held as stored; 1 (RLE8) or 2 (RLE4) while the decoded
    // picture still has its KeptCompressedData.
    uint32_t compression = 0;
    std::array<uint32_t, 3> masks{}; // red, green, blue; compression 3 only
    QByteArray colourTable;          // 4-byte entries: blue, green, red, reserved
    QByteArray pixels;               // rows in file order, padded; rowLength() x |height|
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t coloursUsed = 0; // colour-table length as computed when read
    uint32_t importantColours = 0;
    uint32_t headerLength = 0; // of the file read; places the pixels of kept bytes
    bool coreHeaderForm = false;
    QByteArray keptCompressedData;

    bool empty() const { return width == 0; }
    int absHeight() const { return heightAsRead < 0 ? -heightAsRead : heightAsRead; }
    bool topDown() const { return heightAsRead < 0; }
    qsizetype rowLength() const;
    int colourCount() const { return int(colourTable.size() / 4); }
};
