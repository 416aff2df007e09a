// The "Set.cfg" reader on arbitrary bytes: the record is taken from the same
// function that reads the file, then its author is decoded and stored again.

#include "cardset/SetConfig.h"
#include "common/Exception.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TConfigConjunto config;
    try {
        config = ConfigFromBytes(bytes);
    } catch (const Exception&) {
        if (size >= sizeof(TConfigConjunto))
            std::abort(); // a whole record must always be readable
        return 0;
    }
    const QString author = AutorText(config);
    if (author.size() > AutorMaxLength)
        std::abort();
    // Storing what was read gives back the same text and length byte, bounded.
    TConfigConjunto stored = config;
    SetAutor(stored, author);
    if (AutorText(stored) != author || stored.Autor[0] > AutorMaxLength)
        std::abort();
    if (std::memcmp(ConfigToBytes(config).constData(), data, sizeof(TConfigConjunto)) != 0)
        std::abort();
    return 0;
}
