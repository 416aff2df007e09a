#pragma once

#include <cstdint>
#include <vector>

class Mulberry32;

// One card on the board: the set's slot whose picture it shows (one of
// SlotsOfPair(k)) and the pair k it belongs to.
struct DealtCard {
    int slot = 0;
    int pair = 0;
    friend bool operator==(const DealtCard&, const DealtCard&) = default;
};

// The cards of a game in board order, and what chose them.
struct Deal {
    uint32_t seed = 0;
    std::vector<int> pairs;       // the pairs in play, in the order they were drawn
    std::vector<DealtCard> cards; // board positions 0.. in order
};

// Fisher-Yates from the last position down: for i from size-1 down to 1,
// swap positions i and next() % (i + 1).
void ShuffleList(std::vector<int>& list, Mulberry32& generator);

// Deals `pairCount` of the `playable` pair numbers from `seed`: the playable
// numbers in ascending order are shuffled and the first pairCount drawn; the
// cards of the drawn pairs, in ascending pair order (2k-1 then 2k), are then
// shuffled by the same generator. A pairCount below 1 or above the playable
// count deals every playable pair.
Deal MakeDeal(std::vector<int> playable, int pairCount, uint32_t seed);

// A seed from the clock, for a game that was given none.
uint32_t ClockSeed();
