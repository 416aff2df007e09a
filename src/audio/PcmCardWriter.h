#pragma once

#include "audio/MMWaveIO.h"
#include "common/ReplacingFile.h"

#include <QString>
#include <memory>

// Writes a card sound of 16-bit PCM block by block, straight into its place:
// the file is built under a temporary name in the target's folder with the
// layout of every saved wave (18-byte format record, data, fact) and takes
// the target's name at Commit(). A writer that goes away uncommitted leaves
// nothing behind, so no caller needs to hold the whole sound.
class PcmCardWriter {
  public:
    // Raises EMMWaveError "Invalid param passed!" for a rate or channel count
    // out of range, "Unable to save wave file" when the file cannot be made.
    PcmCardWriter(const QString& target, int sampleRate, int channels);
    ~PcmCardWriter();
    PcmCardWriter(const PcmCardWriter&) = delete;
    PcmCardWriter& operator=(const PcmCardWriter&) = delete;

    // Appends interleaved little-endian 16-bit samples, whole frames only.
    // Raises "Unable to save wave file" on a failed write, "Invalid param
    // passed!" when the data would outgrow a RIFF file.
    void Write(const char* samples, qint64 bytes);
    qint64 Written() const { return written_; }
    // Finishes the file and puts it in the target's place.
    void Commit();

  private:
    ReplacingFile file_;
    std::unique_ptr<TWaveIORecord> record_;
    int frameBytes_;
    qint64 written_ = 0;
};
