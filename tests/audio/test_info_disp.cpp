#include "WaveBytes.h"
#include "audio/MMRiff.h"

#include <QTemporaryDir>
#include <QTest>
#include <map>

using namespace WaveBytes;
using TextMap = std::map<QByteArray, QByteArray>; // id -> current text
Q_DECLARE_METATYPE(TextMap)

namespace {

uint32_t Id(const char* id)
{
    return RiffFile::StringToFOURCC(id);
}

// The current texts of a list, by identifier.
TextMap Texts(const TInfoList& list)
{
    TextMap texts;
    for (const TInfoEntry& entry : list.Entries)
        if (std::optional<QByteArray> text = InfoCurrentText(list, entry))
            texts[RiffFile::FOURCCToString(InfoChunkIds[entry.TableIndex])] = *text;
    return texts;
}

// A bitmap information header (40 bytes) followed by `rest`.
QByteArray Dib(int32_t width, int32_t height, uint16_t bits, uint32_t compression, uint32_t sizeImage,
               uint32_t clrUsed, const QByteArray& rest)
{
    return U32(40) + U32(uint32_t(width)) + U32(uint32_t(height)) + U16(1) + U16(bits) + U32(compression) +
           U32(sizeImage) + U32(2835) + U32(2835) + U32(clrUsed) + U32(0) + rest;
}

TDispEntry Entry(uint32_t format, const QByteArray& data, uint16_t state = 0)
{
    TDispEntry entry;
    entry.Format = format;
    entry.State = state;
    entry.Data = data;
    return entry;
}

} // namespace

class TestInfoDisp : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Reads every LIST INFO chunk of `chunks` into `list`, in file order.
    void ReadLists(const QByteArray& chunks, TInfoList* list)
    {
        QVERIFY(WriteFile(Path("info.bin"), chunks));
        RiffFile f;
        QVERIFY(f.Open(Path("info.bin"), RiffFile::Mode::Read));
        RiffChunkInfo chunk;
        while (f.Descend(chunk)) {
            QCOMPARE(ReadInfoList(&f, chunk, list), RiffNoError);
            if (!f.Ascend(chunk))
                break;
        }
    }

    // What a write function puts into a new file.
    template <typename Write> QByteArray Written(Write write, int expectedResult = RiffNoError)
    {
        RiffFile f;
        if (!f.Open(Path("out.bin"), RiffFile::Mode::Create))
            return "open failed";
        const int result = write(&f);
        f.Close();
        if (result != expectedResult)
            return "result " + QByteArray::number(result);
        return ReadFile(Path("out.bin"));
    }

  private slots:
    void table();
    void readInfo_data();
    void readInfo();
    void severalInfoLists();
    void setInfoText_data();
    void setInfoText();
    void copyAndWriteInfo();
    void writeNothingWithoutTexts();
    void missingParameters();
    void readDisp_data();
    void readDisp();
    void copyDisp();
    void writeDisp_data();
    void writeDisp();
};

void TestInfoDisp::table()
{
    QCOMPARE(InfoChunkIds.size(), size_t(23));
    QCOMPARE(InfoChunkIds.front(), Id("IARL"));
    QCOMPARE(InfoChunkIds[14], Id("INAM"));
    QCOMPARE(InfoChunkIds.back(), Id("ITCH"));
    std::unique_ptr<TInfoList> list;
    QCOMPARE(CreateInfoList(list), RiffNoError);
    QCOMPARE(list->Entries.size(), size_t(23));
    for (int i = 0; i < 23; ++i)
        QCOMPARE(list->Entries[size_t(i)].TableIndex, uint16_t(i));
    QVERIFY(Texts(*list).empty());
}

