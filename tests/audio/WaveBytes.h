#pragma once

// Builders of RIFF and wave file bytes for the tests: every field is written
// by hand, so a test can make a file lie in exactly one place.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>
#include <cstdint>
#include <initializer_list>

namespace WaveBytes {

inline QByteArray U16(uint16_t v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<uint16_t>(v, b.data());
    return b;
}

inline QByteArray U32(uint32_t v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<uint32_t>(v, b.data());
    return b;
}

// A chunk: id, the given size field, the payload, and a pad byte after an odd
// payload when `pad` is set.
inline QByteArray ChunkWithSize(const char* id, uint32_t sizeField, const QByteArray& payload,
                                bool pad = true)
{
    QByteArray c = QByteArray(id, 4) + U32(sizeField) + payload;
    if (pad && (payload.size() & 1))
        c += '\0';
    return c;
}

inline QByteArray Chunk(const char* id, const QByteArray& payload, bool pad = true)
{
    return ChunkWithSize(id, uint32_t(payload.size()), payload, pad);
}

inline QByteArray Concat(std::initializer_list<QByteArray> parts)
{
    QByteArray all;
    for (const QByteArray& p : parts)
        all += p;
    return all;
}

// "RIFF" + size + form type + body; the size field is 4 + body unless given.
inline QByteArray Riff(const QByteArray& body, const char* form = "WAVE", int64_t sizeField = -1)
{
    const uint32_t size = sizeField < 0 ? uint32_t(4 + body.size()) : uint32_t(sizeField);
    return QByteArray("RIFF") + U32(size) + QByteArray(form, 4) + body;
}

inline QByteArray List(const char* form, const QByteArray& body)
{
    return Chunk("LIST", QByteArray(form, 4) + body);
}

// The 16 bytes of the format header without cbSize.
inline QByteArray Format16(uint16_t tag, uint16_t channels, uint32_t rate, uint32_t avg, uint16_t align,
                           uint16_t bits)
{
    return U16(tag) + U16(channels) + U32(rate) + U32(avg) + U16(align) + U16(bits);
}

inline QByteArray PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits)
{
    const uint16_t align = uint16_t(channels * bits / 8);
    return Format16(1, channels, rate, align * rate, align, bits);
}

inline QByteArray FmtChunk(const QByteArray& format)
{
    return Chunk("fmt ", format);
}

// Sample bytes 0, 1, 2, ... (mod 251) so that any shift shows.
inline QByteArray Ramp(int count, int first = 0)
{
    QByteArray b(count, '\0');
    for (int i = 0; i < count; ++i)
        b[i] = char((first + i) % 251);
    return b;
}

// A plain PCM wave: fmt (16 bytes) then data.
inline QByteArray PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const QByteArray& samples)
{
    return Riff(FmtChunk(PcmFormat(channels, rate, bits)) + Chunk("data", samples));
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The top-level chunks of a well-formed wave file, as written by us and by
// the programs the interop tests use.
struct ChunkBytes {
    QByteArray id;
    QByteArray payload;
};

inline QList<ChunkBytes> Chunks(const QByteArray& file)
{
    QList<ChunkBytes> chunks;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const uint32_t size = qFromLittleEndian<uint32_t>(file.constData() + at + 4);
        chunks.append({file.mid(at, 4), file.mid(at + 8, size)});
        at += 8 + qsizetype(size) + (size & 1);
    }
    return chunks;
}

inline QByteArray ChunkPayload(const QList<ChunkBytes>& chunks, const char* id)
{
    for (const ChunkBytes& c : chunks)
        if (c.id == id)
            return c.payload;
    return {};
}

// The sub-chunks of a LIST payload, after its form type.
inline QList<ChunkBytes> ListItems(const QByteArray& list)
{
    return Chunks(QByteArray(8, '\0') + list);
}

// Puts `extra` chunks just after the fmt chunk of a wave file.
inline QByteArray WithChunksAfterFormat(const QByteArray& file, const QByteArray& extra)
{
    QByteArray body;
    for (const ChunkBytes& c : Chunks(file)) {
        body += Chunk(c.id.constData(), c.payload);
        if (c.id == "fmt ")
            body += extra;
    }
    return Riff(body);
}

} // namespace WaveBytes
