// The rules of a game as a table: a board, the players, what is clicked and
// what the rules answer each time, and where the game stands at the end.

#include "game/GameRules.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// "0 1 b 2": flip positions 0 and 1, turn a miss back, flip 2. "t2" and
// "d2" tap position 2 with a miss turning back on the next tap or by time.
// Answers: f first, m match, x miss, r refused, - for a turn back, t for a
// tap spent on turning a miss back.
QString play(GameRules& rules, const QString& actions)
{
    QStringList answers;
    for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (action == QLatin1String("b")) {
            rules.turnBack();
            answers << QStringLiteral("-");
            continue;
        }
        const auto mode = action.startsWith(QLatin1Char('t')) ? GameRules::TurnBack::OnNextTap
                                                              : GameRules::TurnBack::AfterDelay;
        const int position =
            action.mid(action.front().isDigit() || action.front() == QLatin1Char('-') ? 0 : 1).toInt();
        switch (action.front().isLetter() ? rules.tap(position, mode) : rules.flip(position)) {
        case GameRules::Flip::First:
            answers << QStringLiteral("f");
            break;
        case GameRules::Flip::Match:
            answers << QStringLiteral("m");
            break;
        case GameRules::Flip::Miss:
            answers << QStringLiteral("x");
            break;
        case GameRules::Flip::Refused:
            answers << QStringLiteral("r");
            break;
        case GameRules::Flip::TurnedBack:
            answers << QStringLiteral("t");
            break;
        }
    }
    return answers.join(QLatin1Char(' '));
}

QString scores(const GameRules& rules)
{
    QStringList list;
    for (int player = 0; player < rules.players(); ++player)
        list << QString::number(rules.score(player));
    return list.join(QLatin1Char(' '));
}

QString states(const GameRules& rules)
{
    QString text;
    for (int position = 0; position < rules.cardCount(); ++position)
        text += QLatin1Char("DUF"[int(rules.card(position))]);
    return text;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void rulesAnswerEachClick_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("cards"); // D down, U up, F found, by position
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("scores");
        QTest::addColumn<int>("moves");
        QTest::addColumn<bool>("finished");
        // The board: pair 1 at 0 and 2, pair 2 at 1 and 3, pair 3 at 4 and 5.
        QTest::newRow("match keeps the turn") << 2 << "0 2"
                                              << "f m"
                                              << "FDFDDD" << 0 << "1 0" << 1 << false;
        QTest::newRow("miss passes the turn") << 2 << "0 1"
                                              << "f x"
                                              << "UUDDDD" << 1 << "0 0" << 1 << false;
        QTest::newRow("third card refused while two are up") << 2 << "0 1 4"
                                                             << "f x r"
                                                             << "UUDDDD" << 1 << "0 0" << 1 << false;
        QTest::newRow("turned back, the next player plays") << 2 << "0 1 b 1 3"
                                                            << "f x - f m"
                                                            << "DFDFDD" << 1 << "0 1" << 2 << false;
        QTest::newRow("same card twice refused") << 1 << "0 0"
                                                 << "f r"
                                                 << "UDDDDD" << 0 << "0" << 0 << false;
        QTest::newRow("found card refused") << 1 << "0 2 2 0"
                                            << "f m r r"
                                            << "FDFDDD" << 0 << "1" << 1 << false;
        QTest::newRow("off the board refused") << 1 << "-1 6"
                                               << "r r"
                                               << "DDDDDD" << 0 << "0" << 0 << false;
        QTest::newRow("turn back without a miss does nothing") << 1 << "0 b"
                                                               << "f -"
                                                               << "UDDDDD" << 0 << "0" << 0 << false;
        QTest::newRow("one player keeps every turn") << 1 << "0 1 b 2 3 b"
                                                     << "f x - f x -"
                                                     << "DDDDDD" << 0 << "0" << 2 << false;
        QTest::newRow("turn order wraps over three players") << 3 << "0 1 b 0 1 b 0 1 b 0 1"
                                                             << "f x - f x - f x - f x"
                                                             << "UUDDDD" << 1 << "0 0 0" << 4 << false;
        QTest::newRow("the end, nothing more turns") << 2 << "0 1 b 0 2 1 3 4 5 0"
                                                     << "f x - f m f m f m r"
                                                     << "FFFFFF" << 1 << "0 3" << 4 << true;
        QTest::newRow("next tap turns a miss back and no card") << 2 << "t0 t1 t4 t1 t3"
                                                                << "f x t f m"
                                                                << "DFDFDD" << 1 << "0 1" << 2 << false;
        QTest::newRow("timed miss, a tap turns it back and plays") << 2 << "d0 d1 d1 d3"
                                                                   << "f x f m"
                                                                   << "DFDFDD" << 1 << "0 1" << 2 << false;
        QTest::newRow("players clamped to 4") << 9 << "0 1 b 0 1 b 0 1 b 0 1"
                                              << "f x - f x - f x - f x"
                                              << "UUDDDD" << 0 << "0 0 0 0" << 4 << false;
    }
    void rulesAnswerEachClick()
    {
        QFETCH(int, players);
        QFETCH(QString, actions);
        QFETCH(QString, answers);
        QFETCH(QString, cards);
        QFETCH(int, current);
        QFETCH(QString, scores);
        QFETCH(int, moves);
        QFETCH(bool, finished);
        GameRules rules({1, 2, 1, 2, 3, 3}, players);
        QCOMPARE(play(rules, actions), answers);
        QCOMPARE(states(rules), cards);
        QCOMPARE(rules.currentPlayer(), current);
        QCOMPARE(::scores(rules), scores);
        QCOMPARE(rules.moves(), moves);
        QCOMPARE(rules.finished(), finished);
        QCOMPARE(rules.pairsFound(), int(cards.count(QLatin1Char('F')) / 2));
    }

    void leadersAreTheBestScores_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<std::vector<int>>("leaders");
        QTest::newRow("first player ahead") << "0 2 1 3 4 5" << std::vector<int>{0};
        QTest::newRow("second player ahead") << "0 1 b 0 2 1 3" << std::vector<int>{1};
        QTest::newRow("a draw names both") << "0 2 1 4 b 1 3" << std::vector<int>{0, 1};
    }
    void leadersAreTheBestScores()
    {
        QFETCH(QString, actions);
        QFETCH(std::vector<int>, leaders);
        GameRules rules({1, 2, 1, 2, 3, 3}, 2);
        play(rules, actions);
        QCOMPARE(rules.leaders(), leaders);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
