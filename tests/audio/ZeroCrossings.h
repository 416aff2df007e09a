#pragma once

// A tone's pitch in a test: how often 16-bit mono samples cross zero upwards.

#include <QByteArray>
#include <cstdint>
#include <cstring>

inline int RisingZeroCrossings(const QByteArray& mono16)
{
    int count = 0;
    int16_t previous = 0;
    for (qsizetype i = 0; i + 1 < mono16.size(); i += 2) {
        int16_t v;
        std::memcpy(&v, mono16.constData() + i, 2);
        count += previous < 0 && v >= 0;
        previous = v;
    }
    return count;
}
