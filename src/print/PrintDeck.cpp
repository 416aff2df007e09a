#include "print/PrintDeck.h"

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "common/Exception.h"
#include "common/FileNames.h"
#include "images/TBitmap.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <array>
#include <optional>

namespace {

// A picture file read once, however many cards show it.
struct LoadedPicture {
    QImage image;
    QString problem; // why there is no image
};

class PictureFiles {
  public:
    PictureFiles(const QString& folder, bool duplo) : index_(folder), duplo_(duplo) {}

    const LoadedPicture& forSlot(int slot)
    {
        const int number = NumeroArquivo(slot, duplo_);
        std::optional<LoadedPicture>& loaded = loaded_[size_t(number)];
        if (!loaded)
            loaded = load(NomesImagem[size_t(number)] + QStringLiteral(".bmp"));
        return *loaded;
    }

  private:
    LoadedPicture load(const QString& name) const
    {
        const std::optional<QString> path = index_.findFile(name);
        if (!path)
            return {QImage(), QStringLiteral("%1 is missing").arg(name)};
        try {
            TBitmap bitmap;
            bitmap.LoadBitmapFile(*path);
            QImage image = bitmap.ToImage();
            if (image.isNull())
                return {QImage(), QStringLiteral("%1 holds no picture").arg(name)};
            return {image, QString()};
        } catch (const Exception& e) {
            return {QImage(), QStringLiteral("%1: %2").arg(name, e.Message())};
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
    if (cover.image.isNull())
        deck.skipped_.push_back({0, cover.problem});

    for (int slot = 1; slot < NumSlots; ++slot) {
        const LoadedPicture& own = files.forSlot(slot);
        if (own.image.isNull()) {
            deck.skipped_.push_back({slot, own.problem});
            continue;
        }
        const int partner = partnerOf(slot);
        if (playableOnly && files.forSlot(partner).image.isNull()) {
            deck.skipped_.push_back(
                {slot, QStringLiteral("the other card of its pair (%1) has no picture").arg(partner)});
            continue;
        }
        deck.cards_.push_back({slot, own.image});
    }
    return deck;
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
