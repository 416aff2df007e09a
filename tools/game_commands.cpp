#include "ToolCommands.h"

#include "common/FileNames.h"
#include "game/Deal.h"
#include "game/DealArgs.h"
#include "pictures/SetCards.h"
#include "pictures/SetView.h"

namespace {

QString numberList(const QString& label, const std::vector<int>& numbers)
{
    QString line = label + QLatin1Char(':');
    for (const int number : numbers)
        line += QLatin1Char(' ') + QString::number(number);
    return line;
}

// deal DIR [--pairs N] [--seed S]: the game's deal of the set in DIR, as the
// game window would deal it from the same seed.
int deal(const QStringList& args)
{
    const auto parsed = ParseDealArgs(args);
    if (!parsed)
        return printUsage();
    if (!FileNames::folderExists(parsed->folder)) {
        printError(QStringLiteral("No such folder: %1").arg(parsed->folder));
        return 1;
    }
    // The deal needs no pixels: which pairs are playable is read from headers.
    const SetCards cards = SetCards::read(SetView::read(parsed->folder));
    if (!cards.enoughToPlay()) {
        printError(QStringLiteral("Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed")
                       .arg(parsed->folder)
                       .arg(cards.playable.size()));
        return 1;
    }
    const Deal dealt = MakeDeal(cards.playable, parsed->pairs, parsed->seed.value_or(ClockSeed()));
    printLine(QStringLiteral("seed: %1").arg(dealt.seed));
    printLine(numberList(QStringLiteral("playable"), cards.playable));
    printLine(numberList(QStringLiteral("left out"), cards.leftOut));
    printLine(QStringLiteral("pairs: %1").arg(dealt.pairs.size()));
    for (std::size_t i = 0; i < dealt.cards.size(); ++i)
        printLine(QStringLiteral("position %1: slot %2 pair %3")
                      .arg(i)
                      .arg(dealt.cards[i].slot)
                      .arg(dealt.cards[i].pair));
    return 0;
}

const ToolCommand dealCommand("deal", "DIR [--pairs N] [--seed S]", deal);

} // namespace
