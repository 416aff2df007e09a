#include "images/BmpSource.h"

#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Above this size the pixel area is read by two threads at once: most of a
// large read is the kernel copying pages and zeroing the fresh buffer, which
// a second core halves. Card pictures are far smaller and read in one go.
constexpr qint64 SplitReadBytes = qint64(16) << 20;

#ifdef Q_OS_UNIX
bool preadAll(int fd, qint64 offset, char* dest, qint64 length)
{
    while (length > 0) {
        const ssize_t got = ::pread(fd, dest, size_t(length), off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        dest += got;
        offset += got;
        length -= got;
    }
    return true;
}
#endif

} // namespace

bool FileBmpSource::readAt(qint64 offset, char* dest, qint64 length)
{
#ifdef Q_OS_UNIX
    const int fd = file_.handle();
    if (length >= SplitReadBytes && fd >= 0) {
        const qint64 half = length / 2;
        bool secondRead = false;
        std::thread second([&] { secondRead = preadAll(fd, offset + half, dest + half, length - half); });
        const bool firstRead = preadAll(fd, offset, dest, half);
        second.join();
        // pread leaves the file position alone: put it where a plain read would.
        return firstRead && secondRead && file_.seek(offset + length);
    }
#endif
    if (file_.pos() != offset && !file_.seek(offset))
        return false;
    while (length > 0) {
        const qint64 got = file_.read(dest, length);
        if (got <= 0)
            return false;
        dest += got;
        length -= got;
    }
    return true;
}