void TestInfoDisp::readInfo_data()
{
    QTest::addColumn<QByteArray>("body"); // the INFO list's bytes after the form type
    QTest::addColumn<TextMap>("texts");

    QTest::newRow("form type only") << QByteArray() << TextMap{};
    QTest::newRow("odd sizes with pad bytes")
        << (Chunk("INAM", QByteArray("ab\0", 3)) + Chunk("IART", QByteArray("xyz\0", 4)))
        << TextMap{{"INAM", "ab"}, {"IART", "xyz"}};
    QTest::newRow("later sub-chunk wins")
        << (Chunk("INAM", QByteArray("first\0", 6)) + Chunk("INAM", QByteArray("second\0", 7)))
        << TextMap{{"INAM", "second"}};
    QTest::newRow("text without zero stops at its sub-chunk's end")
        << (Chunk("INAM", "abc") + Chunk("ICMT", QByteArray("c\0", 2)))
        << TextMap{{"INAM", "abc"}, {"ICMT", "c"}};
    QTest::newRow("text stops at its first zero")
        << Chunk("ICMT", QByteArray("ab\0cd\0", 6)) << TextMap{{"ICMT", "ab"}};
    QTest::newRow("sub-chunk size past the list")
        << ChunkWithSize("INAM", 1000, "abcdef") << TextMap{{"INAM", "abcdef"}};
    QTest::newRow("unknown identifiers dropped")
        << (Chunk("IXYZ", QByteArray("no\0", 3)) + Chunk("ISFT", QByteArray("sox\0", 4)))
        << TextMap{{"ISFT", "sox"}};
    QTest::newRow("negative size ends the parse")
        << (Chunk("INAM", QByteArray("kept\0", 5)) + QByteArray("ICMT") + U32(0xFFFFFFFFu) + "lost" +
            Chunk("IART", QByteArray("lost\0", 5)))
        << TextMap{{"INAM", "kept"}};
    QTest::newRow("sub-chunk header cut short")
        << (Chunk("INAM", QByteArray("n\0", 2)) + QByteArray("IART\x02")) << TextMap{{"INAM", "n"}};
    QTest::newRow("empty string is a text of no characters")
        << Chunk("INAM", QByteArray("\0", 1)) << TextMap{{"INAM", ""}};
}

void TestInfoDisp::readInfo()
{
    QFETCH(QByteArray, body);
    QFETCH(TextMap, texts);
    std::unique_ptr<TInfoList> list;
    QCOMPARE(CreateInfoList(list), RiffNoError);
    ReadLists(List("INFO", body), list.get());
    QCOMPARE(Texts(*list), texts);
    QCOMPARE(list->RawLength, int32_t(body.size()));
}

void TestInfoDisp::severalInfoLists()
{
    std::unique_ptr<TInfoList> list;
    QCOMPARE(CreateInfoList(list), RiffNoError);
    const QByteArray first =
        List("INFO", Chunk("INAM", QByteArray("old name\0", 9)) + Chunk("IART", QByteArray("artist\0", 7)) +
                         Chunk("ICMT", QByteArray("old comment\0", 12)));
    const QByteArray second =
        List("INFO", Chunk("INAM", QByteArray("new name\0", 9)) + Chunk("ICMT", QByteArray("\0", 1)));
    const QByteArray third = List("INFO", Chunk("ICOP", QByteArray("(c)\0", 4)));
    ReadLists(first + second + third, list.get());
    // The second list's empty comment replaced the first one's; it is no text
    // once the third list came, and the old comment does not come back.
    const TextMap expected{{"INAM", "new name"}, {"IART", "artist"}, {"ICOP", "(c)"}};
    QCOMPARE(Texts(*list), expected);

    // What the copy and the writer see.
    std::unique_ptr<TInfoList> copy;
    QCOMPARE(CreateInfoList(copy), RiffNoError);
    QCOMPARE(CopyInfoTexts(copy.get(), list.get()), RiffNoError);
    const TextMap copied{{"INAM", "new name"}, {"IART", "artist"}, {"ICOP", "(c)"}};
    QCOMPARE(Texts(*copy), copied);
    const QByteArray written = Written([&](RiffFile* f) { return WriteInfoList(f, list.get()); });
    QCOMPARE(written,
             List("INFO", Chunk("IART", QByteArray("artist\0", 7)) + Chunk("ICOP", QByteArray("(c)\0", 4)) +
                              Chunk("INAM", QByteArray("new name\0", 9))));
}

