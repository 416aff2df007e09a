#include "session/CardEdits.h"

#include "audio/ESoundImportError.h"
#include "audio/PcmCardSound.h"
#include "audio/SoundImport.h"
#include "cardset/CardCommand.h"
#include "cardset/CardNames.h"
#include "common/FileError.h"
#include "common/FileNames.h"
#include "images/TBitmap.h"
#include "session/CardDrops.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The existing spelling of a file, or nothing when it is gone (or is no
// plain file): the part it stands for is then not copied.
std::optional<QString> existingFile(const QString& path)
{
    const auto existing = path.isEmpty() ? std::nullopt : FileNames::findExisting(path);
    if (existing && FileNames::fileExists(*existing))
        return existing;
    return std::nullopt;
}

TBitmap readBitmap(const QString& path)
{
    TBitmap bitmap;
    try {
        bitmap.LoadBitmapFile(path);
    } catch (const Exception& e) {
        throw EFileError::On(e, path);
    }
    return bitmap;
}

} // namespace

void CardEdits::WritePicture(int slot, const TBitmap& picture)
{
    document_.ReplaceCardFile(slot, TSetDocument::CardPart::Picture,
                              [&picture](const QString& path) { picture.SaveBitmapFile(path); });
}

void CardEdits::saveWave(int slot, const QString& source, const TMMWaveProgress& progress)
{
    // Made for this one operation and released whatever happens.
    TMMWave wave;
    wave.OnProgress = progress;
    // The wave layer's texts name no file: the error box shows which one failed.
    try {
        wave.LoadWaveFile(source);
    } catch (const Exception& e) {
        throw EFileError::On(e, source);
    }
    document_.ReplaceCardFile(slot, TSetDocument::CardPart::Sound, [&wave](const QString& path) {
        try {
            wave.SaveWaveFile(path);
        } catch (const Exception& e) {
            throw EFileError::On(e, path);
        }
    });
}

void CardEdits::InsertSound(int slot, const QString& source, const TMMWaveProgress& progress)
{
    if (!SoundImport::CanImport(source)) {
        saveWave(slot, source, progress);
        return;
    }
    document_.ReplaceCardFile(slot, TSetDocument::CardPart::Sound, [&source](const QString& path) {
        try {
            SoundImport::ToCardSound(source, path);
        } catch (const ESoundImportError& e) {
            // The converter's texts name no file; the save's name the card's.
            throw EFileError::On(e, source);
        }
    });
}

void CardEdits::WriteSamples(int slot, const QByteArray& samples, int sampleRate)
{
    document_.ReplaceCardFile(slot, TSetDocument::CardPart::Sound, [&](const QString& path) {
        try {
            PcmCardSound::Save(samples, sampleRate, 1, path);
        } catch (const Exception& e) {
            throw EFileError::On(e, path);
        }
    });
}

void CardEdits::Paste(int slot, const TElemento& copied, const TMMWaveProgress& progress)
{
    // The two parts are pasted independently, picture first; an error stops
    // the paste, so a failing picture leaves the sound unpasted.
    if (const auto picture = existingFile(copied.Imagem))
        WritePicture(slot, readBitmap(*picture));
    if (const auto sound = existingFile(copied.Som))
        saveWave(slot, *sound, progress);
}

void CardEdits::CopyCard(int from, int to, const TMMWaveProgress& progress)
{
    TElemento card;
    card.Imagem = document_.CaminhoImagem(from);
    card.Som = document_.CaminhoSom(from);
    Paste(to, card, progress);
}

void CardEdits::DropFiles(const std::vector<int>& targets, bool pictures, const QStringList& files,
                          const TMMWaveProgress& progress)
{
    // One card after the other; the cards before an error keep their new files.
    for (size_t i = 0; i < targets.size() && qsizetype(i) < files.size(); ++i) {
        if (pictures) {
            WritePicture(targets[i], CardDrops::ReadPicture(files[qsizetype(i)]));
            NameAfterFile(targets[i], files[qsizetype(i)]);
        } else {
            InsertSound(targets[i], files[qsizetype(i)], progress);
        }
    }
}

void CardEdits::SetCardName(int slot, const QString& name)
{
    if (!document_.HasSet())
        throw Exception(QCoreApplication::translate("CardEdits", "No set is open"));
    if (slot < 0 || slot >= NumSlots)
        throw Exception(QCoreApplication::translate("CardEdits",
                                                    "There is no card %1 (0 is the cover, 1 to 40 "
                                                    "the cards)")
                            .arg(slot));
    CardNames names = CardNames::Load(document_.SetFolder());
    for (const int card : document_.SlotsOfFile(slot))
        names.SetName(card, name);
    CardCommand command(document_, QStringLiteral("Card name"));
    document_.ReplaceCardFile(slot, TSetDocument::CardPart::Name,
                              [&names](const QString& path) { names.SaveAs(path); });
}

QString CardEdits::CardName(int slot) const
{
    if (!document_.HasSet())
        return {};
    try {
        return CardNames::Load(document_.SetFolder()).NameOfCard(slot, document_.IsDoubleSet());
    } catch (const Exception&) {
        return {};
    }
}

void CardEdits::NameAfterFile(int slot, const QString& file)
{
    const QString name = QFileInfo(file).completeBaseName();
    if (!document_.HasSet() || name.isEmpty())
        return;
    CardNames names;
    try {
        names = CardNames::Load(document_.SetFolder());
    } catch (const EFileError&) {
        return; // named in the error box when the user names a card himself
    }
    if (names.NameOfCard(slot, document_.IsDoubleSet()).isEmpty())
        SetCardName(slot, name);
}
