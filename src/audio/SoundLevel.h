#pragma once

#include <QByteArray>

// How loud a block of 16-bit mono samples is, as a fraction of full scale:
// the peak for a meter that must show clipping, the RMS for the loudness.
struct SoundLevel {
    // The floor of the decibel scale: below one step of 16-bit audio.
    static constexpr double FloorDbfs = -96.0;

    double peak = 0;
    double rms = 0;

    // Level of the whole samples (native-endian 16-bit); a trailing odd byte
    // is no sample and is left out.
    static SoundLevel Of(const QByteArray& mono16);
    // Amplitude (fraction of full scale) in dBFS, never below FloorDbfs.
    static double ToDbfs(double amplitude);
    static double FromDbfs(double dbfs);
};
