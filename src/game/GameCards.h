#pragma once

#include "cardset/CardTable.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

struct SetView;

// The cards of a set as the game plays them: pair k is the slots SlotsOfPair(k),
// their faces and sounds found by the set's naming rule (in a paired set both
// cards show Ck, in a double set each has its own files). Which pairs are
// playable is the set's one rule (SetCards.h), judged from the pictures'
// headers; the faces are decoded at the size the game shows them.
struct GameCards {
    bool duplo = false;
    std::vector<int> playable; // pair numbers whose two pictures can be shown
    std::vector<int> leftOut;  // the other pair numbers
    std::array<QImage, NumSlots> faces;
    std::array<QString, NumSlots> sounds; // empty when the card has no sound file
    std::array<QString, NumSlots> names;  // what the card shows, empty when it has no name
    QImage back;                          // the cover, null when the set has none

    // At least two pairs are needed for a game.
    bool enoughToPlay() const { return playable.size() >= 2; }
    // The left-out pair numbers as "3, 7, 12".
    QString leftOutList() const;
};

// The cards of `set` with the faces given (null where none was decoded).
GameCards MakeGameCards(const SetView& set, const std::array<QImage, NumSlots>& faces);

// The cards of `set` with the faces of its playable pairs and its cover
// decoded to fit `faceBox`, in parallel, before it returns.
GameCards ReadGameCards(const SetView& set, QSize faceBox);
