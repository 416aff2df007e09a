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

  private:
    void saveWave(int slot, const QString& source, const TMMWaveProgress& progress);

    TSetDocument& document_;
};
