#pragma once

#include "audio/output/TMMSoundComponent.h"

#include <QByteArray>
#include <memory>

class WaveSampleDecoder;

// Stands between a wave source and the output and turns codings the output
// cannot take into ones it can: Microsoft ADPCM (4 bits, one or two channels,
// the seven standard coefficient pairs), IMA ADPCM, A-law and mu-law into
// 16-bit PCM; 24- and 32-bit integer PCM, 64-bit float and extensible records
// into 16-bit PCM or 32-bit float by their precision. Any other format, and
// every format while switched off, passes unchanged.
class TMMADPCMConverter : public TMMSoundComponent {
  public:
    TMMADPCMConverter();
    ~TMMADPCMConverter() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Whether `format` is one this converter turns into a format the output takes.
    static bool CanConvert(const TWaveFormat& format);
    // The format `source` becomes (meaningful only where CanConvert is true).
    static TWaveFormat ConvertedFormat(const TWaveFormat& source);

    // The converted format while converting, else the input's.
    const TWaveFormat* PWaveFormat() const override;
    // Fills whole requests on any boundary: a partial block of the input is
    // held back until the rest arrives.
    void BufferLoad(char* buffer, int32_t& bytes, bool& moreBuffers) override;

    void Started() override;
    void Stopped() override;

  private:
    bool Converting() const;
    void Reset();

    bool enabled_ = true;
    mutable TWaveFormat converted_;
    mutable QByteArray convertedFrom_; // the input format converted_ belongs to
    std::unique_ptr<WaveSampleDecoder> decoder_;
    QByteArray raw_;     // input bytes of one read
    QByteArray decoded_; // decoded bytes not yet delivered, from decodedPos_
    qsizetype decodedPos_ = 0;
    bool inputMore_ = true;
};
