#include "cardset/Windows1252.h"

#include <QList>
#include <array>

namespace Windows1252 {
namespace {

constexpr char32_t FirstSpecial = 0x80;
constexpr char32_t LastSpecial = 0x9F;
constexpr char Unrepresentable = '?';

// Bytes 0x80..0x9F. The five bytes that the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value, as
// Windows itself converts them, so they survive a round trip.
constexpr std::array<char16_t, 32> SpecialCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char encodeCharacter(char32_t c)
{
    for (std::size_t i = 0; i < SpecialCharacters.size(); ++i) {
        if (SpecialCharacters[i] == c)
            return static_cast<char>(FirstSpecial + i);
    }
    // Outside 0x80..0x9F the code page is Latin-1.
    if (c <= 0xFF && (c < FirstSpecial || c > LastSpecial))
        return static_cast<char>(c);
    return Unrepresentable;
}

} // namespace

QString decode(const char* bytes, qsizetype length)
{
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= FirstSpecial && byte <= LastSpecial)
            text.append(QChar(SpecialCharacters[byte - FirstSpecial]));
        else
            text.append(QChar(byte));
    }
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    for (const uint c : text.toUcs4())
        bytes.append(encodeCharacter(c));
    return bytes;
}

} // namespace Windows1252
