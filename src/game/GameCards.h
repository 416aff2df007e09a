#pragma once

#include "cardset/CardTable.h"

#include <QImage>
#include <QString>
#include <array>
#include <vector>

class OverviewModel;
struct OverviewSet;
class TSetDocument;

// The cards of a set as the game plays them: pair k is slots 2k-1 and 2k,
// their faces and sounds found by the set's naming rule (in a paired set both
// cards show Ck, in a double set each has its own files). The faces are the
// pictures the overview model decoded; nothing is read again.
struct GameCards {
    static constexpr int PairsInSet = (NumSlots - 1) / 2;

    bool duplo = false;
    std::vector<int> playable; // pair numbers whose two pictures exist and were read
    std::vector<int> leftOut;  // the other pair numbers
    std::array<QImage, NumSlots> faces;
    std::array<QString, NumSlots> sounds; // empty when the card has no sound file
    QImage back;                          // the cover, null when the set has none

    // At least two pairs are needed for a game.
    bool enoughToPlay() const { return playable.size() >= 2; }
    // The left-out pair numbers as "3, 7, 12".
    QString leftOutList() const;
};

// True once the model has no picture still being decoded.
bool PicturesSettled(const OverviewModel& pictures);

// What the model holds now. A picture that is missing, damaged, empty (a
// 0-byte card shows nothing to match) or not yet decoded leaves its pair out.
GameCards ReadGameCards(const OverviewModel& pictures);

// The document's current set as the game reads it: its folder, author and
// kind by the document's one rule; no set when none is current.
OverviewSet GameSetOf(const TSetDocument& document);
