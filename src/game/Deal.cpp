#include "game/Deal.h"

#include "cardset/CardTable.h"
#include "game/Mulberry32.h"

#include <QDateTime>
#include <algorithm>
#include <utility>

void ShuffleList(std::vector<int>& list, Mulberry32& generator)
{
    for (std::size_t i = list.size(); i-- > 1;) {
        const auto j = std::size_t(generator.next() % uint32_t(i + 1));
        std::swap(list[i], list[j]);
    }
}

Deal MakeDeal(std::vector<int> playable, int pairCount, uint32_t seed)
{
    std::sort(playable.begin(), playable.end());
    playable.erase(std::unique(playable.begin(), playable.end()), playable.end());
    if (pairCount < 1 || std::size_t(pairCount) > playable.size())
        pairCount = int(playable.size());

    Deal deal;
    deal.seed = seed;
    Mulberry32 generator(seed);
    ShuffleList(playable, generator);
    deal.pairs.assign(playable.begin(), playable.begin() + pairCount);

    std::vector<int> inPlay = deal.pairs;
    std::sort(inPlay.begin(), inPlay.end());
    std::vector<int> cardSlots;
    for (const int pair : inPlay)
        for (const int slot : SlotsOfPair(pair))
            cardSlots.push_back(slot);
    ShuffleList(cardSlots, generator);
    for (const int slot : cardSlots)
        deal.cards.push_back({slot, PairOf(slot)});
    return deal;
}

uint32_t ClockSeed()
{
    return uint32_t(QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFFu);
}
