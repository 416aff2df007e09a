#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

struct TConfigConjunto;

// The model of the current set: 41 card slots, slot 0 the cover ("Deck").

struct TElemento {
    int32_t Par = 0;    // first (odd) slot of the slot's pair; -1 for the cover
    int32_t Indice = 0; // the slot's own number
    QString Imagem;     // full path of the slot's picture file, or empty
    QString Som;        // full path of the slot's sound file, or empty
};

constexpr int NumSlots = 41;

// The 41 slots. Every index goes through the one checked accessor: a slot
// outside 0..40 (an off-by-one in paging, say) raises std::out_of_range naming
// the slot instead of reaching memory past the table.
class TArrayElem {
  public:
    TElemento& operator[](int slot) { return slots_[checkedSlot(slot)]; }
    const TElemento& operator[](int slot) const { return slots_[checkedSlot(slot)]; }

    auto begin() { return slots_.begin(); }
    auto end() { return slots_.end(); }
    auto begin() const { return slots_.begin(); }
    auto end() const { return slots_.end(); }
    static constexpr int size() { return NumSlots; }

  private:
    static std::size_t checkedSlot(int slot);

    std::array<TElemento, NumSlots> slots_;
};

struct TConjunto {
    TArrayElem Elementos;
};

extern const std::array<QString, NumSlots> NomesImagem; // "C00".."C40"
extern const std::array<QString, NumSlots> NomesSom;    // "S00".."S40"

void LimpaConjunto(TConjunto& conjunto);
int NumeroArquivo(int slot, bool duplo);

// The one rule for the kind of a set, used by the paths, the scan and the
// editor alike: double when Duplo is not 0 (a Set.cfg holding 2 is double).
bool IsDoubleSet(const TConfigConjunto& config);

// The other slot whose picture and sound files are the same as `slot`'s: in
// a paired set the other card of the pair (2k-1 and 2k); none for the cover
// and in a double set.
std::optional<int> SlotSharingFiles(int slot, bool duplo);
