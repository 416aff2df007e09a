#pragma once

#include <QString>
#include <cstdint>
#include <cstdio>
#include <vector>

struct sf_private_tag;

// One sound file opened for decoding with libsndfile. Only a plain file is
// opened: a pipe or device could block the editor or never end. Frames are
// read as interleaved floats (-1..1) in blocks; the decoder clips overshoot
// of lossy formats instead of letting it wrap around.
class SoundDecoder {
  public:
    // Raises ESoundImportError when the file cannot be opened or decoded, or
    // when its rate or channel count is out of range.
    explicit SoundDecoder(const QString& path);
    ~SoundDecoder();
    SoundDecoder(const SoundDecoder&) = delete;
    SoundDecoder& operator=(const SoundDecoder&) = delete;

    int SampleRate() const { return rate_; }
    int Channels() const { return channels_; }
    // libsndfile's format word (major format | subtype).
    int Format() const { return format_; }

    // Reads up to `frames` frames into `out` (resized to what was read,
    // times Channels()); returns the frame count, 0 at the end. Raises
    // ESoundImportError when the decoder reports an error.
    int64_t Read(std::vector<float>& out, int64_t frames);
    // The same as 16-bit samples, clipped and rounded by the decoder.
    int64_t Read(std::vector<short>& out, int64_t frames);

    // Highest rate and channel count accepted from a file.
    static constexpr int MaxSampleRate = 768000;
    static constexpr int MaxChannels = 64;

  private:
    [[noreturn]] void Fail(const char* lead) const;

    FILE* stream_ = nullptr;
    sf_private_tag* file_ = nullptr;
    int rate_ = 0;
    int channels_ = 0;
    int format_ = 0;
};
