#pragma once

#include <QString>
#include <cstdint>

// "Set.cfg": the same 202 bytes in memory and on disk.
#pragma pack(push, 1)
struct TConfigConjunto {
    uint8_t Autor[201];  // length byte (0..200), then 200 character bytes (Windows-1252)
    uint8_t Duplo;       // 1 double set, 0 paired set
};
#pragma pack(pop)
static_assert(sizeof(TConfigConjunto) == 202);

extern TConfigConjunto ConfigConjunto;

// The author's name as text (at most 200 characters are read).
QString AutorText(const TConfigConjunto& config);
// Stores a name: cut to 200 characters, length byte and text replaced, the
// bytes after the new length keep what they held.
void SetAutor(TConfigConjunto& config, const QString& name);

// Fills ConfigConjunto from folder + "/Set.cfg", creating the file when missing.
// Raises EInOutError on failure.
void CarregaConfig(const QString& folder);
// Writes ConfigConjunto to PastaConjunto + "/Set.cfg". Raises EInOutError.
void SalvaConfig();
