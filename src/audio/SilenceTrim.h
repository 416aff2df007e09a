#pragma once

#include <QByteArray>

// Cuts the quiet lead-in and tail off a recorded take of 16-bit mono samples.
// A sample is sound when its magnitude reaches the threshold; everything
// before the first and after the last such sample goes, except a margin on
// either side so that soft starts and endings of words (an "f", a fading
// vowel) are not clipped.
class SilenceTrim {
  public:
    static constexpr double DefaultThresholdDbfs = -40.0;
    static constexpr int DefaultMarginMs = 200;

    explicit SilenceTrim(double thresholdDbfs = DefaultThresholdDbfs, int marginMs = DefaultMarginMs);

    double ThresholdDbfs() const { return thresholdDbfs_; }
    // The threshold as a percentage of full scale, for people who do not think in decibels.
    double ThresholdPercent() const;

    // The samples from the first to the last sound sample, widened by the
    // margin within the take; empty when no sample reaches the threshold.
    QByteArray Apply(const QByteArray& mono16, int sampleRate) const;

  private:
    double thresholdDbfs_;
    int marginMs_;
};