void TestInfoDisp::setInfoText_data()
{
    QTest::addColumn<bool>("fileText");      // the entry has the file text "file"
    QTest::addColumn<QByteArray>("newText"); // NewText before the call ("-" = none)
    QTest::addColumn<int>("flags");
    QTest::addColumn<QByteArray>("text"); // "-" = no text handed in
    QTest::addColumn<QByteArray>("expectNewText");
    QTest::addColumn<int>("expectState");
    QTest::addColumn<QByteArray>("expectCurrent"); // "-" = none

    QTest::newRow("no file text, text set")
        << false << QByteArray("-") << 1 << QByteArray("t") << QByteArray("t") << 1 << QByteArray("t");
    QTest::newRow("no file text, empty text dropped")
        << false << QByteArray("-") << 1 << QByteArray("") << QByteArray("-") << 0 << QByteArray("-");
    QTest::newRow("no NewText, no text: nothing")
        << true << QByteArray("-") << 2 << QByteArray("-") << QByteArray("-") << 0 << QByteArray("file");
    QTest::newRow("text equal to the file's dropped")
        << true << QByteArray("-") << 1 << QByteArray("file") << QByteArray("-") << 0 << QByteArray("file");
    QTest::newRow("text other than the file's kept") << true << QByteArray("-") << 1 << QByteArray("other")
                                                     << QByteArray("other") << 1 << QByteArray("other");
    QTest::newRow("empty text over a file text")
        << true << QByteArray("-") << 1 << QByteArray("") << QByteArray("") << 1 << QByteArray("");
    QTest::newRow("same as NewText dropped")
        << false << QByteArray("n") << 1 << QByteArray("n") << QByteArray("n") << 1 << QByteArray("n");
    QTest::newRow("NewText replaced")
        << false << QByteArray("n") << 1 << QByteArray("m") << QByteArray("m") << 1 << QByteArray("m");
    QTest::newRow("NewText replaced by empty: state 2")
        << true << QByteArray("n") << 1 << QByteArray("") << QByteArray("-") << 2 << QByteArray("file");
    QTest::newRow("NewText cleared") << false << QByteArray("n") << 2 << QByteArray("-") << QByteArray("-")
                                     << 2 << QByteArray("-");
    QTest::newRow("NewText kept without clear flag")
        << false << QByteArray("n") << 1 << QByteArray("-") << QByteArray("n") << 1 << QByteArray("n");
}

void TestInfoDisp::setInfoText()
{
    QFETCH(bool, fileText);
    QFETCH(QByteArray, newText);
    QFETCH(int, flags);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expectNewText);
    QFETCH(int, expectState);
    QFETCH(QByteArray, expectCurrent);
    std::unique_ptr<TInfoList> list;
    QCOMPARE(CreateInfoList(list), RiffNoError);
    if (fileText)
        ReadLists(List("INFO", Chunk("INAM", QByteArray("file\0", 5))), list.get());
    TInfoEntry* entry = FindInfoEntry(list.get(), Id("INAM"));
    QVERIFY(entry);
    if (newText != "-") {
        entry->NewText = newText;
        entry->State = 1;
    }
    SetInfoText(list.get(), entry, uint16_t(flags),
                text == "-" ? std::nullopt : std::optional<QByteArray>(text), 0);
    QCOMPARE(entry->NewText.value_or("-"), expectNewText);
    QCOMPARE(int(entry->State), expectState);
    QCOMPARE(InfoCurrentText(*list, *entry).value_or("-"), expectCurrent);
}

