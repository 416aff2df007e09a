// The game window played as a person at the keyboard plays it: a fixed seed,
// every pair found by arrow keys and Space, to "Well done!" and a new deal.

#include "GameSets.h"
#include "audio/SoundRecorder.h"
#include "audio/WaveBytes.h"
#include "cardset/SetDocument.h"
#include "game/GameCards.h"
#include "game/ui/GameBoard.h"
#include "game/ui/GameCardView.h"
#include "game/ui/GameWindow.h"
#include "pictures/SetView.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

constexpr int PictureTimeout = 20000; // ms, decoding under the sanitizers

void press(int key)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(key));
}

// Home, then Down and Right as far as `position` lies.
void goTo(const GameWindow& window, int position)
{
    const int columns = window.board()->columns();
    press(Qt::Key_Home);
    for (int row = 0; row < position / columns; ++row)
        press(Qt::Key_Down);
    for (int column = 0; column < position % columns; ++column)
        press(Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), window.board()->card(position));
}

void turn(const GameWindow& window, int position)
{
    goTo(window, position);
    press(Qt::Key_Space);
}

int partnerOf(const GameWindow& window, int position)
{
    const auto& cards = window.deal().cards;
    for (int other = 0; other < int(cards.size()); ++other)
        if (other != position && cards[std::size_t(other)].pair == cards[std::size_t(position)].pair)
            return other;
    return -1;
}

QString titlePart(int found, int pairs)
{
    return QStringLiteral("%1 of %2 pairs").arg(found).arg(pairs);
}

// A sine tone of `seconds` at `frequency`, 16-bit mono.
QByteArray toneWave(double seconds, int frequency)
{
    QByteArray samples;
    const int count = int(seconds * SoundRecorder::Rate);
    for (int i = 0; i < count; ++i)
        samples += WaveBytes::U16(
            uint16_t(int16_t(12000 * std::sin(2 * M_PI * frequency * i / SoundRecorder::Rate))));
    return WaveBytes::PcmWave(1, SoundRecorder::Rate, 16, samples);
}

} // namespace

