#include "WaveBytes.h"
#include "audio/RiffFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace WaveBytes;

class TestRiffFile : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  private slots:
    void fourcc();
    void openModes();
    void readInPieces_data();
    void readInPieces();
    void readBounds();
    void seek();
    void setBuffer();
    void descend_data();
    void descend();
    void ascendReadChunk_data();
    void ascendReadChunk();
    void writeChunksWithSizesAndPads();
    void writeReadInterleaved_data();
    void writeReadInterleaved();
};

void TestRiffFile::fourcc()
{
    QCOMPARE(RiffFile::StringToFOURCC("fmt"), RiffFile::FourCC('f', 'm', 't', ' '));
    QCOMPARE(RiffFile::StringToFOURCC("wave"), RiffFile::FourCC('w', 'a', 'v', 'e'));
    QVERIFY(RiffFile::StringToFOURCC("wave") != RiffFile::FourCC('W', 'A', 'V', 'E'));
    QCOMPARE(RiffFile::StringToFOURCC("LISTX"), FOURCC_LIST);
    QCOMPARE(RiffFile::FOURCCToString(FOURCC_RIFF), QByteArray("RIFF"));
}

void TestRiffFile::openModes()
{
    RiffFile f;
    QVERIFY(!f.Open(Path("missing.wav"), RiffFile::Mode::Read));
    QVERIFY(!f.Open(Path("missing.wav"), RiffFile::Mode::ReadWrite));
    QVERIFY(!QFile::exists(Path("missing.wav")));

    QVERIFY(WriteFile(Path("old.bin"), "old contents"));
    QVERIFY(f.Open(Path("old.bin"), RiffFile::Mode::Read));
    QVERIFY(!f.CreatedByThis());
    QCOMPARE(f.OpenMode(), RiffFile::Mode::Read);
    QCOMPARE(f.Write("x", 1), -1); // a file opened for reading is never written
    QVERIFY(f.Close());
    QCOMPARE(ReadFile(Path("old.bin")), QByteArray("old contents"));

    QVERIFY(f.Open(Path("old.bin"), RiffFile::Mode::Create));
    QVERIFY(f.CreatedByThis());
    QCOMPARE(f.Size(), 0);
    QVERIFY(f.Close());
    QCOMPARE(ReadFile(Path("old.bin")), QByteArray());
}

void TestRiffFile::readInPieces_data()
{
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<int>("piece");
    QTest::newRow("buffer 1, piece 1") << 1 << 1;
    QTest::newRow("buffer 3, piece 7") << 3 << 7;
    QTest::newRow("buffer 8192, piece 5") << 8192 << 5;
    QTest::newRow("buffer 16, piece 16 (direct)") << 16 << 16;
    QTest::newRow("buffer 100, piece 1000 (direct)") << 100 << 1000;
    QTest::newRow("buffer 0 taken as 1") << 0 << 3;
}

void TestRiffFile::readInPieces()
{
    QFETCH(int, bufferSize);
    QFETCH(int, piece);
    const QByteArray content = Ramp(10007);
    QVERIFY(WriteFile(Path("ramp.bin"), content));
    RiffFile f;
    QVERIFY(f.Open(Path("ramp.bin"), RiffFile::Mode::Read));
    QVERIFY(f.SetBuffer(bufferSize));
    QByteArray got;
    QByteArray part(piece, '\0');
    int n;
    while ((n = f.Read(part.data(), piece)) > 0)
        got += part.left(n);
    QCOMPARE(n, 0);
    QCOMPARE(got, content);
    QCOMPARE(f.Position(), content.size());
}

void TestRiffFile::readBounds()
{
    QVERIFY(WriteFile(Path("ten.bin"), "0123456789"));
    RiffFile f;
    QVERIFY(f.Open(Path("ten.bin"), RiffFile::Mode::Read));
    char buf[32] = {};
    QCOMPARE(f.Read(buf, -1), -1);
    QCOMPARE(f.Seek(7, RiffFile::Origin::Start), 7);
    QCOMPARE(f.Read(buf, 32), 3);
    QCOMPARE(QByteArray(buf, 3), QByteArray("789"));
    QCOMPARE(f.Read(buf, 4), 0);
    QCOMPARE(f.Seek(100, RiffFile::Origin::Start), 100); // past the end: reads give nothing
    QCOMPARE(f.Read(buf, 4), 0);
}

