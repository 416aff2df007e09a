#include "app/CardPage.h"

CardPage CardPage::Of(int slot)
{
    if (slot <= CoverSlot)
        return {};
    const int left = slot % 2 == 1 ? slot : slot - 1;
    return {left, left + 1};
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
    std::vector<int> slots;
    for (const CardPage& page : {next, previous})
        for (const int slot : {page.left, page.right})
            if (slot > NoSlot)
                slots.push_back(slot);
    return slots;
}
