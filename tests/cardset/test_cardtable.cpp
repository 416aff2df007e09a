#include "TestDocument.h"
#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"

#include <QTest>
#include <stdexcept>

class TestCardTable : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void limpaConjuntoClearsEverySlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("par");
        QTest::newRow("cover") << 0 << -1;
        QTest::newRow("first card") << 1 << 1;
        QTest::newRow("its partner") << 2 << 1;
        QTest::newRow("card 20") << 20 << 19;
        QTest::newRow("card 39") << 39 << 39;
        QTest::newRow("last card") << 40 << 39;
    }
    void limpaConjuntoClearsEverySlot()
    {
        QFETCH(int, slot);
        QFETCH(int, par);
        TConjunto table;
        for (TElemento& e : table.Elementos) {
            e.Imagem = QStringLiteral("old.bmp");
            e.Som = QStringLiteral("old.wav");
            e.Par = 77;
            e.Indice = 77;
        }
        LimpaConjunto(table);
        const TElemento& e = table.Elementos[slot];
        QVERIFY(e.Imagem.isEmpty());
        QVERIFY(e.Som.isEmpty());
        QCOMPARE(e.Indice, slot);
        QCOMPARE(e.Par, par);
    }

    void pathsFollowTheNamingRule_data()
    {
        QTest::addColumn<int>("duplo");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("sound");
        QTest::newRow("paired cover") << 0 << 0 << "C00.bmp"
                                      << "S00.wav";
        QTest::newRow("paired slot 1") << 0 << 1 << "C01.bmp"
                                       << "S01.wav";
        QTest::newRow("paired slot 2") << 0 << 2 << "C01.bmp"
                                       << "S01.wav";
        QTest::newRow("paired slot 5") << 0 << 5 << "C03.bmp"
                                       << "S03.wav";
        QTest::newRow("paired slot 39") << 0 << 39 << "C20.bmp"
                                        << "S20.wav";
        QTest::newRow("paired slot 40") << 0 << 40 << "C20.bmp"
                                        << "S20.wav";
        QTest::newRow("double slot 5") << 1 << 5 << "C05.bmp"
                                       << "S05.wav";
        QTest::newRow("double slot 40") << 1 << 40 << "C40.bmp"
                                        << "S40.wav";
        // Card edits count any value other than 0 as a double set.
        QTest::newRow("Duplo 2 edits as double") << 2 << 6 << "C06.bmp"
                                                 << "S06.wav";
    }
    void pathsFollowTheNamingRule()
    {
        QFETCH(int, duplo);
        QFETCH(int, slot);
        QFETCH(QString, picture);
        QFETCH(QString, sound);
        SetDuploAtual(static_cast<uint8_t>(duplo));
        TestDocument().SetPastaConjunto(QStringLiteral("/games/Ed/Animals/"));
        QCOMPARE(CaminhoImagem(slot), PastaConjunto() + picture);
        QCOMPARE(CaminhoSom(slot), PastaConjunto() + sound);
    }

    void pairsAndPartners_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("pair");
        QTest::addColumn<int>("partner"); // -1: none
        QTest::newRow("cover") << 0 << 0 << -1;
        QTest::newRow("first card") << 1 << 1 << 2;
        QTest::newRow("its partner") << 2 << 1 << 1;
        QTest::newRow("last card") << 40 << 20 << 39;
        QTest::newRow("past the table") << 41 << 0 << -1;
    }
    void pairsAndPartners()
    {
        QFETCH(int, slot);
        QFETCH(int, pair);
        QFETCH(int, partner);
        QCOMPARE(PairOf(slot), pair);
        QCOMPARE(PartnerOf(slot).value_or(-1), partner);
        if (pair > 0)
            QVERIFY(SlotsOfPair(pair) ==
                    (std::array<int, 2>{std::min(slot, partner), std::max(slot, partner)}));
    }

    void setFileNamesAndFolderForm()
    {
        QVERIFY(IsSetFileName(QStringLiteral("c05.BMP")));
        QVERIFY(IsSetFileName(QStringLiteral("S40.wav")));
        QVERIFY(IsSetFileName(QStringLiteral("set.cfg")));
        QVERIFY(!IsSetFileName(QStringLiteral("C41.bmp")));
        QVERIFY(!IsSetFileName(QStringLiteral("C05.wav")));
        QCOMPARE(SetFolderForm(QStringLiteral("/games/Ed//Animals/")), QStringLiteral("/games/Ed/Animals"));
        QCOMPARE(SetFolderForm(QString()), QString());
    }

    void slotsOutsideTheTableNeverIndexPastTheNames()
    {
        SetDuploAtual(1);
        TestDocument().SetPastaConjunto(QStringLiteral("x/"));
        QCOMPARE(CaminhoImagem(-1), QStringLiteral("x/C00.bmp"));
        QCOMPARE(CaminhoImagem(41), QStringLiteral("x/C40.bmp"));
    }

    void slotOutsideTheTableIsRefused_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("below the cover") << -1;
        QTest::newRow("past the last card") << 41;
    }
    void slotOutsideTheTableIsRefused()
    {
        QFETCH(int, slot);
        TConjunto table;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.Elementos[slot]);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, RecordImagem(slot, QStringLiteral("x.bmp")));
    }

    void writtenFileIsRecordedInTheSlotsSharingIt_data()
    {
        QTest::addColumn<int>("duplo");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QList<int>>("recorded");
        QTest::newRow("paired, odd card") << 0 << 5 << QList<int>{5, 6};
        QTest::newRow("paired, even card") << 0 << 40 << QList<int>{39, 40};
        QTest::newRow("paired, cover") << 0 << 0 << QList<int>{0};
        QTest::newRow("double") << 1 << 5 << QList<int>{5};
        QTest::newRow("Duplo 2 is double") << 2 << 6 << QList<int>{6};
    }
    void writtenFileIsRecordedInTheSlotsSharingIt()
    {
        QFETCH(int, duplo);
        QFETCH(int, slot);
        QFETCH(QList<int>, recorded);
        SetDuploAtual(static_cast<uint8_t>(duplo));
        TestDocument().LimpaConjunto();
        RecordImagem(slot, QStringLiteral("p.bmp"));
        RecordSom(slot, QStringLiteral("s.wav"));
        for (int i = 0; i < NumSlots; ++i) {
            QCOMPARE(Conjunto().Elementos[i].Imagem.isEmpty(), !recorded.contains(i));
            QCOMPARE(Conjunto().Elementos[i].Som.isEmpty(), !recorded.contains(i));
        }
    }
};

QTEST_GUILESS_MAIN(TestCardTable)
#include "test_cardtable.moc"
