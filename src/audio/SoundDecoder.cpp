#include "audio/SoundDecoder.h"

#include "audio/ESoundImportError.h"
#include "audio/PlainSoundFile.h"

#include <cstdio>
#include <sndfile.h>
#include <sys/stat.h>

namespace {

[[noreturn]] void Raise(const char* lead, const char* detail = nullptr)
{
    QString message = QCoreApplication::translate("SoundImportText", lead);
    if (detail != nullptr && *detail != '\0')
        message += QLatin1Char('\n') + QString::fromLocal8Bit(detail);
    throw ESoundImportError(message);
}

// libsndfile's words for a file it did not open. Its MP3 decoder reports
// contents it gives up on as "not a regular file (possibly a pipe?)"; the
// file was seen to be a plain one, so its contents are at fault.
QByteArray OpenFailure()
{
    constexpr int NotRegularFile = 7;
    const int error = sf_error(nullptr);
    return sf_error_number(error == NotRegularFile ? SF_ERR_MALFORMED_FILE : error);
}

// libsndfile reads through these from a buffered stdio stream.
sf_count_t StreamLength(void* user)
{
    struct stat info {};
    return ::fstat(::fileno(static_cast<FILE*>(user)), &info) == 0 ? sf_count_t(info.st_size) : -1;
}

sf_count_t StreamSeek(sf_count_t offset, int whence, void* user)
{
    FILE* stream = static_cast<FILE*>(user);
    return ::fseeko(stream, off_t(offset), whence) == 0 ? sf_count_t(::ftello(stream)) : -1;
}

sf_count_t StreamRead(void* buffer, sf_count_t count, void* user)
{
    return sf_count_t(std::fread(buffer, 1, size_t(count), static_cast<FILE*>(user)));
}

sf_count_t StreamWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t StreamTell(void* user)
{
    return sf_count_t(::ftello(static_cast<FILE*>(user)));
}

SF_VIRTUAL_IO StreamIO{StreamLength, StreamSeek, StreamRead, StreamWrite, StreamTell};

} // namespace

SoundDecoder::SoundDecoder(const QString& path)
{
    stream_ = OpenPlainSoundFile(path);
    SF_INFO info{};
    file_ = sf_open_virtual(&StreamIO, SFM_READ, &info, stream_);
    if (file_ == nullptr) {
        const QByteArray detail = OpenFailure();
        std::fclose(stream_);
        Raise(SoundImportText::CannotRead, detail.constData());
    }
    if (info.samplerate <= 0 || info.samplerate > MaxSampleRate || info.channels <= 0 ||
        info.channels > MaxChannels) {
        sf_close(file_);
        std::fclose(stream_);
        Raise(SoundImportText::BadParameters);
    }
    rate_ = info.samplerate;
    channels_ = info.channels;
    format_ = info.format;
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

SoundDecoder::~SoundDecoder()
{
    sf_close(file_);
    std::fclose(stream_);
}

void SoundDecoder::Fail(const char* lead) const
{
    Raise(lead, sf_strerror(file_));
}

int64_t SoundDecoder::Read(std::vector<float>& out, int64_t frames)
{
    out.resize(size_t(frames) * size_t(channels_));
    const sf_count_t got = sf_readf_float(file_, out.data(), frames);
    if (got < 0 || sf_error(file_) != SF_ERR_NO_ERROR)
        Fail(SoundImportText::CannotRead);
    out.resize(size_t(got) * size_t(channels_));
    return got;
}

int64_t SoundDecoder::Read(std::vector<short>& out, int64_t frames)
{
    out.resize(size_t(frames) * size_t(channels_));
    const sf_count_t got = sf_readf_short(file_, out.data(), frames);
    if (got < 0 || sf_error(file_) != SF_ERR_NO_ERROR)
        Fail(SoundImportText::CannotRead);
    out.resize(size_t(got) * size_t(channels_));
    return got;
}
