#pragma once

// What the private sound server really plays, recorded from the monitor of
// its null output with parec: 16-bit mono samples, counted rather than timed
// so that a loaded machine cannot cut a recording short.

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstring>

class SoundRecorder {
  public:
    static constexpr int Rate = 44100;

    // True when parec and a null output to record from exist.
    static bool Available()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
            return false;
        QProcess sinks;
        sinks.start(QStringLiteral("pactl"),
                    {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
        return sinks.waitForFinished(10000) && sinks.exitCode() == 0 &&
               sinks.readAllStandardOutput().contains("null");
    }

    // True once the recording runs (its first bytes came in).
    bool Start()
    {
        process_.start(QStringLiteral("parec"),
                       {"-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                        QStringLiteral("--rate=%1").arg(Rate), "--latency-msec=20"});
        return process_.waitForStarted() && !Collect(1).isEmpty();
    }
    ~SoundRecorder()
    {
        process_.kill();
        process_.waitForFinished();
    }
    SoundRecorder() = default;
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // Drops what was recorded so far.
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
        if (!samples.isEmpty())
            std::memcpy(samples.data(), pending_.constData(), size_t(samples.size()) * 2);
        pending_.remove(0, samples.size() * 2);
        return samples;
    }

    static double Rms(const QVector<int16_t>& samples)
    {
        double sum = 0;
        for (int16_t s : samples)
            sum += double(s) * s;
        return samples.isEmpty() ? 0 : std::sqrt(sum / double(samples.size()));
    }

    // Amplitude of one frequency in the samples (Goertzel). The sound server
    // may be shared with other programs: a test listens for its own tone.
    static double Amplitude(const QVector<int16_t>& samples, double frequency)
    {
        const double coefficient = 2 * std::cos(2 * M_PI * frequency / Rate);
        double s1 = 0, s2 = 0;
        for (int16_t x : samples) {
            const double s0 = x + coefficient * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
        return samples.isEmpty() ? 0 : 2 * std::sqrt(std::max(power, 0.0)) / double(samples.size());
    }

  private:
    QProcess process_;
    QByteArray pending_; // recorded bytes not yet taken
};
