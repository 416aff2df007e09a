#pragma once

// For tests: the names the editor has always used for the current set's
// state and rules, each one a member or rule of the test's document. The
// including header defines TestDocument() first.

#include "cardset/SetDocument.h"
#include "cardset/SetScan.h"

#include <optional>

inline const TConjunto& Conjunto()
{
    return TestDocument().Conjunto();
}
inline const QString& PastaBase()
{
    return TestDocument().PastaBase();
}
inline const QString& PastaConjunto()
{
    return TestDocument().PastaConjunto();
}
inline const TConfigConjunto& ConfigConjunto()
{
    return TestDocument().ConfigConjunto();
}
// The current record with only the author, or only the kind, replaced (the
// other bytes kept, as the editor's own SetAutor keeps them); nothing written.
inline void SetAutorAtual(const QString& name)
{
    TConfigConjunto config = ConfigConjunto();
    SetAutor(config, name);
    TestDocument().SetConfigConjunto(config);
}
inline void SetDuploAtual(uint8_t duplo)
{
    TConfigConjunto config = ConfigConjunto();
    config.Duplo = duplo;
    TestDocument().SetConfigConjunto(config);
}
inline QString CaminhoImagem(int slot)
{
    return TestDocument().CaminhoImagem(slot);
}
inline QString CaminhoSom(int slot)
{
    return TestDocument().CaminhoSom(slot);
}
inline std::optional<int> SlotSharingFiles(int slot)
{
    return TestDocument().SlotSharingFiles(slot);
}
inline void RecordImagem(int slot, const QString& path)
{
    TestDocument().RecordCardPath(slot, TSetDocument::CardPart::Picture, path);
}
inline void RecordSom(int slot, const QString& path)
{
    TestDocument().RecordCardPath(slot, TSetDocument::CardPart::Sound, path);
}
// Puts `path` in exactly the one slot, as undo puts back a restored file;
// the listeners are told.
inline void RestoreImagem(int slot, const QString& path)
{
    TestDocument().RestoreCardPaths(TSetDocument::CardPart::Picture, {{slot, path}});
}
inline void RestoreSom(int slot, const QString& path)
{
    TestDocument().RestoreCardPaths(TSetDocument::CardPart::Sound, {{slot, path}});
}
inline void CarregaConfig(const QString& folder)
{
    TestDocument().CarregaConfig(folder);
}
inline void SalvaConfig()
{
    TestDocument().SalvaConfig();
}
