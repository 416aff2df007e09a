#include "WaveBytes.h"
#include "audio/TMMWave.h"
#include "audio/WavePeaks.h"
#include "audio/WaveSummary.h"

#include <QTemporaryDir>
#include <QTest>

using namespace WaveBytes;

namespace {

QByteArray Samples16(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += U16(uint16_t(int16_t(v)));
    return bytes;
}

// Every column as "first0 second0 first1 second1".
QStringList Table(const TWavePeaks& peaks, int count)
{
    QStringList rows;
    for (int i = 0; i < count; ++i) {
        const TPeakColumn& c = peaks.Columns()[size_t(i)];
        rows << QStringLiteral("%1 %2 %3 %4").arg(c.First0).arg(c.Second0).arg(c.First1).arg(c.Second1);
    }
    return rows;
}

// `frames` frames of 16-bit stereo silence with single samples set.
QByteArray Spikes(int frames, std::initializer_list<std::pair<int, int>> at)
{
    QByteArray bytes(frames * 4, '\0');
    for (const auto& [index, value] : at)
        bytes.replace(index * 2, 2, U16(uint16_t(int16_t(value))));
    return bytes;
}

} // namespace

class TestWavePeaks : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Write(const QByteArray& file)
    {
        const QString path = dir_.filePath(QStringLiteral("w.wav"));
        WriteFile(path, file);
        return path;
    }

  private Q_SLOTS:
    void bytesPerColumn_data()
    {
        QTest::addColumn<qint64>("data");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("frame");
        QTest::addColumn<qint64>("perColumn");
        QTest::newRow("tiny data: at least 4") << qint64(2) << 151 << 1 << qint64(4);
        QTest::newRow("rounded down to 4") << qint64(1000) << 100 << 2 << qint64(8);
        QTest::newRow("exact") << qint64(1600) << 100 << 4 << qint64(16);
        QTest::newRow("100 MB") << qint64(104857600) << 229 << 4 << qint64(457892);
        QTest::newRow("24-bit mono: whole frames") << qint64(1000) << 10 << 3 << qint64(96);
        QTest::newRow("24-bit stereo: at least a step") << qint64(60) << 10 << 6 << qint64(12);
        QTest::newRow("4 channels 16-bit") << qint64(1000) << 10 << 8 << qint64(96);
    }
    void bytesPerColumn()
    {
        QFETCH(qint64, data);
        QFETCH(int, width);
        QFETCH(int, frame);
        QFETCH(qint64, perColumn);
        QCOMPARE(TWavePeaks::BytesPerColumn(data, width, frame), perColumn);
    }

    void computesColumns_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("2-byte 8-bit mono: one column") << PcmWave(1, 8000, 8, QByteArray("\x00\xff", 2))
                                                       << 151 << QStringList{"-32768 32512 -32768 32512"};
        QTest::newRow("8-bit: value x 256 - 32768, maximum first")
            << PcmWave(1, 8000, 8, QByteArray("\x80\xc0\x40\x81", 4)) << 1
            << QStringList{"16384 -16384 16384 -16384"};
        QTest::newRow("16-bit: minimum first")
            << PcmWave(1, 8000, 16, Samples16({5, -200, 100, 7})) << 1 << QStringList{"-200 100 -200 100"};
        QTest::newRow("constant column")
            << PcmWave(1, 8000, 16, Samples16({9, 9})) << 1 << QStringList{"9 9 9 9"};
        QTest::newRow("stereo: each channel its own order")
            << PcmWave(2, 8000, 16, Samples16({1, 50, -3, -60, 4, 70, 2, 0})) << 2
            << QStringList{"1 -3 50 -60", "4 2 70 0"};
        QTest::newRow("8-bit stereo") << PcmWave(2, 8000, 8, QByteArray("\x00\xff\xff\x00", 4)) << 1
                                      << QStringList{"-32768 32512 32512 -32768"};
        QTest::newRow("24-bit: top 16 bits")
            << PcmWave(1, 8000, 24, QByteArray("\x11\x34\x12\xff\x00\x80\x00\x00\x00\x00\x00\x00", 12)) << 1
            << QStringList{"4660 -32768 4660 -32768"};
        QTest::newRow("32-bit stereo: top 16 bits")
            << PcmWave(2, 8000, 32, QByteArray("\x00\x00\x01\x00\xff\xff\xfe\xff", 8)) << 1
            << QStringList{"1 1 -2 -2"};
        QTest::newRow("3 channels: the first two")
            << PcmWave(3, 8000, 16, Samples16({10, 20, 30000, -10, -20, -30000})) << 1
            << QStringList{"10 -10 20 -20"};
        // 4 bytes per column; the last column holds what is left.
        QTest::newRow("columns then the data's end") << PcmWave(1, 8000, 16, Samples16({1, 2, 3, 4, 5})) << 10
                                                     << QStringList{"1 2 1 2", "3 4 3 4", "5 5 5 5"};
        QTest::newRow("fewer columns than data: the rest unread")
            << PcmWave(1, 8000, 16, Samples16({1, 2, 3, 4, 5, -6, 7, 8, 9})) << 2
            << QStringList{"1 4 1 4", "-6 8 -6 8"};
        // Whole blocks of samples go the vectorised way: the extremes' order
        // must still be found inside a block and across blocks.
        QTest::newRow("long stereo, spikes in one block")
            << PcmWave(2, 8000, 16, Spikes(4096, {{600, 300}, {602, -400}, {1001, -5}, {1003, 5}})) << 1
            << QStringList{"300 -400 -5 5"};
        QTest::newRow("long stereo, spikes in different blocks")
            << PcmWave(2, 8000, 16, Spikes(4096, {{6000, -300}, {200, 400}, {7001, 9}, {3001, -9}})) << 1
            << QStringList{"400 -300 -9 9"};
        QTest::newRow("long stereo, a repeated extreme counts where first met")
            << PcmWave(2, 8000, 16, Spikes(4096, {{100, 50}, {5000, -50}, {7000, 50}})) << 1
            << QStringList{"50 -50 0 0"};
    }
    void computesColumns()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, width);
        QFETCH(QStringList, columns);
        TMMWave wave;
        wave.SetTimeFormat(TMMTimeFormats::tfByte);
        wave.LoadWaveFile(Write(file));
        TWavePeaks peaks;
        peaks.Reset(width);
        QList<int> reported;
        const int count = peaks.Compute(wave, [&](int i) { reported << i; });
        QCOMPARE(Table(peaks, count), columns);
        QCOMPARE(reported.size(), columns.size());
        QVERIFY(!wave.IsOpen());
        // The columns not computed stay zero.
        if (count < width)
            QCOMPARE(Table(peaks, width).mid(count).count(QStringLiteral("0 0 0 0")), width - count);
    }

    // Long waves go the vectorised way; the table must be what walking the
    // samples one by one gives, whatever the signal does.
    void matchesAPlainWalk_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("shape");
        for (const int channels : {1, 2})
            for (const int bits : {8, 16})
                for (const int width : {1, 7, 229})
                    for (const int shape : {0, 1, 2})
                        QTest::addRow("%d ch, %d bit, width %d, shape %d", channels, bits, width, shape)
                            << channels << bits << width << shape;
    }
    void matchesAPlainWalk()
    {
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(int, width);
        QFETCH(int, shape);
        const int bytesPerSample = bits / 8;
        const int frames = 150001;
        QByteArray data(frames * channels * bytesPerSample, '\0');
        uint32_t noise = 12345;
        for (int i = 0; i < frames * channels; ++i) {
            noise = noise * 1664525u + 1013904223u;
            // Noise, a rising ramp (a new extreme in every block), a repeating square.
            const int v = shape == 0   ? int(noise >> 16) - 32768
                          : shape == 1 ? (i * 7) % 65536 - 32768
                                       : ((i / 300) % 2 ? 20000 : -20000);
            if (bytesPerSample == 1)
                data[i] = char((v + 32768) >> 8);
            else
                data.replace(i * 2, 2, U16(uint16_t(int16_t(v))));
        }
        TMMWave wave;
        wave.SetTimeFormat(TMMTimeFormats::tfByte);
        wave.LoadWaveFile(Write(PcmWave(uint16_t(channels), 8000, uint16_t(bits), data)));
        TWavePeaks peaks;
        peaks.Reset(width);
        const int count = peaks.Compute(wave);

        const int frameBytes = channels * bytesPerSample;
        const int64_t perColumn = TWavePeaks::BytesPerColumn(data.size(), width, frameBytes);
        const auto sample = [&](int64_t frame, int c) {
            const qsizetype at = qsizetype(frame * frameBytes + c * bytesPerSample);
            return bytesPerSample == 1 ? int(uint8_t(data[at])) * 256 - 32768
                                       : int(int16_t(qFromLittleEndian<uint16_t>(data.constData() + at)));
        };
        QStringList expected;
        for (int64_t start = 0; start < data.size() && expected.size() < width; start += perColumn) {
            QString row;
            for (int c = 0; c < 2; ++c) {
                const int ch = std::min(c, channels - 1);
                int lo = 99999, hi = -99999;
                int64_t loAt = 0, hiAt = 0;
                for (int64_t f = start / frameBytes;
                     f < std::min<int64_t>(start + perColumn, data.size()) / frameBytes; ++f) {
                    const int v = sample(f, ch);
                    if (v < lo)
                        lo = v, loAt = f;
                    if (v > hi)
                        hi = v, hiAt = f;
                }
                row += hiAt < loAt ? QStringLiteral("%1 %2 ").arg(hi).arg(lo)
                                   : QStringLiteral("%1 %2 ").arg(lo).arg(hi);
            }
            expected << row.trimmed();
        }
        QCOMPARE(Table(peaks, count), expected);
    }

    // A data chunk that claims more than the file holds: the bytes after it
    // (another chunk's) are never taken as samples.
    void neverReadsPastTheData()
    {
        const QByteArray data = Samples16({1, -1, 2, -2});
        const QByteArray loud = Chunk("junk", Samples16({32000, -32000, 32000, -32000}));
        TMMWave wave;
        wave.SetTimeFormat(TMMTimeFormats::tfByte);
        wave.LoadWaveFile(Write(Riff(FmtChunk(PcmFormat(1, 8000, 16)) + Chunk("data", data) + loud)));
        TWavePeaks peaks;
        peaks.Reset(1);
        QCOMPARE(peaks.Compute(wave), 1);
        QCOMPARE(Table(peaks, 1), QStringList{"2 -2 2 -2"});
    }

    void drawsOnlyPcmWithData_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("PCM") << PcmWave(1, 8000, 16, Samples16({1})) << true;
        QTest::newRow("PCM without data") << PcmWave(1, 8000, 16, QByteArray()) << false;
        QTest::newRow("A-law") << Riff(FmtChunk(Format16(6, 1, 8000, 8000, 1, 8)) + Chunk("data", "ab"))
                               << false;
        QTest::newRow("64-bit PCM") << PcmWave(1, 8000, 64, QByteArray(16, '\1')) << false;
    }
    void drawsOnlyPcmWithData()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, drawn);
        TMMWave wave;
        wave.LoadWaveFile(Write(file));
        QCOMPARE(TWavePeaks::CanDraw(wave), drawn);
        TWavePeaks peaks;
        peaks.Reset(5);
        QCOMPARE(peaks.Compute(wave) > 0, drawn);
    }

    void summary_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("16-bit mono, 42 KB")
            << PcmWave(1, 22050, 16, QByteArray(43000, '\0')) << "PCM; 22.050 kHz, 16 Bit, Mono; 42 KB";
        QTest::newRow("8-bit stereo")
            << PcmWave(2, 8000, 8, QByteArray(10, '\0')) << "PCM; 8.000 kHz, 8 Bit, Stereo; 0 KB";
        QTest::newRow("6 channels, 96 kHz")
            << PcmWave(6, 96000, 24, QByteArray(18, '\0')) << "PCM; 96.000 kHz, 24 Bit, 6 Channels; 0 KB";
        QTest::newRow("IMA ADPCM: bits from the average rate")
            << Riff(FmtChunk(Format16(0x11, 1, 11025, 5588, 256, 4)) + Chunk("data", QByteArray(256, '\0')))
            << "IMA ADPCM; 11.025 kHz, 4 Bit, Mono; 0 KB";
    }
    void summary()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        TMMWave wave;
        QCOMPARE(WaveSummary(wave), QStringLiteral("Unknown"));
        wave.LoadWaveFile(Write(file));
        QCOMPARE(WaveSummary(wave), text);
    }
};

QTEST_GUILESS_MAIN(TestWavePeaks)
#include "test_wavepeaks.moc"
