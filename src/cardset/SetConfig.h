#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// "Set.cfg": the same 202 bytes in memory and on disk.
#pragma pack(push, 1)
struct TConfigConjunto {
    uint8_t Autor[201]; // length byte (0..200), then 200 character bytes (Windows-1252)
    uint8_t Duplo;      // 1 double set, 0 paired set
};
#pragma pack(pop)
static_assert(sizeof(TConfigConjunto) == 202);

constexpr int ConfigRecordSize = 202;
constexpr int AutorMaxLength = 200;
constexpr int DuploOffset = 201;
constexpr const char* ConfigFileName = "Set.cfg";

// The author's name as text (at most 200 characters are read).
QString AutorText(const TConfigConjunto& config);
// Stores a name: cut to 200 characters, length byte and text replaced, the
// bytes after the new length keep what they held.
void SetAutor(TConfigConjunto& config, const QString& name);

// The record held in the first 202 bytes of a "Set.cfg" file's contents;
// further bytes are ignored. Raises EInOutError "Read beyond end of file" when
// fewer than 202 bytes are given.
TConfigConjunto ConfigFromBytes(const QByteArray& bytes);
QByteArray ConfigToBytes(const TConfigConjunto& config);

// Reads folder's "Set.cfg" (letter case ignored) without ever creating or
// writing it; nullopt when the folder holds no such file. Raises EInOutError.
std::optional<TConfigConjunto> ReadExistingConfig(const QString& folder);
// Writes `config` as folder's "Set.cfg" by SalvaConfig's rules: an existing
// file keeps the bytes after the record and must be writable; the file is
// replaced through a temporary file in the same folder. Raises EInOutError.
void WriteConfig(const QString& folder, const TConfigConjunto& config);
