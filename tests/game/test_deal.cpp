// The deal: its generator, its shuffle and what it deals; then the deal
// command run as a script would run it.

#include "GameSets.h"
#include "game/Deal.h"
#include "game/Mulberry32.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>
#include <set>

namespace {

std::vector<int> range(int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

// A list of the deals' fixture, which the web page's deal is checked against
// too; a fixture that cannot be read ends the test.
QJsonArray fixture(const QString& list)
{
    QFile file(QStringLiteral(DEALS_FIXTURE));
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), &error);
    if (!document.isObject() || document[list].toArray().isEmpty())
        qFatal("Cannot read the list %s of %s: %s", qPrintable(list), DEALS_FIXTURE,
               qPrintable(error.errorString()));
    return document[list].toArray();
}

std::vector<int> numbers(const QJsonValue& array)
{
    std::vector<int> result;
    for (const QJsonValue& value : array.toArray())
        result.push_back(value.toInt());
    return result;
}

TestFiles::ProcessRun runTool(const QStringList& args)
{
    return TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), args);
}

} // namespace

class TestDeal : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void generatorGivesTheFixedOutputs_data()
    {
        QTest::addColumn<uint32_t>("seed");
        QTest::addColumn<std::vector<uint32_t>>("outputs");
        for (const QJsonValue& row : fixture(QStringLiteral("generator"))) {
            const QJsonObject entry = row.toObject();
            std::vector<uint32_t> outputs;
            for (const QJsonValue& output : entry[QStringLiteral("outputs")].toArray())
                outputs.push_back(uint32_t(output.toDouble()));
            QTest::newRow(qPrintable(entry[QStringLiteral("name")].toString()))
                << uint32_t(entry[QStringLiteral("seed")].toDouble()) << outputs;
        }
    }
    void generatorGivesTheFixedOutputs()
    {
        QFETCH(uint32_t, seed);
        QFETCH(std::vector<uint32_t>, outputs);
        Mulberry32 generator(seed);
        for (const uint32_t expected : outputs)
            QCOMPARE(generator.next(), expected);
    }

    void dealFollowsTheDefinition_data()
    {
        QTest::addColumn<std::vector<int>>("playable");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<uint32_t>("seed");
        QTest::addColumn<std::vector<int>>("drawn");
        QTest::addColumn<std::vector<int>>("expectedSlots");
        for (const QJsonValue& row : fixture(QStringLiteral("deals"))) {
            const QJsonObject deal = row.toObject();
            QTest::newRow(qPrintable(deal[QStringLiteral("name")].toString()))
                << numbers(deal[QStringLiteral("playable")]) << deal[QStringLiteral("pairs")].toInt()
                << uint32_t(deal[QStringLiteral("seed")].toDouble()) << numbers(deal[QStringLiteral("drawn")])
                << numbers(deal[QStringLiteral("slots")]);
        }
    }
    void dealFollowsTheDefinition()
    {
        QFETCH(std::vector<int>, playable);
        QFETCH(int, pairs);
        QFETCH(uint32_t, seed);
        QFETCH(std::vector<int>, drawn);
        QFETCH(std::vector<int>, expectedSlots);
        const Deal deal = MakeDeal(playable, pairs, seed);
        QCOMPARE(deal.pairs, drawn);
        std::vector<int> dealtSlots;
        for (const DealtCard& card : deal.cards) {
            dealtSlots.push_back(card.slot);
            QCOMPARE(card.pair, (card.slot + 1) / 2);
        }
        QCOMPARE(dealtSlots, expectedSlots);
    }

    void dealHoldsEachChosenPairTwiceAndOnlyPlayableOnes()
    {
        const std::vector<int> playable{2, 3, 5, 7, 11, 13, 17, 19};
        for (uint32_t seed = 0; seed < 200; ++seed) {
            for (const int pairs : {2, 5, 8, 0, 99}) {
                const Deal deal = MakeDeal(playable, pairs, seed);
                const std::size_t expected = pairs >= 1 && pairs <= 8 ? std::size_t(pairs) : playable.size();
                QCOMPARE(deal.pairs.size(), expected);
                QCOMPARE(deal.cards.size(), 2 * expected);
                std::multiset<int> dealt;
                for (const DealtCard& card : deal.cards)
                    dealt.insert(card.slot);
                for (const int pair : deal.pairs) {
                    QVERIFY(std::count(playable.begin(), playable.end(), pair) == 1);
                    QCOMPARE(dealt.count(2 * pair - 1), std::size_t(1));
                    QCOMPARE(dealt.count(2 * pair), std::size_t(1));
                }
                const Deal again = MakeDeal(playable, pairs, seed);
                QCOMPARE(again.pairs, deal.pairs);
                QVERIFY(again.cards == deal.cards);
            }
        }
    }

    // Over many seeds each pair's first card lies at each position about
    // equally often: a bias in the shuffle (say next() % i) shows here.
    void firstPositionsAreCloseToUniform()
    {
        constexpr int Pairs = 6;
        constexpr int Seeds = 24000;
        std::map<std::pair<int, int>, int> seen; // (pair, position) -> count
        for (uint32_t seed = 0; seed < Seeds; ++seed) {
            const Deal deal = MakeDeal(range(1, Pairs), Pairs, seed * 2654435761u);
            for (int position = 0; position < 2 * Pairs; ++position)
                if (deal.cards[std::size_t(position)].slot % 2 == 1)
                    ++seen[{deal.cards[std::size_t(position)].pair, position}];
        }
        const double expected = double(Seeds) / (2 * Pairs);
        for (int pair = 1; pair <= Pairs; ++pair)
            for (int position = 0; position < 2 * Pairs; ++position) {
                const int count = seen[{pair, position}];
                QVERIFY2(
                    std::abs(count - expected) < 0.1 * expected,
                    qPrintable(QStringLiteral("pair %1 position %2: %3").arg(pair).arg(position).arg(count)));
            }
    }

    void toolPrintsTheDeal()
    {
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(), {1, 2, 3, 5, 8});
        TestFiles::writeBytes(dir.filePath(QStringLiteral("C04.bmp")), "BMnot a picture");
        const TestFiles::ProcessRun run =
            runTool({QStringLiteral("deal"), dir.path(), QStringLiteral("--pairs"), QStringLiteral("3"),
                     QStringLiteral("--seed"), QStringLiteral("7")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines(),
                 QStringList({QStringLiteral("seed: 7"), QStringLiteral("playable: 1 2 3 5 8"),
                              QStringLiteral("left out: 4 6 7 9 10 11 12 13 14 15 16 17 18 19 20"),
                              QStringLiteral("pairs: 3"), QStringLiteral("position 0: slot 1 pair 1"),
                              QStringLiteral("position 1: slot 9 pair 5"),
                              QStringLiteral("position 2: slot 3 pair 2"),
                              QStringLiteral("position 3: slot 2 pair 1"),
                              QStringLiteral("position 4: slot 10 pair 5"),
                              QStringLiteral("position 5: slot 4 pair 2")}));
    }

    void toolRefusesWhatCannotBePlayed_data()
    {
        QTest::addColumn<QStringList>("pictures"); // of a double set
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing folder")
            << QStringList() << QStringLiteral("nowhere") << QStringLiteral("No such folder: ");
        QTest::newRow("one pair") << QStringList{QStringLiteral("1"), QStringLiteral("2"),
                                                 QStringLiteral("3")}
                                  << QString() << QStringLiteral("at least 2 are needed");
    }
    void toolRefusesWhatCannotBePlayed()
    {
        QFETCH(QStringList, pictures);
        QFETCH(QString, folderName);
        QFETCH(QString, error);
        QTemporaryDir dir;
        GameSets::writeKind(dir.path(), true);
        for (const QString& number : pictures)
            GameSets::writePicture(dir.path(), number.toInt());
        const QString folder = folderName.isEmpty() ? dir.path() : dir.filePath(folderName);
        const TestFiles::ProcessRun run = runTool({QStringLiteral("deal"), folder});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void toolWithoutSeedShowsTheOneItUsed()
    {
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(), {1, 2});
        const TestFiles::ProcessRun first = runTool({QStringLiteral("deal"), dir.path()});
        QCOMPARE(first.exitCode, 0);
        const QString seed = first.outLines().value(0).mid(6);
        const TestFiles::ProcessRun again =
            runTool({QStringLiteral("deal"), dir.path(), QStringLiteral("--seed"), seed});
        QCOMPARE(again.out, first.out);
    }

    void toolRefusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no folder") << QStringList{QStringLiteral("deal")};
        QTest::newRow("pairs 0") << QStringList{QStringLiteral("deal"), QStringLiteral("."),
                                                QStringLiteral("--pairs"), QStringLiteral("0")};
        QTest::newRow("negative seed") << QStringList{QStringLiteral("deal"), QStringLiteral("."),
                                                      QStringLiteral("--seed"), QStringLiteral("-1")};
        QTest::newRow("seed too large")
            << QStringList{QStringLiteral("deal"), QStringLiteral("."), QStringLiteral("--seed"),
                           QStringLiteral("4294967296")};
    }
    void toolRefusesBadArguments()
    {
        QFETCH(QStringList, args);
        QCOMPARE(runTool(args).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "test_deal.moc"
