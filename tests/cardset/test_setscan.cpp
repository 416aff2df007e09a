#include "TestDocument.h"
#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "cardset/SetScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records what the scan shows, in order.
class RecordingView : public ScanView {
  public:
    QStringList events;
    QStringList errors;
    QList<int> positions;

    void showProgress(const QString& label, int maximum) override
    {
        events << QStringLiteral("show %1 0..%2").arg(label).arg(maximum);
    }
    void setProgressRange(int maximum) override { events << QStringLiteral("range 0..%1").arg(maximum); }
    void setProgressPosition(int position) override { positions << position; }
    void hideProgress() override { events << QStringLiteral("hide"); }
    void appendError(const QString& line) override { errors << line; }
};

void touch(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

// Puts the named files (e.g. "C", 0, 20 for C00.bmp..C20.bmp) into `folder`.
void putFiles(const QString& folder, const QString& letter, int first, int last, const QString& extension)
{
    for (int i = first; i <= last; ++i)
        touch(
            QStringLiteral("%1/%2%3.%4").arg(folder, letter).arg(i, 2, 10, QLatin1Char('0')).arg(extension));
}

QList<int> range(int first, int last)
{
    QList<int> values;
    for (int i = first; i <= last; ++i)
        values << i;
    return values;
}

QString missingLine(const QString& path)
{
    return QStringLiteral("O arquivo ") + path + QStringLiteral("   não existe.");
}

bool scan(const QString& folder, uint8_t duplo, RecordingView& view)
{
    TestDocument().ChooseSet(folder, QString(), duplo);
    return TestDocument().LoadSet(view);
}

} // namespace

