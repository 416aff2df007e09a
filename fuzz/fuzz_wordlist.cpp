// The word list reader on arbitrary bytes: either a list of 2 to 20 words,
// each trimmed, without control characters, or a refusal with a message.

#include "cardset/WordList.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList words;
    try {
        words = WordList::Parse(bytes, QStringLiteral("list.txt"));
    } catch (const WordList::EWordListError& e) {
        if (e.Message().isEmpty())
            std::abort();
        return 0;
    }
    if (words.size() < WordList::MinWords || words.size() > WordList::MaxWords)
        std::abort();
    for (const QString& word : words)
        if (word.isEmpty() || word != word.simplified() || word.contains(QLatin1Char('\t')))
            std::abort();
    return 0;
}