class TestGameWindow : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void wholeGameByKeyboard_data()
    {
        QTest::addColumn<bool>("duplo");
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("animated");
        QTest::newRow("paired set, 1 player") << false << 1 << false;
        QTest::newRow("double set, 2 players, animated") << true << 2 << true;
    }
    void wholeGameByKeyboard()
    {
        QFETCH(bool, duplo);
        QFETCH(int, players);
        QFETCH(bool, animated);
        QTemporaryDir dir;
        GameSets::writeKind(dir.path(), duplo);
        // Pairs 1 to 7 whole; pair 4 loses its second picture in a double set.
        for (int number = 0; number <= (duplo ? 14 : 7); ++number)
            if (!(duplo && number == 8))
                GameSets::writePicture(dir.path(), number);
        const std::vector<int> playable =
            duplo ? std::vector<int>{1, 2, 3, 5, 6, 7} : std::vector<int>{1, 2, 3, 4, 5, 6, 7};
        constexpr uint32_t Seed = 2024;
        constexpr int Pairs = 6;

        GameWindow window(SetView::read(dir.path()), GameOptions{Pairs, Seed, players});
        window.setAnimated(animated);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);

        // The window deals as the definition says.
        const Deal expected = MakeDeal(playable, Pairs, Seed);
        QCOMPARE(window.deal().cards.size(), expected.cards.size());
        QVERIFY(window.deal().cards == expected.cards);
        QCOMPARE(window.cards().playable, playable);
        QVERIFY(window.windowTitle().contains(titlePart(0, Pairs)));
        QCOMPARE(window.board()->card(6)->accessibleName(), QStringLiteral("Card 7 of 12, face down"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QVERIFY(window.windowState() & Qt::WindowFullScreen);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QVERIFY(!(window.windowState() & Qt::WindowFullScreen));

        // A miss: both stay up, the turn passes, and they turn back by themselves.
        int first = 0;
        int other = 1;
        while (window.deal().cards[std::size_t(other)].pair == window.deal().cards[0].pair)
            ++other;
        turn(window, first);
        QCOMPARE(window.board()->card(first)->accessibleName(), QStringLiteral("Card 1 of 12"));
        turn(window, other);
        QCOMPARE(window.board()->card(other)->side(), GameCardView::Side::Missed);
        QCOMPARE(window.rules()->currentPlayer(), players > 1 ? 1 : 0);
        QVERIFY(window.statusText().startsWith(QStringLiteral("No pair")));
        if (players > 1)
            QVERIFY(window.statusText().contains(QStringLiteral("Player 2's turn")));
        QTRY_COMPARE_WITH_TIMEOUT(window.board()->card(other)->side(), GameCardView::Side::Back, 3000);
        QCOMPARE(window.board()->card(first)->side(), GameCardView::Side::Back);

        // Then every pair, in deal order.
        for (int found = 0; found < Pairs; ++found) {
            int position = 0;
            while (window.rules()->card(position) == GameRules::Card::Found)
                ++position;
            turn(window, position);
            turn(window, partnerOf(window, position));
            QCOMPARE(window.rules()->pairsFound(), found + 1);
            QCOMPARE(window.board()->card(position)->side(), GameCardView::Side::Found);
            QVERIFY2(window.windowTitle().contains(titlePart(found + 1, Pairs)),
                     qPrintable(window.windowTitle()));
        }
        QCOMPARE(window.rules()->moves(), Pairs + 1);
        QCOMPARE(window.rules()->score(players - 1), Pairs);

        QMessageBox* end = nullptr;
        QTRY_VERIFY((end = window.findChild<QMessageBox*>()) && end->isVisible());
        QCOMPARE(end->text(), QStringLiteral("Well done!"));
        QVERIFY(end->informativeText().contains(QStringLiteral("Moves: 7")));
        if (players > 1)
            QVERIFY2(end->informativeText().contains(QStringLiteral("The winner: Player 2")),
                     qPrintable(end->informativeText()));
        QPushButton* again = nullptr;
        for (QAbstractButton* button : end->buttons())
            if (button->text() == QStringLiteral("Play again"))
                again = qobject_cast<QPushButton*>(button);
        QVERIFY(again);
        again->click();
        QVERIFY(window.deal().seed != Seed);
        QCOMPARE(window.rules()->pairsFound(), 0);
        QVERIFY(window.windowTitle().contains(titlePart(0, Pairs)));
        QCOMPARE(window.board()->card(0)->side(), GameCardView::Side::Back);
    }

    // Clicks reach the cards too; a click while a miss is up turns it back at
    // once and turns the clicked card.
    void clickDuringAMissTurnsItBackAtOnce()
    {
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(), {1, 2, 3});
        GameWindow window(SetView::read(dir.path()), GameOptions{0, 9, 1});
        window.setAnimated(false);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);
        const auto& cards = window.deal().cards;
        int other = 1;
        while (cards[std::size_t(other)].pair == cards[0].pair)
            ++other;
        int third = 1;
        while (third == other || cards[std::size_t(third)].pair == cards[0].pair)
            ++third;
        QTest::mouseClick(window.board()->card(0), Qt::LeftButton);
        QTest::mouseClick(window.board()->card(other), Qt::LeftButton);
        QVERIFY(window.rules()->missShowing());
        QTest::mouseClick(window.board()->card(third), Qt::LeftButton);
        QCOMPARE(window.board()->card(0)->side(), GameCardView::Side::Back);
        QCOMPARE(window.board()->card(other)->side(), GameCardView::Side::Back);
        QCOMPARE(window.board()->card(third)->side(), GameCardView::Side::Face);
    }

    // Assistive tools read the status line by its name and see the cards as
    // buttons named by their place and, face up, their card's name; a face-down
    // card's name never tells it.
    void statusIsAnnouncedAndCardsAreNamed()
    {
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(), {1, 2, 3});
        TestFiles::writeBytes(dir.filePath(QStringLiteral("Names.txt")), "1\tSecret\n3\tSecret\n5\tSecret\n");
        GameWindow window(SetView::read(dir.path()), GameOptions{0, 4, 1});
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);
        QTest::keyClick(window.board()->card(2), Qt::Key_Return);
        // The status line's accessible name is what tools read out on its change.
        QLabel* status = nullptr;
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->text() == window.statusText())
                status = label;
        QVERIFY(status);
        QCOMPARE(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), window.statusText());
        QCOMPARE(window.statusText(), QStringLiteral("Card 3: Secret"));

        QAccessibleInterface* card = QAccessible::queryAccessibleInterface(window.board()->card(2));
        QCOMPARE(card->role(), QAccessible::Button);
        QCOMPARE(card->text(QAccessible::Name), QStringLiteral("Card 3 of 6, Secret"));
        for (const int down : {0, 1, 3, 4, 5})
            QCOMPARE(window.board()->card(down)->accessibleName(),
                     QStringLiteral("Card %1 of 6, face down").arg(down + 1));
    }

    // Every card shows face up for the time chosen, until a tap that turns
    // none; a miss set to turn back on the next tap waits for it, without a
    // timer, and that tap turns no card either.
    void peekAndTurnBackOnTheNextTap()
    {
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(), {1, 2, 3});
        GameWindow window(SetView::read(dir.path()), GameOptions{0, 9, 1});
        window.setAnimated(false);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);
        for (const QString& text : {QStringLiteral("3 s"), QStringLiteral("on the next tap")})
            for (QComboBox* box : window.findChildren<QComboBox*>())
                if (box->findText(text) >= 0)
                    box->setCurrentIndex(box->findText(text));
        window.newGame(9);
        QCOMPARE(window.board()->card(0)->side(), GameCardView::Side::Face);
        QTRY_COMPARE_WITH_TIMEOUT(window.board()->card(0)->side(), GameCardView::Side::Back, 4500);

        const auto& cards = window.deal().cards;
        int other = 1;
        while (cards[std::size_t(other)].pair == cards[0].pair)
            ++other;
        turn(window, 0);
        turn(window, other);
        QTest::qWait(GameRules::MissShownMs + 300);
        QCOMPARE(window.board()->card(0)->side(), GameCardView::Side::Missed);
        turn(window, partnerOf(window, 0));
        QCOMPARE(window.board()->card(0)->side(), GameCardView::Side::Back);
        QCOMPARE(window.board()->card(partnerOf(window, 0))->side(), GameCardView::Side::Back);
        QVERIFY(window.statusText().startsWith(QStringLiteral("Turned back")));
    }

    void setsThatCannotBePlayedSaySo_data()
    {
        QTest::addColumn<QList<int>>("pictures");
        QTest::addColumn<QString>("leftOut");
        QTest::newRow("one whole pair") << QList<int>{1, 2} << QString();
        QTest::newRow("no pictures") << QList<int>{} << QString();
    }
    void setsThatCannotBePlayedSaySo()
    {
        QFETCH(QList<int>, pictures);
        QTemporaryDir dir;
        GameSets::writeKind(dir.path(), true);
        for (const int number : pictures)
            GameSets::writePicture(dir.path(), number);
        GameWindow window(SetView::read(dir.path()));
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.statusText().contains(QStringLiteral("cannot be played")),
                                 PictureTimeout);
        QVERIFY(!window.rules());
        QCOMPARE(window.board()->cardCount(), 0);
        QVERIFY(window.windowTitle().contains(titlePart(0, 0)));
    }

    // From the editor: the document's set, by its kind, with faces decoded
    // at the game's own face size whatever else shows the set.
    void documentSetIsPlayedAtTheFaceSize()
    {
        QTemporaryDir dir;
        GameSets::writeKind(dir.path(), true);
        for (const int number : {1, 2, 3, 4, 5})
            GameSets::writePicture(dir.path(), number, QSize(500, 250));
        TSetDocument document;
        document.OpenFolder(dir.path());
        GameWindow window(SetView::of(document));
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);
        QVERIFY(window.cards().duplo);
        QCOMPARE(window.cards().playable, (std::vector<int>{1, 2}));
        const DealtCard& card = window.deal().cards[0];
        QCOMPARE(window.cards().faces[std::size_t(card.slot)].size(), QSize(384, 192));
        // Without a set, the window says so and deals nothing.
        const TSetDocument none;
        GameWindow nothing(SetView::of(none));
        QTRY_VERIFY(nothing.statusText().startsWith(QStringLiteral("No set is open")));
    }

    void leftOutPairsAreCountedWithTheirNumbers()
    {
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(),
                                 {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
        TestFiles::writeBytes(QDir(dir.path()).filePath(QStringLiteral("C19.bmp")), "BM damaged");
        GameWindow window(SetView::read(dir.path()), GameOptions{4, 1, 1});
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);
        QLabel* leftOut = nullptr;
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->text().endsWith(QStringLiteral("left out")))
                leftOut = label;
        QVERIFY(leftOut);
        QCOMPARE(leftOut->text(), QStringLiteral("3 pairs left out"));
        QVERIFY2(leftOut->toolTip().endsWith(QStringLiteral("3, 19, 20")), qPrintable(leftOut->toolTip()));
        QCOMPARE(window.rules()->pairCount(), 4);
        // A count of the command line outside the list is shown as chosen.
        GameWindow five(SetView::read(dir.path()), GameOptions{5, 1, 1});
        QTRY_VERIFY_WITH_TIMEOUT(five.rules(), PictureTimeout);
        QCOMPARE(five.rules()->pairCount(), 5);
        QCOMPARE(five.findChild<QComboBox*>()->currentText(), QStringLiteral("5"));
    }

    // A narrow window beside another, or a small screen: every label shown,
    // four players, and the window still goes down to a phone's width.
    void windowGoesDownToPhoneWidth()
    {
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(), {1, 2, 4});
        GameWindow window(SetView::read(dir.path()), GameOptions{0, 4294967295u, 4});
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);
        window.resize(360, 640);
        QTRY_COMPARE(window.width(), 360);
    }

    // The card's own sound plays as it turns: a tone heard on the test
    // sound server's monitor.
    void turnedCardIsHeard()
    {
        if (!SoundRecorder::Available())
            QFAIL("The test sound server with its null sink is needed");
        QTemporaryDir dir;
        GameSets::writePairedSet(dir.path(), {1, 2});
        constexpr int Frequency = 1234;
        TestFiles::writeBytes(QDir(dir.path()).filePath(QStringLiteral("S02.wav")), toneWave(3, Frequency));
        GameWindow window(SetView::read(dir.path()), GameOptions{0, 3, 1});
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.rules(), PictureTimeout);
        int silent = 0;
        while (window.deal().cards[std::size_t(silent)].pair != 1)
            ++silent;
        int sounding = 0;
        while (window.deal().cards[std::size_t(sounding)].pair != 2)
            ++sounding;

        SoundRecorder recorder;
        QVERIFY(recorder.Started());
        QTest::mouseClick(window.board()->card(silent), Qt::LeftButton);
        QTest::qWait(300);
        recorder.Clear();
        QVERIFY(SoundRecorder::Amplitude(recorder.Collect(SoundRecorder::Rate / 4), Frequency) < 500);
        QTest::mouseClick(window.board()->card(sounding), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(
            SoundRecorder::Amplitude(recorder.Collect(SoundRecorder::Rate / 10), Frequency) > 4000, 10000);
    }
};

QTEST_MAIN(TestGameWindow)
#include "test_game_window.moc"
