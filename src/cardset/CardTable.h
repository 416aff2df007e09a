#pragma once

#include <QString>
#include <QStringList>
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

// The set's naming rules, asked by every reader and writer of set folders.

// The pairs of a set: pair k (1..PairsInSet) is the card slots 2k-1 and 2k.
constexpr int PairsInSet = (NumSlots - 1) / 2;
// The pair of a card slot, 0 for the cover (and for a slot outside 0..40).
int PairOf(int slot);
// The two card slots of pair k.
std::array<int, 2> SlotsOfPair(int pair);
// The other card of a card slot's pair (2k-1 and 2k, whatever the kind); none
// for the cover.
std::optional<int> PartnerOf(int slot);

// The file names of a slot's picture and sound in a set of the kind:
// "C05.bmp", "S03.wav" (paired slot 5).
QString PictureFileName(int slot, bool duplo);
QString SoundFileName(int slot, bool duplo);
// How many pictures (and sounds) the kind calls for: 41 in a double set, 21
// in a paired one.
int FilesCalledFor(bool duplo);
// Whether `slot` is the first slot of its file: every slot in a double set,
// the cover and the odd slots in a paired one.
bool FirstSlotOfFile(int slot, bool duplo);
// Whether `name` is the name of a set file of either kind ("C00.bmp" to
// "C40.bmp", "S00.wav" to "S40.wav", "Set.cfg"), in any letter case.
bool IsSetFileName(const QString& name);
// Every set file name a folder may hold: "Set.cfg", the pictures, the sounds.
QStringList SetFileNames();

// A set folder in its one form for everything but the document's own paths:
// cleaned, with "/" separators and no trailing one. Empty stays empty.
QString SetFolderForm(const QString& folder);

// The other slot whose picture and sound files are the same as `slot`'s: in
// a paired set the other card of the pair (2k-1 and 2k); none for the cover
// and in a double set.
std::optional<int> SlotSharingFiles(int slot, bool duplo);
