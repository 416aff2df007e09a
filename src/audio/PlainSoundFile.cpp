#include "audio/PlainSoundFile.h"

#include "audio/ESoundImportError.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The decoders ask for a few hundred bytes at a time, which would otherwise
// each be a system call.
constexpr size_t StreamBufferSize = 1 << 16;

[[noreturn]] void Raise(const char* lead, const char* detail = nullptr)
{
    QString message = QCoreApplication::translate("SoundImportText", lead);
    if (detail != nullptr && *detail != '\0')
        message += QLatin1Char('\n') + QString::fromLocal8Bit(detail);
    throw ESoundImportError(message);
}

// Opens without blocking, so that a pipe without a writer cannot hang the
// editor before it is seen to be a pipe; the kind is then taken from the
// open descriptor itself, so the file cannot be swapped after the test.
int OpenPlainFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        Raise(SoundImportText::CannotRead, strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        Raise(SoundImportText::NotPlainFile);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace

FILE* OpenPlainSoundFile(const QString& path)
{
    const int fd = OpenPlainFile(path);
    FILE* stream = ::fdopen(fd, "rb");
    if (stream == nullptr) {
        const int error = errno;
        ::close(fd);
        Raise(SoundImportText::CannotRead, strerror(error));
    }
    std::setvbuf(stream, nullptr, _IOFBF, StreamBufferSize);
    return stream;
}