void TestRiffFile::seek()
{
    QVERIFY(WriteFile(Path("ten.bin"), "0123456789"));
    RiffFile f;
    QCOMPARE(f.Seek(0, RiffFile::Origin::Start), -1); // nothing open
    QVERIFY(f.Open(Path("ten.bin"), RiffFile::Mode::Read));
    QCOMPARE(f.Seek(0, RiffFile::Origin::End), 10);
    QCOMPARE(f.Seek(-4, RiffFile::Origin::Current), 6);
    QCOMPARE(f.Seek(-7, RiffFile::Origin::Current), -1);
    QCOMPARE(f.Position(), 6);
    QCOMPARE(f.Seek(-11, RiffFile::Origin::End), -1);
    QCOMPARE(f.Seek(-10, RiffFile::Origin::End), 0);
}

void TestRiffFile::setBuffer()
{
    RiffFile f;
    QVERIFY(!f.SetBuffer(100)); // nothing open
    QVERIFY(WriteFile(Path("ten.bin"), "0123456789"));
    QVERIFY(f.Open(Path("ten.bin"), RiffFile::Mode::Read));
    QCOMPARE(f.BufferSize(), RiffFile::DefaultBufferSize);
    QVERIFY(!f.SetBuffer(-1));
    QVERIFY(f.SetBuffer(32768));
    QVERIFY(f.BufferSize() >= 32768);
}

void TestRiffFile::descend_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("parentSize"); // -1: no parent; else a parent at offset 0 with this data size
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<uint>("size");
    QTest::addColumn<uint>("dataOffset");
    QTest::addColumn<int>("positionAfter");

    const QByteArray plain = Chunk("abcd", "xyz");
    QTest::newRow("plain chunk") << plain << -1 << true << QByteArray("abcd") << QByteArray(4, '\0') << 3u
                                 << 8u << 8;
    QTest::newRow("LIST reads its form type")
        << List("INFO", "") << -1 << true << QByteArray("LIST") << QByteArray("INFO") << 4u << 8u << 12;
    QTest::newRow("RIFF reads its form type")
        << Riff("") << -1 << true << QByteArray("RIFF") << QByteArray("WAVE") << 4u << 8u << 12;
    QTest::newRow("huge size is only read")
        << ChunkWithSize("big ", 0xFFFFFFF0u, "") << -1 << true << QByteArray("big ") << QByteArray(4, '\0')
        << 0xFFFFFFF0u << 8u << 8;
    QTest::newRow("header cut short")
        << QByteArray("abcd\x01\x00") << -1 << false << QByteArray() << QByteArray() << 0u << 0u << 0;
    QTest::newRow("LIST without form type") << QByteArray("LIST\x04\x00\x00\x00", 8) << -1 << false
                                            << QByteArray() << QByteArray() << 0u << 0u << 0;
    QTest::newRow("header inside parent")
        << plain << 8 << true << QByteArray("abcd") << QByteArray(4, '\0') << 3u << 8u << 8;
    QTest::newRow("header past parent's end")
        << plain << 7 << false << QByteArray() << QByteArray() << 0u << 0u << 0;
}

void TestRiffFile::descend()
{
    QFETCH(QByteArray, file);
    QFETCH(int, parentSize);
    QFETCH(bool, found);
    QVERIFY(WriteFile(Path("d.bin"), file));
    RiffFile f;
    QVERIFY(f.Open(Path("d.bin"), RiffFile::Mode::Read));
    RiffChunkInfo parent;
    parent.dwDataOffset = 0;
    parent.cksize = uint32_t(std::max(parentSize, 0));
    RiffChunkInfo chunk;
    QCOMPARE(f.Descend(chunk, parentSize < 0 ? nullptr : &parent), found);
    if (!found) {
        QCOMPARE(f.Position(), 0);
        return;
    }
    QFETCH(QByteArray, id);
    QFETCH(QByteArray, form);
    QFETCH(uint, size);
    QFETCH(uint, dataOffset);
    QFETCH(int, positionAfter);
    QCOMPARE(RiffFile::FOURCCToString(chunk.ckid), id);
    QCOMPARE(RiffFile::FOURCCToString(chunk.fccType), form);
    QCOMPARE(chunk.cksize, size);
    QCOMPARE(chunk.dwDataOffset, dataOffset);
    QCOMPARE(f.Position(), positionAfter);
}

void TestRiffFile::ascendReadChunk_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("positionAfter");
    QTest::newRow("even size") << (Chunk("abcd", "wxyz") + "tail") << true << 12;
    QTest::newRow("odd size skips the pad byte") << (Chunk("abcd", "xyz") + "tail") << true << 12;
    QTest::newRow("odd size at the end, pad missing") << Chunk("abcd", "xyz", false) << false << 0;
    QTest::newRow("size past the end") << ChunkWithSize("abcd", 100, "xyz") << false << 0;
}