void TestInfoDisp::copyAndWriteInfo()
{
    std::unique_ptr<TInfoList> source;
    QCOMPARE(CreateInfoList(source), RiffNoError);
    // Source order differs from the table order; one text is empty, one odd.
    ReadLists(List("INFO", Chunk("ISFT", QByteArray("Lavf\0", 5)) + Chunk("INAM", QByteArray("\0", 1)) +
                               Chunk("IART", QByteArray("ab\0", 3)) + Chunk("IXYZ", QByteArray("x\0", 2))),
              source.get());
    FindInfoEntry(source.get(), Id("ICMT"))->NewText = QByteArray("set");
    std::unique_ptr<TInfoList> target;
    QCOMPARE(CreateInfoList(target), RiffNoError);
    QCOMPARE(CopyInfoTexts(target.get(), source.get()), RiffNoError);
    const TextMap expected{{"IART", "ab"}, {"ICMT", "set"}, {"ISFT", "Lavf"}};
    QCOMPARE(Texts(*target), expected);
    QCOMPARE(int(FindInfoEntry(target.get(), Id("IART"))->State), 1);

    const QByteArray written = Written([&](RiffFile* f) { return WriteInfoList(f, target.get()); });
    // Table order: IART, ICMT, ISFT; "ab" + zero is odd and gets a pad byte.
    QCOMPARE(written,
             List("INFO", Chunk("IART", QByteArray("ab\0", 3)) + Chunk("ICMT", QByteArray("set\0", 4)) +
                              Chunk("ISFT", QByteArray("Lavf\0", 5))));
    QCOMPARE(written.mid(16, 4), U32(3)); // the size field holds the odd count
}

void TestInfoDisp::writeNothingWithoutTexts()
{
    std::unique_ptr<TInfoList> list;
    QCOMPARE(CreateInfoList(list), RiffNoError);
    ReadLists(List("INFO", Chunk("INAM", QByteArray("\0", 1)) + Chunk("IXYZ", QByteArray("x\0", 2))),
              list.get());
    QCOMPARE(Written([&](RiffFile* f) { return WriteInfoList(f, list.get()); }), QByteArray());
}

void TestInfoDisp::missingParameters()
{
    std::unique_ptr<TInfoList> info;
    std::unique_ptr<TDispList> disp;
    QCOMPARE(CreateInfoList(info), RiffNoError);
    QCOMPARE(CreateDispList(disp), RiffNoError);
    RiffFile f;
    RiffChunkInfo chunk;
    QCOMPARE(ReadInfoList(nullptr, chunk, info.get()), RiffBadParam);
    QCOMPARE(CopyInfoTexts(nullptr, info.get()), RiffBadParam);
    QCOMPARE(CopyInfoTexts(info.get(), nullptr), RiffBadParam);
    QCOMPARE(WriteInfoList(&f, nullptr), RiffBadParam);
    QCOMPARE(WriteInfoList(nullptr, info.get()), RiffBadParam);
    QCOMPARE(ReadDispChunk(&f, chunk, nullptr), RiffBadParam);
    QCOMPARE(CopyDispList(disp.get(), nullptr), RiffBadParam);
    QCOMPARE(WriteDispChunks(nullptr, disp.get()), RiffBadParam);
    SetInfoText(info.get(), nullptr, 1, QByteArray("x"), 0); // no entry: nothing happens
    QVERIFY(Texts(*info).empty());
    ClearDispList(disp, false);
    QVERIFY(disp);
    ClearDispList(disp, true);
    QVERIFY(!disp);
}

void TestInfoDisp::readDisp_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("entries");
    QTest::newRow("text entry") << Chunk("DISP", U32(1) + QByteArray("hi\0", 3)) << 0 << 1;
    QTest::newRow("no bytes after the format") << Chunk("DISP", U32(8)) << 0 << 0;
    QTest::newRow("size below 4") << Chunk("DISP", "ab") << 0 << 0;
    QTest::newRow("cut short") << ChunkWithSize("DISP", 40, U32(8) + "abc") << 3 << 0;
}

void TestInfoDisp::readDisp()
{
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    QFETCH(int, entries);
    QVERIFY(WriteFile(Path("disp.bin"), file));
    std::unique_ptr<TDispList> list;
    QCOMPARE(CreateDispList(list), RiffNoError);
    RiffFile f;
    QVERIFY(f.Open(Path("disp.bin"), RiffFile::Mode::Read));
    RiffChunkInfo chunk;
    QVERIFY(f.Descend(chunk));
    QCOMPARE(ReadDispChunk(&f, chunk, list.get()), result);
    QCOMPARE(int(list->Entries.size()), entries);
    if (entries == 1) {
        QCOMPARE(list->Entries[0].Format, 1u);
        QCOMPARE(*list->Entries[0].Data, QByteArray("hi\0", 3));
    }
}

