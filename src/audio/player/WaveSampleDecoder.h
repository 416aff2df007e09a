#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// Turns the sample bytes of a wave file into interleaved 32-bit float samples
// (or, on request, 16-bit integer samples) that an audio sink can play. The card sounds come from anywhere,
// so besides integer PCM it handles IEEE float, A-law, mu-law and the two ADPCM flavours that desktop
// recorders write; other codings are refused (isSupported false).
//
// The input is fed in whole blocks (block alignment of the format); a partial
// block is held back until the rest arrives.
class WaveSampleDecoder {
  public:
    enum class Output { Float32, Int16 };

    // `format` is the wave format record: the 18-byte header and its extra bytes.
    explicit WaveSampleDecoder(const QByteArray& format, Output output = Output::Float32);

    bool isSupported() const { return kind_ != Kind::Unsupported; }
    int channels() const { return channels_; }
    int sampleRate() const { return static_cast<int>(sampleRate_); }
    // Whether the coding is linear: integer or float samples, not a compressed one.
    bool isLinear() const;
    // Whether 16-bit integer samples hold the coding's whole precision.
    bool fitsInt16() const;
    // Microsoft ADPCM whose file lists exactly the seven standard coefficient pairs.
    bool hasStandardMsCoefficients() const { return standardMsCoefficients_; }

    // Appends the samples held in `bytes` to `out` (as raw bytes of the output).
    void decode(const char* bytes, qsizetype count, QByteArray& out);

  private:
    enum class Kind {
        Unsupported,
        Unsigned8,
        Signed16,
        Signed24,
        Signed32,
        Float32,
        Float64,
        ALaw,
        MuLaw,
        MsAdpcm,
        ImaAdpcm
    };

    void readHeader(const QByteArray& format);
    // `extra` holds the bytes after the record's 18-byte header.
    void chooseKind(uint16_t tag, uint16_t bits, const QByteArray& extra);
    void readMsAdpcmCoefficients(const QByteArray& extra);
    void decodeBlock(const unsigned char* block, QByteArray& out);
    void decodePcmFrame(const unsigned char* frame, QByteArray& out) const;
    void decodeMsAdpcm(const unsigned char* block, QByteArray& out) const;
    void decodeImaAdpcm(const unsigned char* block, QByteArray& out) const;
    void appendFloat(QByteArray& out, float value) const;
    void append16(QByteArray& out, int value) const;

    Output output_ = Output::Float32;
    Kind kind_ = Kind::Unsupported;
    bool standardMsCoefficients_ = false;
    int channels_ = 0;
    uint32_t sampleRate_ = 0;
    int blockAlign_ = 0;
    int bytesPerSample_ = 0;
    std::vector<int> coef1_, coef2_;
    QByteArray pending_;
};
