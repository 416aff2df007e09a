#include "audio/output/TMMWaveOutStream.h"

#include <algorithm>
#include <cstring>

TMMWaveOutStream::TMMWaveOutStream(TMMWaveOutRing& ring, DoneReport done, QObject* parent)
    : QIODevice(parent), ring_(ring), done_(std::move(done))
{
}

void TMMWaveOutStream::Queue(int index)
{
    {
        const std::lock_guard guard(lock_);
        const int count = queued_.load();
        queue_[std::size_t((head_ + count) % ring_.Count())] = index;
        available_ += ring_[index].length;
        queued_.fetch_add(1);
    }
    // The sink stops reading when it ran dry; this brings it back.
    emit readyRead();
}

void TMMWaveOutStream::Reset()
{
    const std::lock_guard guard(lock_);
    queue_.assign(std::size_t(ring_.Count()), 0);
    head_ = 0;
    taken_ = 0;
    available_ = 0;
    queued_.store(0);
    finished_ = false;
}

void TMMWaveOutStream::SetFinished(bool finished)
{
    const std::lock_guard guard(lock_);
    finished_ = finished;
}

bool TMMWaveOutStream::atEnd() const
{
    const std::lock_guard guard(lock_);
    return finished_ && queued_.load() == 0;
}

qint64 TMMWaveOutStream::bytesAvailable() const
{
    const std::lock_guard guard(lock_);
    return available_ + QIODevice::bytesAvailable();
}

qint64 TMMWaveOutStream::readData(char* data, qint64 maxSize)
{
    // The report only posts a message to the owner, so it may run under the lock.
    const std::lock_guard guard(lock_);
    qint64 copied = 0;
    while (copied < maxSize && queued_.load() > 0) {
        const int index = queue_[std::size_t(head_)];
        const TMMWaveOutRing::Buffer& buffer = ring_[index];
        const qint64 n = std::min<qint64>(maxSize - copied, buffer.length - taken_);
        std::memcpy(data + copied, buffer.data + taken_, std::size_t(n));
        copied += n;
        taken_ += int32_t(n);
        available_ -= n;
        if (taken_ >= buffer.length) {
            taken_ = 0;
            head_ = (head_ + 1) % ring_.Count();
            queued_.fetch_sub(1);
            done_(index);
        }
    }
    return copied;
}

qint64 TMMWaveOutStream::writeData(const char*, qint64)
{
    return -1;
}
