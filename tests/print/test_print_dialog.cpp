// The Print cards dialog: the cards it says it leaves out, and the PDF it saves.

#include "TestFiles.h"
#include "print/ui/PrintCardsDialog.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class TestPrintDialog : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void listsSkippedCardsAndSavesThePrint()
    {
        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Farm"));
        QVERIFY(QDir().mkpath(set));
        // A paired set without a cover, with pictures 1 and 2 only (cards 1 to 4).
        QImage picture(32, 32, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(set + QStringLiteral("/C01.bmp"), "BMP"));
        QVERIFY(picture.save(set + QStringLiteral("/C02.bmp"), "BMP"));
        TestFiles::writeBytes(set + QStringLiteral("/C03.bmp"), QByteArray("BM not a picture"));

        PrintCardsDialog dialog(set);
        QCOMPARE(dialog.options().paper, DefaultPaper(QLocale::system()));
        QCOMPARE(dialog.options().cardMm, 60.0);
        const QStringList skipped = dialog.skippedLines();
        QCOMPARE(skipped.size(), 1 + 36);
        QCOMPARE(skipped.first(), QStringLiteral("cover: C00.bmp is missing"));
        QVERIFY2(skipped.at(1).startsWith(QStringLiteral("card 5: C03.bmp: ")), qPrintable(skipped.at(1)));
        QCOMPARE(skipped.last(), QStringLiteral("card 40: C20.bmp is missing"));

        const QString pdf = dir.filePath(QStringLiteral("farm.pdf"));
        QVERIFY(dialog.savePdf(pdf));
        const auto info = TestFiles::runProgram(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info.out));
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