void TestInfoDisp::copyDisp()
{
    TDispList source;
    source.Entries.push_back(Entry(1, "first"));
    source.Entries.push_back(Entry(0, "no format"));
    source.Entries.push_back(Entry(1, QByteArray("\0zero first", 11)));
    source.Entries.push_back(Entry(1, "state 1 without NewData", 1));
    source.Entries.push_back(Entry(2, "other format"));
    TDispEntry replaced = Entry(8, "old");
    replaced.NewData = QByteArray("new");
    source.Entries.push_back(replaced);
    TDispList target;
    target.Entries.push_back(Entry(1, "dropped"));
    QCOMPARE(CopyDispList(&target, &source), RiffNoError);
    QCOMPARE(target.Entries.size(), size_t(3));
    QCOMPARE(*target.Entries[0].NewData, QByteArray("first"));
    QCOMPARE(target.Entries[1].Format, 2u);
    QCOMPARE(target.Entries[2].Format, 8u);
    QCOMPARE(*target.Entries[2].NewData, QByteArray("new"));
    for (const TDispEntry& e : target.Entries) {
        QCOMPARE(int(e.State), 0);
        QVERIFY(!e.Data);
    }
}

void TestInfoDisp::writeDisp_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("written"); // the bytes after the format number; "-" = no chunk

    const QByteArray pixels24 = Ramp(2 * 4 * 2); // 2 x 2 at 24 bits: rows of 8 bytes
    QTest::newRow("text up to its zero") << 1 << QByteArray("title\0junk", 10) << QByteArray("title\0", 6);
    QTest::newRow("text without zero gets one") << 1 << QByteArray("abc") << QByteArray("abc\0", 4);
    QTest::newRow("payload starting with zero") << 1 << QByteArray("\0abc", 4) << QByteArray("-");
    QTest::newRow("other format never written") << 2 << QByteArray("bitmap") << QByteArray("-");
    QTest::newRow("24-bit, biClrUsed 0: no colour table, trailing bytes dropped")
        << 8 << Dib(2, 2, 24, 0, 16, 0, pixels24 + "trailing") << Dib(2, 2, 24, 0, 16, 0, pixels24);
    QTest::newRow("8-bit with 2 colours used")
        << 8 << Dib(4, 1, 8, 0, 4, 2, Ramp(8) + "pxls" + "xx") << Dib(4, 1, 8, 0, 4, 2, Ramp(8) + "pxls");
    QTest::newRow("8-bit, biClrUsed 0: the full table counts")
        << 8 << Dib(4, 1, 8, 0, 4, 0, Ramp(1024) + "pxls" + "xx")
        << Dib(4, 1, 8, 0, 4, 0, Ramp(1024) + "pxls");
    QTest::newRow("biSizeImage 0, uncompressed: rows count")
        << 8 << Dib(2, -2, 24, 0, 0, 0, pixels24 + "zz") << Dib(2, -2, 24, 0, 0, 0, pixels24);
    QTest::newRow("bit-field masks count")
        << 8 << Dib(1, 1, 32, 3, 4, 0, Ramp(12) + "pixl" + "zz") << Dib(1, 1, 32, 3, 4, 0, Ramp(12) + "pixl");
    QTest::newRow("header claims more than held")
        << 8 << Dib(2, 2, 24, 0, 1000, 0, pixels24) << QByteArray("-");
    QTest::newRow("header claims 4 GB of colours")
        << 8 << Dib(2, 2, 24, 0, 16, 0xFFFFFFFFu, pixels24) << QByteArray("-");
    QTest::newRow("header cut short") << 8 << QByteArray("\x28\0\0\0abcdefgh", 12) << QByteArray("-");
}

void TestInfoDisp::writeDisp()
{
    QFETCH(int, format);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, written);
    TDispList list;
    list.Entries.push_back(Entry(uint32_t(format), payload));
    const QByteArray file = Written([&](RiffFile* f) { return WriteDispChunks(f, &list); });
    QCOMPARE(file, written == "-" ? QByteArray() : Chunk("DISP", U32(uint32_t(format)) + written));
}

QTEST_GUILESS_MAIN(TestInfoDisp)
#include "test_info_disp.moc"
