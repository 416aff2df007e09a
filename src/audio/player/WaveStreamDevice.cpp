#include "audio/player/WaveStreamDevice.h"

#include <algorithm>
#include <cstring>

namespace {
// Sample bytes read from the file per refill: small enough to start quickly,
// large enough that the sink's pulls rarely reach the file.
constexpr qint64 kRawChunk = 64 * 1024;
} // namespace

WaveStreamDevice::WaveStreamDevice(const QByteArray& format, RawReader readRaw, QObject* parent)
    : QIODevice(parent), decoder_(format), readRaw_(std::move(readRaw)), raw_(kRawChunk, '\0')
{
}

qint64 WaveStreamDevice::bytesAvailable() const
{
    return (decoded_.size() - readPos_) + QIODevice::bytesAvailable();
}

void WaveStreamDevice::decodeMore()
{
    if (readPos_ < decoded_.size())
        return;
    decoded_.clear();
    readPos_ = 0;
    while (decoded_.isEmpty() && !finished_) {
        const qint64 got = readRaw_(raw_.data(), raw_.size());
        if (got <= 0) {
            finished_ = true;
            break;
        }
        decoder_.decode(raw_.constData(), std::min(got, static_cast<qint64>(raw_.size())), decoded_);
    }
}

qint64 WaveStreamDevice::readData(char* data, qint64 maxSize)
{
    decodeMore();
    const qint64 n = std::min(maxSize, static_cast<qint64>(decoded_.size() - readPos_));
    if (n <= 0)
        return 0;
    std::memcpy(data, decoded_.constData() + readPos_, static_cast<std::size_t>(n));
    readPos_ += n;
    return n;
}

qint64 WaveStreamDevice::writeData(const char*, qint64)
{
    return -1;
}
