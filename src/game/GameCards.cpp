#include "game/GameCards.h"

#include "cardset/CardNames.h"
#include "pictures/SetCards.h"
#include "pictures/SetView.h"

#include <QStringList>

namespace {

GameCards cardsOf(const SetView& set, const SetCards& judged, const std::array<QImage, NumSlots>& faces)
{
    GameCards cards;
    cards.duplo = set.duplo;
    cards.playable = judged.playable;
    cards.leftOut = judged.leftOut;
    cards.sounds = judged.sounds;
    cards.names = CardNames::ShownNames(set.folder, set.duplo);
    if (judged.pictures[0].usable())
        cards.back = faces[0];
    for (const int pair : cards.playable)
        for (const int slot : SlotsOfPair(pair))
            cards.faces[std::size_t(slot)] = faces[std::size_t(slot)];
    return cards;
}

} // namespace

QString GameCards::leftOutList() const
{
    QStringList numbers;
    for (const int pair : leftOut)
        numbers << QString::number(pair);
    return numbers.join(QStringLiteral(", "));
}

GameCards MakeGameCards(const SetView& set, const std::array<QImage, NumSlots>& faces)
{
    return cardsOf(set, SetCards::read(set), faces);
}

GameCards ReadGameCards(const SetView& set, QSize faceBox)
{
    const SetCards judged = SetCards::read(set);
    return cardsOf(set, judged, DecodeFaces(judged, faceBox));
}
