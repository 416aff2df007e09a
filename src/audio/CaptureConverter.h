#pragma once

#include "audio/CaptureFormat.h"

#include <QByteArray>

// Turns audio as the input device delivers it into 16-bit mono samples at the
// device's own rate: the channels of each frame are averaged and the sample
// kind converted. A device may hand over a block that ends inside a frame;
// those bytes wait for the next block.
class CaptureConverter {
  public:
    explicit CaptureConverter(const CaptureFormat& format);

    const CaptureFormat& Format() const { return format_; }

    // The whole frames of `bytes` (after any left over from the last call) as
    // native-endian 16-bit mono samples.
    QByteArray ToMono16(const QByteArray& bytes);

  private:
    double SampleAt(const char* at) const; // -1..1
    CaptureFormat format_;
    QByteArray pending_;
};
