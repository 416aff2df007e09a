#include "print/PrintDeck.h"

#include "cardset/CardNames.h"
#include "cardset/CardTable.h"
#include "images/BitmapErrors.h"
#include "pictures/SetCards.h"
#include "pictures/SetView.h"

#include <QStringList>
#include <cmath>

PrintDeck PrintDeck::read(const QString& folder, bool playableOnly)
{
    PrintDeck deck;
    const SetView set = SetView::read(folder);
    deck.setName_ = set.name();
    const SetCards cards = SetCards::read(set);
    const std::array<QString, NumSlots> names = CardNames::ShownNames(set.folder, set.duplo);

    const PictureCheck& cover = cards.pictures[0];
    if (cover.usable())
        deck.coverPath_ = cover.path;
    else
        deck.skipped_.push_back({0, cover.problem});

    for (int slot = 1; slot < NumSlots; ++slot) {
        const PictureCheck& own = cards.pictures[size_t(slot)];
        if (!own.usable()) {
            deck.skipped_.push_back({slot, own.problem});
            continue;
        }
        const int partner = PartnerOf(slot).value_or(slot);
        if (playableOnly && !cards.pictures[size_t(partner)].usable()) {
            deck.skipped_.push_back(
                {slot, QStringLiteral("the other card of its pair (%1) has no picture").arg(partner)});
            continue;
        }
        deck.cards_.push_back({slot, own.path, names[size_t(slot)]});
    }
    return deck;
}

QImage PrintDeck::LoadPicture(const QString& path, double cardMm)
{
    const int side = int(std::ceil(cardMm / 25.4 * PictureDpi));
    QImage image = DecodeCardPicture(path, QSize(side, side));
    if (image.isNull())
        throw EInvalidGraphic();
    return image;
}

QStringList PrintDeck::skippedLines() const
{
    QStringList lines;
    for (const Skipped& s : skipped_) {
        const QString card = s.slot == 0 ? QStringLiteral("cover") : QStringLiteral("card %1").arg(s.slot);
        lines << QStringLiteral("%1: %2").arg(card, s.reason);
    }
    return lines;
}
