#include "images/PixelBuffer.h"

#include <cstdint>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr qsizetype HugePageSize = qsizetype(2) << 20;
constexpr qsizetype HugePageThreshold = 2 * HugePageSize;

void adviseHugePages([[maybe_unused]] char* data, [[maybe_unused]] qsizetype size)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (size < HugePageThreshold)
        return;
    const auto start = reinterpret_cast<uintptr_t>(data);
    const uintptr_t begin = (start + HugePageSize - 1) & ~uintptr_t(HugePageSize - 1);
    const uintptr_t end = (start + uintptr_t(size)) & ~uintptr_t(HugePageSize - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin,
                MADV_HUGEPAGE); // only advice: failure is harmless
#endif
}

} // namespace

namespace PixelBuffer {

QByteArray allocate(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    adviseHugePages(bytes.data(), size);
    return bytes;
}

QByteArray allocateZeroed(qsizetype size)
{
    QByteArray bytes = allocate(size);
    std::memset(bytes.data(), 0, size_t(size));
    return bytes;
}

} // namespace PixelBuffer
