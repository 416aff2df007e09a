#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// The ring of buffers of the wave output: `count` buffers of `size` bytes
// each, carved from one block aligned to 64 bytes, made once per playing so
// that nothing is allocated while audio flows.
class TMMWaveOutRing {
  public:
    struct Buffer {
        char* data = nullptr;
        int32_t length = 0; // bytes of audio it holds
    };

    // Makes the ring; false when the memory cannot be had.
    bool Allocate(int count, int size);
    void Release();

    bool IsEmpty() const { return buffers_.empty(); }
    int Count() const { return int(buffers_.size()); }
    int Size() const { return size_; }
    Buffer& operator[](int index) { return buffers_[std::size_t(index)]; }
    const Buffer& operator[](int index) const { return buffers_[std::size_t(index)]; }

  private:
    struct FreeBlock {
        void operator()(char* block) const;
    };
    std::unique_ptr<char, FreeBlock> pool_;
    std::vector<Buffer> buffers_;
    int size_ = 0;
};
