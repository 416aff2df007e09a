#include "cardset/CardTable.h"

#include "cardset/SetConfig.h"
#include "cardset/SetDocument.h"

#include <QDir>

#include <stdexcept>
#include <string>

namespace {

std::array<QString, NumSlots> numberedNames(char letter)
{
    std::array<QString, NumSlots> names;
    for (int i = 0; i < NumSlots; ++i)
        names[i] = QStringLiteral("%1%2").arg(QLatin1Char(letter)).arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

// The file number of a slot that lies outside 0..40 is clamped, so a bad slot
// can never index past the name tables.
int clampedSlot(int slot)
{
    return slot < 0 ? 0 : (slot > NumSlots - 1 ? NumSlots - 1 : slot);
}

} // namespace

const std::array<QString, NumSlots> NomesImagem = numberedNames('C');
const std::array<QString, NumSlots> NomesSom = numberedNames('S');

std::size_t TArrayElem::checkedSlot(int slot)
{
    if (slot < 0 || slot >= NumSlots)
        throw std::out_of_range("Card slot " + std::to_string(slot) + " is outside 0.." +
                                std::to_string(NumSlots - 1));
    return static_cast<std::size_t>(slot);
}

void LimpaConjunto(TConjunto& conjunto)
{
    for (int i = 0; i < NumSlots; ++i) {
        TElemento& slot = conjunto.Elementos[i];
        slot.Imagem.clear();
        slot.Som.clear();
        slot.Indice = i;
        slot.Par = (i % 2 == 1) ? i : i - 1;
    }
}

int NumeroArquivo(int slot, bool duplo)
{
    slot = clampedSlot(slot);
    if (duplo)
        return slot;
    return (slot % 2 == 0) ? slot / 2 : (slot + 1) / 2;
}

bool IsDoubleSet(const TConfigConjunto& config)
{
    return config.Duplo != 0;
}

std::optional<int> SlotSharingFiles(int slot, bool duplo)
{
    if (duplo)
        return std::nullopt;
    return PartnerOf(slot);
}

int PairOf(int slot)
{
    return slot > 0 && slot < NumSlots ? (slot + 1) / 2 : 0;
}

std::array<int, 2> SlotsOfPair(int pair)
{
    return {2 * pair - 1, 2 * pair};
}

std::optional<int> PartnerOf(int slot)
{
    if (slot <= 0 || slot >= NumSlots)
        return std::nullopt;
    return slot % 2 == 1 ? slot + 1 : slot - 1;
}

QString PictureFileName(int slot, bool duplo)
{
    return NomesImagem[size_t(NumeroArquivo(slot, duplo))] + QStringLiteral(".bmp");
}

QString SoundFileName(int slot, bool duplo)
{
    return NomesSom[size_t(NumeroArquivo(slot, duplo))] + QStringLiteral(".wav");
}

int FilesCalledFor(bool duplo)
{
    return NumeroArquivo(NumSlots - 1, duplo) + 1;
}

bool FirstSlotOfFile(int slot, bool duplo)
{
    return duplo || slot == 0 || slot % 2 == 1;
}

QStringList SetFileNames()
{
    QStringList names{QString::fromLatin1(ConfigFileName)};
    for (int slot = 0; slot < NumSlots; ++slot)
        names << PictureFileName(slot, true);
    for (int slot = 0; slot < NumSlots; ++slot)
        names << SoundFileName(slot, true);
    return names;
}

bool IsSetFileName(const QString& name)
{
    static const QStringList names = SetFileNames();
    return names.contains(name, Qt::CaseInsensitive);
}

QString SetFolderForm(const QString& folder)
{
    return folder.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(folder));
}
