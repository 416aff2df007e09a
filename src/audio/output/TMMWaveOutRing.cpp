#include "audio/output/TMMWaveOutRing.h"

#include <cstdlib>
#include <limits>

namespace {
constexpr std::size_t Alignment = 64;
} // namespace

void TMMWaveOutRing::FreeBlock::operator()(char* block) const
{
    std::free(block);
}

bool TMMWaveOutRing::Allocate(int count, int size)
{
    Release();
    if (count <= 0 || size <= 0)
        return false;
    // Each buffer starts on an aligned address, so its stride is rounded up.
    const std::size_t stride = (std::size_t(size) + Alignment - 1) / Alignment * Alignment;
    if (stride > std::numeric_limits<std::size_t>::max() / std::size_t(count))
        return false;
    pool_.reset(static_cast<char*>(std::aligned_alloc(Alignment, stride * std::size_t(count))));
    if (!pool_)
        return false;
    try {
        buffers_.resize(std::size_t(count));
    } catch (const std::bad_alloc&) {
        Release();
        return false;
    }
    for (std::size_t i = 0; i < buffers_.size(); ++i)
        buffers_[i].data = pool_.get() + i * stride;
    size_ = size;
    return true;
}

void TMMWaveOutRing::Release()
{
    buffers_.clear();
    buffers_.shrink_to_fit();
    pool_.reset();
    size_ = 0;
}
