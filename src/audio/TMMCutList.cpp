#include "audio/TMMCutList.h"

void TMMCutList::Clear()
{
    regions_.clear();
}

void TMMCutList::Add(const TMMRegion& region)
{
    regions_.push_back(region);
}

int TMMCutList::Count() const
{
    return int(regions_.size());
}

const TMMRegion& TMMCutList::operator[](int index) const
{
    return regions_.at(size_t(index));
}

int64_t TMMCutList::TotalSamples() const
{
    int64_t total = 0;
    for (const TMMRegion& region : regions_)
        total += region.LengthSamples;
    return total;
}
