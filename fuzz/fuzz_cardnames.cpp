// The card names reader on arbitrary bytes: what it does not understand comes
// back byte for byte, what it reads as names is bounded and survives being
// written and read again, and naming a card changes only that card.

#include "cardset/CardNames.h"
#include "cardset/CardTable.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CardNames names = CardNames::Parse(bytes);
    // An unchanged file is written exactly as read (a lone byte-order mark
    // is nothing to keep).
    if (names.ToBytes() != bytes && bytes != QByteArray("\xEF\xBB\xBF"))
        std::abort();
    for (const auto& [slot, name] : names.Named())
        if (slot < 0 || slot >= NumSlots || name.isEmpty() || name.size() > CardNames::MaxNameLength ||
            CardNames::Tidied(name) != name)
            std::abort();
    // Naming one card with the first bytes' text leaves every other name alone.
    const int slot = size > 0 ? data[0] % NumSlots : 0;
    const QString given = QString::fromUtf8(bytes.left(64));
    const auto before = names.Named();
    names.SetName(slot, given);
    const CardNames reread = CardNames::Parse(names.ToBytes());
    if (reread.Name(slot) != CardNames::Tidied(given))
        std::abort();
    for (const auto& [other, name] : before)
        if (other != slot && reread.Name(other) != name)
            std::abort();
    return 0;
}
