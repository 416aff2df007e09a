// Helper of bench/game.sh: times opening the game window on a set until
// every card face is ready and the cards are dealt. The set and the plain
// read it is measured against come from overview_bench.

#include "game/ui/GameBoard.h"
#include "game/ui/GameWindow.h"
#include "pictures/SetView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int Pairs = 20;

int TimeGame(const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    GameWindow window(SetView::read(folder), GameOptions{Pairs, 1, 1});
    QEventLoop loop;
    QObject::connect(&window, &GameWindow::dealt, &loop, &QEventLoop::quit);
    // A set that cannot be played never deals.
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    window.show();
    if (!window.rules())
        loop.exec();
    std::printf("%.6f\n", double(timer.nsecsElapsed()) / 1e9);
    // Every card of all 20 pairs has its face, and the cover is the back.
    if (!window.rules() || window.board()->cardCount() != 2 * Pairs || window.cards().back.isNull())
        return 1;
    for (const DealtCard& card : window.deal().cards)
        if (window.cards().faces[std::size_t(card.slot)].isNull())
            return 1;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("game"))
        return TimeGame(args[2]);
    std::fprintf(stderr, "usage: game_bench game DIR\n");
    return 2;
}
