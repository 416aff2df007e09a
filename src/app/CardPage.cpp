#include "app/CardPage.h"

#include "cardset/CardTable.h"

CardPage CardPage::Of(int slot)
{
    // A page shows one pair; the cover (pair 0) stands alone.
    const int pair = PairOf(slot);
    if (pair == 0)
        return {};
    const auto [left, right] = SlotsOfPair(pair);
    return {left, right};
}

CardPage CardPage::Next() const
{
    return right >= LastSlot ? CardPage{} : CardPage{left + 2, right + 2};
}

CardPage CardPage::Previous() const
{
    return left <= CoverSlot ? CardPage{LastSlot - 1, LastSlot} : CardPage{left - 2, right - 2};
}

std::vector<int> CardPage::Beside() const
{
    const CardPage next = Next();
    const CardPage previous = Previous();
    std::vector<int> shown;
    for (const CardPage& page : {next, previous})
        for (const int slot : {page.left, page.right})
            if (slot > NoSlot)
                shown.push_back(slot);
    return shown;
}
