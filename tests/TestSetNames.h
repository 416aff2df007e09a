#pragma once

// For tests: the names the editor has always used for the current set's
// state and rules, each one a member or rule of the test's document. The
// including header defines TestDocument() first.

#include "cardset/SetDocument.h"
#include "cardset/SetScan.h"

#include <optional>

inline TConjunto& Conjunto()
{
    return TestDocument().Conjunto;
}
inline QString& PastaBase()
{
    return TestDocument().PastaBase;
}
inline QString& PastaConjunto()
{
    return TestDocument().PastaConjunto;
}
inline TConfigConjunto& ConfigConjunto()
{
    return TestDocument().ConfigConjunto;
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
inline void CarregaConfig(const QString& folder)
{
    TestDocument().CarregaConfig(folder);
}
inline void SalvaConfig()
{
    TestDocument().SalvaConfig();
}
inline bool CarregaConjunto(ScanView& view)
{
    return CarregaConjunto(TestDocument(), view);
}
