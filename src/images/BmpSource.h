#pragma once

#include <QFile>
#include <QtGlobal>
#include <cstring>

// Where a BMP reader takes its bytes from: a file on disk or bytes in memory.
// Reads name their offset, so the reader can copy the pixel area straight into
// the picture's buffer instead of holding the whole file a second time.
class BmpSource {
  public:
    virtual ~BmpSource() = default;
    virtual qint64 size() const = 0;
    // Copies `length` bytes starting at `offset` (both within size()) to `dest`;
    // false when the device failed.
    virtual bool readAt(qint64 offset, char* dest, qint64 length) = 0;
};

class MemoryBmpSource final : public BmpSource {
  public:
    MemoryBmpSource(const char* data, qint64 size) : data_(data), size_(size) {}
    qint64 size() const override { return size_; }
    bool readAt(qint64 offset, char* dest, qint64 length) override
    {
        if (length > 0)
            std::memcpy(dest, data_ + offset, size_t(length));
        return true;
    }

  private:
    const char* data_;
    qint64 size_;
};

class FileBmpSource final : public BmpSource {
  public:
    // `file` is open for reading; its length is taken once, now.
    explicit FileBmpSource(QFile& file) : file_(file), size_(file.size()) {}
    qint64 size() const override { return size_; }
    bool readAt(qint64 offset, char* dest, qint64 length) override;

  private:
    QFile& file_;
    qint64 size_;
};