class TestSetScan : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void completeDoubleSet()
    {
        QTemporaryDir dir;
        putFiles(dir.path(), QStringLiteral("C"), 0, 40, QStringLiteral("bmp"));
        putFiles(dir.path(), QStringLiteral("S"), 0, 40, QStringLiteral("wav"));
        RecordingView view;
        QVERIFY(scan(dir.path(), 1, view));
        QVERIFY(view.errors.isEmpty());
        QCOMPARE(view.events, (QStringList{QStringLiteral("show Importando Conjunto 0..20"),
                                           QStringLiteral("range 0..40"), QStringLiteral("hide")}));
        QCOMPARE(view.positions, range(0, 40));
        const QString folder = dir.path() + QLatin1Char('/');
        QCOMPARE(PastaConjunto(), folder);
        for (int i = 0; i < NumSlots; ++i) {
            QCOMPARE(Conjunto().Elementos[i].Imagem, folder + NomesImagem[i] + QStringLiteral(".bmp"));
            QCOMPARE(Conjunto().Elementos[i].Som, folder + NomesSom[i] + QStringLiteral(".wav"));
        }
        QCOMPARE(Conjunto().Elementos[0].Par, -1);
    }

    void completePairedSet()
    {
        QTemporaryDir dir;
        // C21 and above belong to no paired slot and are not looked at.
        putFiles(dir.path(), QStringLiteral("C"), 0, 40, QStringLiteral("bmp"));
        putFiles(dir.path(), QStringLiteral("S"), 0, 20, QStringLiteral("wav"));
        RecordingView view;
        QVERIFY(scan(dir.path(), 0, view));
        QVERIFY(view.errors.isEmpty());
        QCOMPARE(view.events,
                 (QStringList{QStringLiteral("show Importando Conjunto 0..20"), QStringLiteral("hide")}));
        QCOMPARE(view.positions, range(1, 20));
        const QString folder = dir.path() + QLatin1Char('/');
        QCOMPARE(Conjunto().Elementos[0].Imagem, folder + QStringLiteral("C00.bmp"));
        QVERIFY(Conjunto().Elementos[0].Som.isEmpty());
        QCOMPARE(Conjunto().Elementos[0].Par, 0);
        for (int k = 1; k <= 20; ++k) {
            for (const int slot : {2 * k - 1, 2 * k}) {
                QCOMPARE(Conjunto().Elementos[slot].Imagem, folder + NomesImagem[k] + QStringLiteral(".bmp"));
                QCOMPARE(Conjunto().Elementos[slot].Som, folder + NomesSom[k] + QStringLiteral(".wav"));
            }
        }
    }

    void missingPicturesAreListed_data()
    {
        QTest::addColumn<int>("duplo");
        QTest::addColumn<int>("missingFile");
        QTest::addColumn<QList<int>>("emptySlots");
        QTest::newRow("paired C07") << 0 << 7 << QList<int>{13, 14};
        QTest::newRow("paired cover") << 0 << 0 << QList<int>{0};
        QTest::newRow("double C07") << 1 << 7 << QList<int>{7};
        QTest::newRow("double C40") << 1 << 40 << QList<int>{40};
        // Any value but 0 is double, as for the paths the editor writes.
        QTest::newRow("Duplo 2 scans as double") << 2 << 20 << QList<int>{20};
    }
    void missingPicturesAreListed()
    {
        QFETCH(int, duplo);
        QFETCH(int, missingFile);
        QFETCH(QList<int>, emptySlots);
        QTemporaryDir dir;
        putFiles(dir.path(), QStringLiteral("C"), 0, 40, QStringLiteral("bmp"));
        const QString missing =
            dir.path() + QLatin1Char('/') + NomesImagem[missingFile] + QStringLiteral(".bmp");
        QVERIFY(QFile::remove(missing));
        RecordingView view;
        QVERIFY(!scan(dir.path(), uint8_t(duplo), view));
        QCOMPARE(view.errors, QStringList{missingLine(missing)});
        for (const int slot : emptySlots)
            QVERIFY(Conjunto().Elementos[slot].Imagem.isEmpty());
        QVERIFY(!Conjunto().Elementos[emptySlots.first() == 0 ? 1 : 0].Imagem.isEmpty());
        QCOMPARE(view.events.last(), QStringLiteral("hide"));
    }

    void doubleSetWithoutSoundsIsComplete()
    {
        QTemporaryDir dir;
        putFiles(dir.path(), QStringLiteral("C"), 0, 40, QStringLiteral("bmp"));
        RecordingView view;
        QVERIFY(scan(dir.path(), 1, view));
        for (const TElemento& e : Conjunto().Elementos)
            QVERIFY(e.Som.isEmpty());
    }

    void folderUnderAPicturesNameCountsAsMissing()
    {
        QTemporaryDir dir;
        putFiles(dir.path(), QStringLiteral("C"), 0, 20, QStringLiteral("bmp"));
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("C05.bmp"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("c05.bmp")));
        RecordingView view;
        QVERIFY(!scan(dir.path(), 0, view));
        QCOMPARE(view.errors, QStringList{missingLine(dir.path() + QStringLiteral("/C05.bmp"))});
    }

    void filesAreFoundWhateverTheirCase()
    {
        QTemporaryDir dir;
        putFiles(dir.path(), QStringLiteral("c"), 0, 40, QStringLiteral("BMP"));
        touch(dir.filePath(QStringLiteral("s05.WAV")));
        RecordingView view;
        QVERIFY(scan(dir.path(), 1, view));
        // The composed name is recorded; readers find its spelling on disk.
        QCOMPARE(Conjunto().Elementos[5].Imagem, dir.path() + QStringLiteral("/C05.bmp"));
        QCOMPARE(Conjunto().Elementos[5].Som, dir.path() + QStringLiteral("/S05.wav"));
        QVERIFY(Conjunto().Elementos[6].Som.isEmpty());
    }

    void separatorIsAlwaysAppended_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("expected");
        QTest::newRow("without separator") << ""
                                           << "/";
        QTest::newRow("with separator") << "/"
                                        << "//";
    }
    void separatorIsAlwaysAppended()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        putFiles(dir.path(), QStringLiteral("C"), 0, 20, QStringLiteral("bmp"));
        RecordingView view;
        QVERIFY(scan(dir.path() + suffix, 0, view));
        QCOMPARE(PastaConjunto(), dir.path() + expected);
        QCOMPARE(Conjunto().Elementos[3].Imagem, dir.path() + expected + QStringLiteral("C02.bmp"));
        QVERIFY(QFile::exists(Conjunto().Elementos[3].Imagem));
    }

    void folderThatDoesNotExistMissesEveryPicture_data()
    {
        QTest::addColumn<int>("duplo");
        QTest::addColumn<int>("lines");
        QTest::newRow("double") << 1 << 41;
        QTest::newRow("paired") << 0 << 21;
    }
    void folderThatDoesNotExistMissesEveryPicture()
    {
        QFETCH(int, duplo);
        QFETCH(int, lines);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("gone"));
        RecordingView view;
        QVERIFY(!scan(folder, uint8_t(duplo), view));
        QCOMPARE(view.errors.size(), lines);
        QCOMPARE(view.errors.first(), missingLine(folder + QStringLiteral("/C00.bmp")));
        QCOMPARE(view.errors.last(),
                 missingLine(folder + QStringLiteral("/") + NomesImagem[lines - 1] + QStringLiteral(".bmp")));
    }
};

QTEST_GUILESS_MAIN(TestSetScan)
#include "test_setscan.moc"
