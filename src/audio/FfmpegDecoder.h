#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// One sound file decoded through FFmpeg's libraries: what libsndfile does not
// read (AAC from phones in .m4a, .aac or .3gp, Ogg FLAC, FLAC of unusual
// widths, an MP3 with junk in front) and MP3s, whose length libsndfile takes
// from a header estimate. The whole file is decoded, whatever its header
// says about its length.
//
// Only a plain file is opened, only by the demuxers of sound formats, and
// nothing the file names (another file, a web address) is ever opened. Frames
// come out as interleaved 16-bit samples at the file's rate, brought down to
// `maxRate` where it is higher, and with the file's one or two channels (more
// are mixed down to stereo).
class FfmpegDecoder {
  public:
    // Opens `path` and decodes its first frame. Raises ESoundImportError when
    // the file cannot be opened or decoded, or when its rate or channel count
    // is out of range.
    FfmpegDecoder(const QString& path, int maxRate);
    ~FfmpegDecoder();
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    // The file's own rate and channel count.
    int SampleRate() const;
    int Channels() const;
    // Those of the frames Read gives.
    int OutputRate() const;
    int OutputChannels() const;
    // A short name of the coding, e.g. "AAC" or "MPEG Layer-3".
    QString CodingName() const;

    // Reads up to `frames` frames into `out` (resized to what was read, times
    // OutputChannels()); returns the frame count, 0 at the end. Raises
    // ESoundImportError when the sound is damaged after its first frame.
    int64_t Read(std::vector<short>& out, int64_t frames);

  private:
    struct State;
    std::unique_ptr<State> state_;
};
