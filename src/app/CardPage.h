#pragma once

#include <vector>

// The two card slots the window shows side by side: the cover page (no left
// card, the cover on the right) or cards 2k-1 and 2k. Turning past card 40
// comes back to the cover, and before the cover to cards 39 and 40.
struct CardPage {
    static constexpr int NoSlot = -1;
    static constexpr int CoverSlot = 0;
    static constexpr int LastSlot = 40;

    int left = NoSlot;
    int right = CoverSlot;

    // The page that shows `slot` (0 to 40).
    static CardPage Of(int slot);
    CardPage Next() const;
    CardPage Previous() const;
    // The slots of the pages either side, read ahead while this one is shown.
    std::vector<int> Beside() const;
    bool operator==(const CardPage&) const = default;
};
