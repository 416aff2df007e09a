#pragma once

#include "images/BitmapData.h"
#include "images/BmpSource.h"

#include <array>
#include <cstdint>

// Reads one BMP picture from untrusted bytes. Every read is checked against
// the bytes available, and the pixel buffer is sized only after the declared
// dimensions have been checked against hard limits and against what the
// source's length can justify. Raises the errors of BitmapErrors.h.
class BmpReader {
  public:
    explicit BmpReader(BmpSource& source);

    // A whole BMP file: the 14-byte file header, then the picture. An empty
    // source gives the empty picture.
    TBitmap::Data readFile();
    // A picture without file header (the form of a bitmap resource).
    TBitmap::Data readPicture();

    // Where the stored rows of an uncompressed picture (or the data of a
    // run-length one) lie in the source: from `offset`, of which `present`
    // bytes are there (the rest of the rows reads as 0).
    struct PixelArea {
        qint64 offset = 0;
        qint64 present = 0;
    };
    // A whole BMP file checked and read as readFile() does, except that the
    // rows of an uncompressed picture are left in the source (`pixels` stays
    // empty and `area` tells where they are), so that a caller can stream
    // them. For a run-length picture `area` holds its compressed data instead;
    // nothing is decoded. Reading the layout alone reads the headers only.
    TBitmap::Data readFileLayout(PixelArea& area);

    // Limits on what a file may make us allocate: a picture larger than
    // AlwaysAllowedBytes must come from a source at least 1/MaxExpansion of
    // its size (run-length data and truncated files are smaller than their
    // pixels, but not by more than that), and never more than MaxPixels.
    static constexpr uint64_t MaxPixels = uint64_t(1) << 28;
    static constexpr uint64_t AlwaysAllowedBytes = uint64_t(32) << 20;
    static constexpr uint64_t MaxExpansion = 1024;

  private:
    struct InfoHeader {
        uint32_t length = 0;
        int64_t width = 0;
        int64_t height = 0;
        int planes = 0;
        int bits = 0;
        uint32_t compression = 0;
        uint32_t imageSize = 0;
        int32_t xPelsPerMeter = 0;
        int32_t yPelsPerMeter = 0;
        uint32_t coloursUsed = 0;
        uint32_t importantColours = 0;
        std::array<uint32_t, 3> masks{};
    };

    void readFileHeader();
    TBitmap::Data readPictureHead(InfoHeader& header);
    PixelArea pixelArea(const InfoHeader& header, const TBitmap::Data& picture) const;
    InfoHeader readInfoHeader();
    void checkHeader(const InfoHeader& header) const;
    void readMasks(InfoHeader& header);
    QByteArray readColourTable(const InfoHeader& header);
    void readPixels(const InfoHeader& header, TBitmap::Data& picture);
    void decodeRle(const InfoHeader& header, TBitmap::Data& picture);
    QByteArray keptBytes();

    bool take(char* dest, qint64 length);
    qint64 remaining() const { return source_.size() - pos_; }

    BmpSource& source_;
    qint64 pos_ = 0;
    qint64 pictureStart_ = 0;
};