void TestRiffFile::ascendReadChunk()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(int, positionAfter);
    QVERIFY(WriteFile(Path("a.bin"), file));
    RiffFile f;
    QVERIFY(f.Open(Path("a.bin"), RiffFile::Mode::Read));
    RiffChunkInfo chunk;
    QVERIFY(f.Descend(chunk));
    QCOMPARE(f.Ascend(chunk), ok);
    if (ok)
        QCOMPARE(f.Position(), positionAfter);
}

void TestRiffFile::writeChunksWithSizesAndPads()
{
    RiffFile f;
    QVERIFY(f.Open(Path("w.bin"), RiffFile::Mode::Create));
    RiffChunkInfo riff;
    riff.fccType = RiffFile::FourCC('T', 'E', 'S', 'T');
    QVERIFY(f.CreateChunk(riff, RiffFile::ChunkKind::Riff));
    QVERIFY(riff.IsDirty());
    RiffChunkInfo odd;
    odd.ckid = RiffFile::FourCC('o', 'd', 'd', ' ');
    QVERIFY(f.CreateChunk(odd, RiffFile::ChunkKind::Plain));
    QCOMPARE(f.Write("abc", 3), 3);
    QVERIFY(f.Ascend(odd));
    QCOMPARE(odd.cksize, 3u);
    QVERIFY(!odd.IsDirty());
    RiffChunkInfo list;
    list.fccType = RiffFile::FourCC('I', 'N', 'F', 'O');
    QVERIFY(f.CreateChunk(list, RiffFile::ChunkKind::List));
    RiffChunkInfo even;
    even.ckid = RiffFile::FourCC('e', 'v', 'e', 'n');
    even.cksize = 99; // stale size: replaced by the true one
    QVERIFY(f.CreateChunk(even, RiffFile::ChunkKind::Plain));
    QCOMPARE(f.Write("wxyz", 4), 4);
    QVERIFY(f.Ascend(even));
    QVERIFY(f.Ascend(list));
    QVERIFY(f.Ascend(riff));
    QVERIFY(f.Close());

    const QByteArray expected = QByteArray("RIFF") + U32(4 + 12 + 24) + "TEST" + Chunk("odd ", "abc") +
                                List("INFO", Chunk("even", "wxyz"));
    QCOMPARE(ReadFile(Path("w.bin")), expected);
}

void TestRiffFile::writeReadInterleaved_data()
{
    QTest::addColumn<int>("bufferSize");
    QTest::newRow("buffer 1") << 1;
    QTest::newRow("buffer 5") << 5;
    QTest::newRow("default buffer") << int(RiffFile::DefaultBufferSize);
}

void TestRiffFile::writeReadInterleaved()
{
    QFETCH(int, bufferSize);
    RiffFile f;
    QVERIFY(f.Open(Path("rw.bin"), RiffFile::Mode::Create));
    QVERIFY(f.SetBuffer(bufferSize));
    QCOMPARE(f.Write("0123456789", 10), 10);
    QCOMPARE(f.Size(), 10); // pending bytes count
    QCOMPARE(f.Seek(2, RiffFile::Origin::Start), 2);
    QCOMPARE(f.Write("ab", 2), 2);
    char buf[8] = {};
    QCOMPARE(f.Read(buf, 3), 3);
    QCOMPARE(QByteArray(buf, 3), QByteArray("456"));
    QCOMPARE(f.Seek(0, RiffFile::Origin::Start), 0);
    QCOMPARE(f.Read(buf, 5), 5);
    QCOMPARE(QByteArray(buf, 5), QByteArray("01ab4"));
    QCOMPARE(f.Seek(0, RiffFile::Origin::End), 10);
    QCOMPARE(f.Write("Z", 1), 1);
    QVERIFY(f.Close());
    QCOMPARE(ReadFile(Path("rw.bin")), QByteArray("01ab456789Z"));

    QVERIFY(f.Open(Path("rw.bin"), RiffFile::Mode::ReadWrite));
    QVERIFY(!f.CreatedByThis());
    QCOMPARE(f.Seek(-1, RiffFile::Origin::End), 10);
    QCOMPARE(f.Write("!", 1), 1);
    QVERIFY(f.Close());
    QCOMPARE(ReadFile(Path("rw.bin")), QByteArray("01ab456789!"));
}

QTEST_GUILESS_MAIN(TestRiffFile)
#include "test_riff_file.moc"
