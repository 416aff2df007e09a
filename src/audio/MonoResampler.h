#pragma once

#include <QByteArray>
#include <optional>

namespace MonoResampler {

// 16-bit mono samples at `fromRate` resampled to `toRate` with a band-limited
// (sinc) converter, so that a tone above the new Nyquist frequency is filtered
// out rather than folded back as a false tone. Nothing when the rates are out
// of the converter's range (a ratio beyond 1:256) or it fails.
std::optional<QByteArray> Resample(const QByteArray& mono16, int fromRate, int toRate);

} // namespace MonoResampler
