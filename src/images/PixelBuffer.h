#pragma once

#include <QByteArray>

// Buffers for pixel rows. Large pictures are read straight into them, so the
// cost of a load is mostly the kernel's copy plus the page faults of a fresh
// buffer; asking for huge pages where the system offers them makes the faults
// 512 times fewer.
namespace PixelBuffer {

// `size` bytes, not initialised.
QByteArray allocate(qsizetype size);

// `size` zero bytes.
QByteArray allocateZeroed(qsizetype size);

} // namespace PixelBuffer
