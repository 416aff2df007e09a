#pragma once

#include "audio/CaptureConverter.h"
#include "audio/SoundLevel.h"

#include <QByteArray>
#include <optional>

// One recording as it comes in from the input device, kept as 16-bit mono at
// the device's rate and turned into a card sound's format (22050 Hz 16-bit
// mono) when asked. It takes nothing beyond its maximum length, so a
// forgotten recording cannot fill the memory.
class RecordedTake {
  public:
    static constexpr int CardRate = 22050;
    static constexpr int DefaultMaxSeconds = 60;

    explicit RecordedTake(const CaptureFormat& format, int maxSeconds = DefaultMaxSeconds);

    // Adds a block of captured bytes (cut at the maximum length) and answers
    // the level of what it added, for the meter.
    SoundLevel Append(const QByteArray& captured);
    bool IsFull() const;
    bool IsEmpty() const { return mono_.isEmpty(); }
    double Seconds() const;
    int MaxSeconds() const { return maxSeconds_; }

    // The take as 22050 Hz 16-bit mono samples; nothing when it cannot be
    // converted (a device rate out of range).
    std::optional<QByteArray> CardSamples() const;

  private:
    CaptureConverter converter_;
    int maxSeconds_;
    QByteArray mono_; // at the device's rate
};
