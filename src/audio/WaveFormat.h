#pragma once

#include <QByteArray>
#include <cstdint>

// The wave format record: the published 18-byte header (format tag, channels,
// samples per second, average bytes per second, block alignment, bits per
// sample, cbSize) followed by cbSize extra bytes, held as the little-endian
// bytes of the file. Never fewer than 18 bytes.
class TWaveFormat {
  public:
    static constexpr int HeaderSize = 18;
    static constexpr int PcmChunkSize = 16; // a PCM `fmt ` chunk may stop before cbSize
    static constexpr uint16_t TagPcm = 1;

    // A zero-filled record of max(size, 18) bytes.
    explicit TWaveFormat(int size = HeaderSize);
    // A record holding `bytes`, zero-filled up to 18 bytes.
    static TWaveFormat FromBytes(const QByteArray& bytes);

    uint16_t FormatTag() const;
    uint16_t Channels() const;
    uint32_t SamplesPerSec() const;
    uint32_t AvgBytesPerSec() const;
    uint16_t BlockAlign() const;
    uint16_t BitsPerSample() const;
    uint16_t CbSize() const;

    void SetFormatTag(uint16_t v);
    void SetChannels(uint16_t v);
    void SetSamplesPerSec(uint32_t v);
    void SetAvgBytesPerSec(uint32_t v);
    void SetBlockAlign(uint16_t v);
    void SetBitsPerSample(uint16_t v);
    void SetCbSize(uint16_t v);

    bool IsPcm() const { return FormatTag() == TagPcm; }
    // All bytes held (18 or more).
    const QByteArray& Bytes() const { return bytes_; }
    int Size() const { return int(bytes_.size()); }

    // Offsets of the fields in the record.
    static constexpr int OffFormatTag = 0;
    static constexpr int OffChannels = 2;
    static constexpr int OffSamplesPerSec = 4;
    static constexpr int OffAvgBytesPerSec = 8;
    static constexpr int OffBlockAlign = 12;
    static constexpr int OffBitsPerSample = 14;
    static constexpr int OffCbSize = 16;

  private:
    uint16_t Word(int offset) const;
    uint32_t Dword(int offset) const;
    void SetWord(int offset, uint16_t v);
    void SetDword(int offset, uint32_t v);

    QByteArray bytes_;
};
