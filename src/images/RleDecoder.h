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
    // Where decoded pixels go, as colour-table indices of one byte each, in
    // the order the data gives them; `row` is the stored row (0 the bottom).
    // Every pixel of the picture comes exactly once: those the data skips (a
    // jump, a line or the picture ended early) as runs of index 0.
    class Sink {
      public:
        virtual ~Sink() = default;
        virtual void run(int row, int x, int count, uchar index) = 0;
        virtual void pixels(int row, int x, int count, const uchar* indices) = 0;
    };

    RleDecoder(int bitsPerPixel, int width, int height, qsizetype rowLength);

    // `dest` holds height x rowLength bytes, zero-filled by the caller.
    void decode(const uchar* data, qint64 length, uchar* dest);
    // The same into `sink`, so that a picture can be scaled down while it is
    // decoded without ever being held at full size.
    void decode(const uchar* data, qint64 length, Sink& sink);

  private:
    void putRun(int count, uchar value);
    void putLiteral(int count, const uchar* bytes);
    // Gives the pixels skipped before (x, y) as index 0.
    void fillTo(int x, int y);

    int bits_;
    int width_;
    int height_;
    qsizetype rowLength_;
    Sink* sink_ = nullptr;
    int x_ = 0;
    int y_ = 0;
    int filledX_ = 0; // the first pixel not yet given to the sink
    int filledY_ = 0;
};
