#pragma once

#include "audio/TMMWave.h"
#include "cardset/CardTable.h"
#include "cardset/SetDocument.h"

#include <QByteArray>
#include <QStringList>

class TBitmap;

// Every write of a card's file, apart from any widget: each operation takes
// data (a picture, a wave file, samples, paths) and writes through the
// document's ReplaceCardFile, which records the path only after the write
// and tells Undo. The window, the tool and tests run them alike. An error
// names the file it failed on and records nothing for that file.
class CardEdits {
  public:
    explicit CardEdits(TSetDocument& document) : document_(document) {}

    // `picture` becomes card `slot`'s picture file (Insert image, Insert
    // Text, Duplicate, Paste picture, a dropped picture).
    void WritePicture(int slot, const TBitmap& picture);
    // The sound file `source` becomes card `slot`'s sound: a wave file as the
    // wave object reads it, a sound of another format converted (Insert
    // Sound, a dropped sound). `progress` hears of a wave's save.
    void InsertSound(int slot, const QString& source, const TMMWaveProgress& progress = {});
    // 16-bit mono samples saved as card `slot`'s sound (Record, Speak text).
    void WriteSamples(int slot, const QByteArray& samples, int sampleRate);
    // Paste: the copied card's picture and sound files, each when it still
    // exists, written as card `slot`'s, picture first; an error stops there.
    void Paste(int slot, const TElemento& copied, const TMMWaveProgress& progress = {});
    // A card dragged onto another: as Paste, from the files of card `from`.
    void CopyCard(int from, int to, const TMMWaveProgress& progress = {});
    // Dropped files, already classified and in name order, onto `targets`,
    // one each; an error stops the drop at its card.
    void DropFiles(const std::vector<int>& targets, bool pictures, const QStringList& files,
                   const TMMWaveProgress& progress = {});

    // Card `slot`'s name becomes `name` (tidied; empty removes it), and in a
    // paired set its partner's too, as they share a picture. The set's names
    // file is rewritten; one step of Undo, "Card name on card 7". Raises when
    // no set is open, for a slot outside 0..40 and when the file cannot be
    // read or written.
    void SetCardName(int slot, const QString& name);
    // The name card `slot` shows (CardNames::NameOfCard), empty when none; a
    // names file that cannot be read gives none (the editor goes on).
    QString CardName(int slot) const;
    // A card without a name takes the base name of the picture file it was
    // given ("cat.jpg": "cat"). A names file that cannot be read leaves the
    // card unnamed: the picture is what the user asked for.
    void NameAfterFile(int slot, const QString& file);

  private:
    void saveWave(int slot, const QString& source, const TMMWaveProgress& progress);

    TSetDocument& document_;
};
