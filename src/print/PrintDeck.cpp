#include "print/PrintDeck.h"

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "common/Exception.h"
#include "common/FileNames.h"
#include "images/BitmapErrors.h"
#include "images/TBitmap.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <array>
#include <optional>

namespace {

// A picture file checked once, however many cards show it.
struct LoadedPicture {
    QString path;
    QImage image;    // kept for the cover only
    QString problem; // why the file cannot be printed

    bool reads() const { return problem.isEmpty(); }
};

class PictureFiles {
  public:
    PictureFiles(const QString& folder, bool duplo) : index_(folder), duplo_(duplo) {}

    const LoadedPicture& forSlot(int slot)
    {
        const int number = NumeroArquivo(slot, duplo_);
        std::optional<LoadedPicture>& loaded = loaded_[size_t(number)];
        if (!loaded)
            loaded = load(NomesImagem[size_t(number)] + QStringLiteral(".bmp"), slot == 0);
        return *loaded;
    }

  private:
    LoadedPicture load(const QString& name, bool keepImage) const
    {
        const std::optional<QString> path = index_.findFile(name);
        if (!path)
            return {QString(), QImage(), QStringLiteral("%1 is missing").arg(name)};
        try {
            QImage image = PrintDeck::LoadPicture(*path);
            return {*path, keepImage ? image : QImage(), QString()};
        } catch (const Exception& e) {
            return {*path, QImage(), QStringLiteral("%1: %2").arg(name, e.Message())};
        }
    }

    FileNames::FolderIndex index_;
    bool duplo_;
    std::array<std::optional<LoadedPicture>, NumSlots> loaded_;
};

int partnerOf(int slot)
{
    return slot % 2 == 1 ? slot + 1 : slot - 1;
}

} // namespace

PrintDeck PrintDeck::read(const QString& folder, bool playableOnly)
{
    PrintDeck deck;
    const QString clean = QDir::cleanPath(folder);
    deck.setName_ = QFileInfo(clean).fileName();
    const std::optional<TConfigConjunto> config = ReadExistingConfig(clean);
    PictureFiles files(clean, config && IsDoubleSet(*config));

    const LoadedPicture& cover = files.forSlot(0);
    deck.cover_ = cover.image;
    if (!cover.reads())
        deck.skipped_.push_back({0, cover.problem});

    for (int slot = 1; slot < NumSlots; ++slot) {
        const LoadedPicture& own = files.forSlot(slot);
        if (!own.reads()) {
            deck.skipped_.push_back({slot, own.problem});
            continue;
        }
        const int partner = partnerOf(slot);
        if (playableOnly && !files.forSlot(partner).reads()) {
            deck.skipped_.push_back(
                {slot, QStringLiteral("the other card of its pair (%1) has no picture").arg(partner)});
            continue;
        }
        deck.cards_.push_back({slot, own.path});
    }
    return deck;
}

QImage PrintDeck::LoadPicture(const QString& path)
{
    TBitmap bitmap;
    bitmap.LoadBitmapFile(path);
    QImage image = bitmap.ToImage();
    if (image.isNull())
        throw EInvalidGraphic();
    return image;
}

QStringList PrintDeck::skippedLines() const
{
    QStringList lines;
    for (const Skipped& s : skipped_) {
        const QString card = s.slot == 0 ? QStringLiteral("cover") : QStringLiteral("card %1").arg(s.slot);
        lines << QStringLiteral("%1: %2").arg(card, s.reason);
    }
    return lines;
}
