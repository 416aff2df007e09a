// TMMWave::SaveWaveFile: copies the bound wave's sample data, with its INFO
// texts and DISP entries, into a new wave file. The file is built under a
// temporary name in the target's folder, created afresh so that no other file
// is touched, and renamed over the target only when complete, so a failed or
// cancelled save leaves the old file in place.

#include "audio/TMMWave.h"

#include "common/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <new>
#include <sys/statvfs.h>
#include <vector>

namespace {

// Room kept free on the target's volume beyond the block and the I/O buffer.
constexpr int64_t FreeSpaceMargin = 10240;
// ReadData may store a 32-bit zero word even when asked for fewer bytes.
constexpr uint32_t MinReadBuffer = 4;

QString ExpandedPath(const QString& path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// About one second of sound in whole blocks. A byte rate below one block
// would give an empty block: copy one block at a time instead.
uint32_t CopyBlockSize(const TWaveFormat& format)
{
    const uint32_t align = format.BlockAlign();
    if (align == 0)
        return 0;
    const uint32_t rate = format.AvgBytesPerSec();
    const uint32_t block = rate - rate % align;
    return block == 0 ? align : block;
}

// Asked before every block, so one system call: the space available to this
// user on the folder's volume. Unknown space counts as too little.
bool EnoughFreeSpace(const QByteArray& folder, int64_t needed)
{
    struct statvfs volume {};
    if (::statvfs(folder.constData(), &volume) != 0 || volume.f_frsize == 0)
        return false;
    // Compared in units of the volume's blocks, so that no product can wrap.
    const uint64_t neededUnits = (uint64_t(needed) + volume.f_frsize - 1) / volume.f_frsize;
    return uint64_t(volume.f_bavail) >= neededUnits;
}

std::vector<char> AllocateBuffer(uint32_t size)
{
    try {
        return std::vector<char>(size, '\0');
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
}

// One block of the copy: the bytes delivered (<= 0: the data has ended), or
// failed set when the block could not be written. Where the wave allows, the
// bytes go from file to file; the free-space test then comes first, for the
// whole block. A volume short of that room takes the path through `buffer`,
// whose test counts the bytes actually read.
int32_t CopyBlock(TMMWave& wave, TWaveIORecord* target, std::vector<char>& buffer, int32_t count,
                  const QByteArray& folder, bool& failed)
{
    const int64_t room = int64_t(wave.IOBufferSize()) + FreeSpaceMargin;
    if (wave.CanTransferData() && EnoughFreeSpace(folder, int64_t(count) + room)) {
        const int32_t n = wave.TransferData(target, count);
        failed = n == TMMWave::TransferFailed;
        return failed ? 0 : n;
    }
    const int32_t n = wave.ReadData(buffer.data(), count);
    if (n <= 0)
        return n;
    failed = !EnoughFreeSpace(folder, int64_t(n) + room) || WriteWaveData(target, buffer.data(), n) != n;
    return n;
}

// Releases what one save holds, whatever way it ends: the wave is closed and
// the target record's file closed and freed. The temporary file itself goes
// with its ReplacingFile, which must outlive this.
class SaveCleanup {
  public:
    SaveCleanup(TMMWave& wave, std::unique_ptr<TWaveIORecord>& target) : wave_(wave), target_(target) {}
    ~SaveCleanup()
    {
        try {
            wave_.CloseFile();
        } catch (...) { // closing a file that was read cannot raise; never leave a destructor by one
        }
        if (target_) {
            CloseWaveFile(target_.get());
            FreeWaveRecord(target_);
        }
    }
    SaveCleanup(const SaveCleanup&) = delete;
    SaveCleanup& operator=(const SaveCleanup&) = delete;

  private:
    TMMWave& wave_;
    std::unique_ptr<TWaveIORecord>& target_;
};

} // namespace

void TMMWave::SaveWaveFile(const QString& path)
{
    if (!record_ || path.isEmpty())
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::InvalidParam));

    std::unique_ptr<TWaveIORecord> target;
    bool saved = false;
    bool aborted = false;
    {
        // Replaces the target by rename; a link has the file it points to
        // replaced, and a sound the user made read-only is refused. Made
        // before the cleanup so that the target record's file is closed
        // before the temporary file's descriptor.
        const QString expanded = ExpandedPath(path);
        ReplacingFile file(expanded);
        SaveCleanup cleanup(*this, target);
        SetPosition(0);
        OpenFile();
        const int32_t total = BytesRemaining();

        if (CreateWaveRecord(WaveFormat(), target) != WaveIONoError ||
            CopyWaveExtras(target.get(), record_.get()) != WaveIONoError)
            throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::UnableToSave));
        if (!MakeTempFileName(file, expanded) || CreateWaveFile(target.get(), file) != WaveIONoError)
            throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::UnableToSave));

        const uint32_t blockSize = CopyBlockSize(*WaveFormat());
        // The buffer never needs more than the data holds, whatever byte rate
        // the file claims.
        const uint32_t bufferSize =
            std::max(std::min(blockSize, uint32_t(std::max(total, int32_t(0)))), MinReadBuffer);
        std::vector<char> buffer = AllocateBuffer(bufferSize);
        const QByteArray folder = QFile::encodeName(QFileInfo(file.temporaryPath()).absolutePath());

        bool failed = blockSize == 0;
        uint32_t done = 0;
        while (!failed && done < uint32_t(std::max(total, int32_t(0)))) {
            const auto wanted = int32_t(std::min<uint32_t>(blockSize, uint32_t(total) - done));
            const int32_t n = CopyBlock(*this, target.get(), buffer, wanted, folder, failed);
            if (failed || n <= 0)
                break;
            done += uint32_t(n);
            if (OnProgress) {
                bool cancel = false;
                OnProgress(this, int32_t(done), total, cancel);
                if (cancel) {
                    aborted = true;
                    failed = true;
                }
            }
            // The progress handler may have released or
            // rebound this wave; the rest of its data is then gone, and a
            // file cut short must not replace the target.
            if (!IsOpen())
                failed = true;
        }
        if (!failed) {
            CloseFile();
            // rename() replaces an existing target in one step: the old file
            // stays until the new one takes its name.
            saved = CloseWaveFile(target.get()) == WaveIONoError && file.commit();
        }
    }
    if (!saved)
        throw EMMWaveError(
            WaveErrorText::Translated(aborted ? WaveErrorText::SavingAborted : WaveErrorText::UnableToSave));
}
