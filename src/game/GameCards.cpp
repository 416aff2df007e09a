#include "game/GameCards.h"

#include "app/overview/OverviewModel.h"
#include "app/overview/OverviewSet.h"
#include "cardset/SetDocument.h"

#include <QDir>

#include <QStringList>

namespace {

bool faceReady(const OverviewCell& cell)
{
    return cell.picture == OverviewCell::Picture::Shown && !cell.thumbnail.isNull();
}

} // namespace

QString GameCards::leftOutList() const
{
    QStringList numbers;
    for (const int pair : leftOut)
        numbers << QString::number(pair);
    return numbers.join(QStringLiteral(", "));
}

bool PicturesSettled(const OverviewModel& pictures)
{
    for (int slot = 0; slot < NumSlots; ++slot)
        if (pictures.cell(slot).picture == OverviewCell::Picture::Pending)
            return false;
    return true;
}

GameCards ReadGameCards(const OverviewModel& pictures)
{
    GameCards cards;
    cards.duplo = pictures.set().duplo;
    for (int slot = 0; slot < NumSlots; ++slot) {
        const OverviewCell& cell = pictures.cell(slot);
        if (faceReady(cell))
            cards.faces[std::size_t(slot)] = cell.thumbnail;
        if (cell.sound)
            cards.sounds[std::size_t(slot)] = cell.soundPath;
    }
    cards.back = cards.faces[0];
    for (int pair = 1; pair <= GameCards::PairsInSet; ++pair) {
        const bool playable =
            !cards.faces[std::size_t(2 * pair - 1)].isNull() && !cards.faces[std::size_t(2 * pair)].isNull();
        (playable ? cards.playable : cards.leftOut).push_back(pair);
    }
    return cards;
}

OverviewSet GameSetOf(const TSetDocument& document)
{
    OverviewSet set;
    if (document.HasSet()) {
        set.folder = QDir::cleanPath(document.PastaConjunto());
        set.author = AutorText(document.ConfigConjunto());
        set.duplo = document.IsDoubleSet();
    }
    return set;
}
