#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The model of the current set: 41 card slots, slot 0 the cover ("Deck").

struct TElemento {
    int32_t Par = 0;    // first (odd) slot of the slot's pair; -1 for the cover
    int32_t Indice = 0; // the slot's own number
    QString Imagem;     // full path of the slot's picture file, or empty
    QString Som;        // full path of the slot's sound file, or empty
};

constexpr int NumSlots = 41;
using TArrayElem = std::array<TElemento, NumSlots>;

struct TConjunto {
    TArrayElem Elementos;
};

// Process-wide state of the current set.
extern TConjunto Conjunto;
extern QString PastaBase;     // program folder + "Ed/"
extern QString PastaConjunto; // current set folder, ending with "/" while a set is current

extern const std::array<QString, NumSlots> NomesImagem; // "C00".."C40"
extern const std::array<QString, NumSlots> NomesSom;    // "S00".."S40"

void LimpaConjunto(TConjunto& conjunto);
int NumeroArquivo(int slot, bool duplo);
// Paths of a slot's files by the naming rule, the set counted as double when
// ConfigConjunto.Duplo is not 0.
QString CaminhoImagem(int slot);
QString CaminhoSom(int slot);
