#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The arguments that name a deal on the command line, for tessellor-tool
// deal and tessellor --play alike: SETDIR [--pairs N] [--seed S].
struct DealArgs {
    QString folder;
    int pairs = 0; // 0: every playable pair
    std::optional<uint32_t> seed;
};

// None for a missing folder, a stray argument, a pair count below 1 or a
// seed that is not a 32-bit unsigned number.
std::optional<DealArgs> ParseDealArgs(const QStringList& args);
