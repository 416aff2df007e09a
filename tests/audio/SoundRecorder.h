#pragma once

// What the private sound server plays, recorded from the monitor of its null
// output with parec as 16-bit mono, counted in samples rather than timed so
// that a loaded machine cannot cut a recording short.

#include "TestFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <cstring>

class SoundRecorder {
  public:
    static constexpr int Rate = 44100;

    static bool Available()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty() &&
               TestFiles::runProgram(QStringLiteral("pactl"), {"list", "short", "sinks"})
                   .out.contains("null");
    }

    SoundRecorder()
    {
        process_.start(QStringLiteral("parec"),
                       {"-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                        QStringLiteral("--rate=%1").arg(Rate), "--latency-msec=20"});
    }
    ~SoundRecorder()
    {
        process_.kill();
        process_.waitForFinished();
    }

    // True once the recording runs (its first bytes came in).
    bool Started() { return process_.waitForStarted() && !Collect(1).isEmpty(); }

    // Forgets what was recorded so far.
    void Clear()
    {
        QTest::qWait(0);
        process_.readAllStandardOutput();
        pending_.clear();
    }

    // The next `count` samples recorded; fewer only when the recording stalls.
    QVector<int16_t> Collect(qsizetype count)
    {
        QElapsedTimer timer;
        timer.start();
        while (pending_.size() < 2 * count && timer.elapsed() < 10000) {
            QTest::qWait(20);
            pending_ += process_.readAllStandardOutput();
        }
        QVector<int16_t> samples(std::min(pending_.size() / 2, count));
        std::memcpy(samples.data(), pending_.constData(), size_t(samples.size()) * 2);
        pending_.remove(0, samples.size() * 2);
        return samples;
    }

    // Amplitude of one frequency in the samples (Goertzel). Other programs
    // may share the server: a test listens for its own tone only.
    static double Amplitude(const QVector<int16_t>& samples, double frequency)
    {
        const double coefficient = 2 * std::cos(2 * M_PI * frequency / Rate);
        double s1 = 0, s2 = 0;
        for (int16_t x : samples) {
            const double s0 = x + coefficient * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = std::max(s1 * s1 + s2 * s2 - coefficient * s1 * s2, 0.0);
        return samples.isEmpty() ? 0 : 2 * std::sqrt(power) / double(samples.size());
    }

  private:
    QProcess process_;
    QByteArray pending_;
};
