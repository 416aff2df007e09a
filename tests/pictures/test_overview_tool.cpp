// The tool's overview command: the set drawn as the overview window draws it,
// with its header and the slots it could not show.
#include "TestFiles.h"
#include "pictures/OverviewLayout.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Paired pictures C00..C19, each a different grey; C20 is missing.
void makeSet(const QString& folder)
{
    for (int n = 0; n <= 19; ++n) {
        QImage image(12, 8, QImage::Format_RGB32);
        image.fill(qRgb(n, n, n));
        QVERIFY(image.save(QStringLiteral("%1/C%2.bmp").arg(folder).arg(n, 2, 10, QLatin1Char('0')), "BMP"));
    }
}

} // namespace

class TestOverviewTool : public QObject {
    Q_OBJECT

  private slots:
    void toolDrawsTheSet()
    {
        QTemporaryDir dir;
        makeSet(dir.path());
        const QString png = dir.filePath(QStringLiteral("overview.png"));
        const TestFiles::ProcessRun run = TestFiles::runProgram(
            QStringLiteral(TESSELLOR_TOOL), {"overview", dir.path(), "--size", "64", png});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.outLines().first().endsWith("paired set \u2014 20 of 21 pictures, 0 of 21 sounds"));
        QCOMPARE(run.outLines().mid(1), QStringList({"slot 39: missing " + dir.path() + "/C20.bmp",
                                                     "slot 40: missing " + dir.path() + "/C20.bmp"}));
        const QImage drawn(png);
        QCOMPARE(drawn.width(),
                 2 * OverviewLayout::Margin + 7 * (64 + OverviewLayout::Gap) - OverviewLayout::Gap);
        QCOMPARE(
            TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"overview", dir.filePath("none"), png})
                .exitCode,
            1);
        QCOMPARE(TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL),
                                       {"overview", dir.path(), "--size", "0", png})
                     .exitCode,
                 2);
    }
};

QTEST_GUILESS_MAIN(TestOverviewTool)
#include "test_overview_tool.moc"
