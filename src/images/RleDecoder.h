#pragma once

#include <QtGlobal>

// Decodes BMP run-length data (RLE8 or RLE4) into uncompressed rows of 8 or 4
// bits per pixel. Rows come out in the order the data gives them, bottom row
// first, which is the order an uncompressed bottom-up picture stores them.
//
// The data is untrusted: runs and literal groups that reach past the end of a
// row are cut at the row's end, a jump or line end below the last row ends the
// picture, and data that stops early leaves the remaining pixels as they were
// (zero). Nothing is ever written outside the rows.
class RleDecoder {
  public:
    RleDecoder(int bitsPerPixel, int width, int height, qsizetype rowLength);

    // `dest` holds height x rowLength bytes, zero-filled by the caller.
    void decode(const uchar* data, qint64 length, uchar* dest);

  private:
    void putRun(uchar* row, int count, uchar value);
    void putLiteral(uchar* row, int count, const uchar* bytes);
    void putPixel(uchar* row, int x, uchar index) const;

    int bits_;
    int width_;
    int height_;
    qsizetype rowLength_;
    int x_ = 0;
    int y_ = 0;
};
