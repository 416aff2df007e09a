#pragma once

#include "audio/player/WaveSampleDecoder.h"

#include <QIODevice>
#include <functional>

// A read-only stream of float samples that an audio sink pulls from. It reads
// the wave's sample bytes on demand through `readRaw` (which returns the bytes
// read, or 0 / a negative value at the end) and decodes them, so a long sound
// never sits in memory as a whole.
class WaveStreamDevice : public QIODevice {
    Q_OBJECT
  public:
    using RawReader = std::function<qint64(char* buffer, qint64 count)>;

    WaveStreamDevice(const QByteArray& format, RawReader readRaw, QObject* parent = nullptr);

    const WaveSampleDecoder& decoder() const { return decoder_; }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return finished_ && readPos_ >= decoded_.size(); }
    qint64 bytesAvailable() const override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

  private:
    void decodeMore();

    WaveSampleDecoder decoder_;
    RawReader readRaw_;
    QByteArray raw_;
    QByteArray decoded_;
    qsizetype readPos_ = 0; // next byte of decoded_ to hand out
    bool finished_ = false;
};
