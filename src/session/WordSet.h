#pragma once

#include "common/Exception.h"
#include "images/CardText.h"

#include <QString>
#include <QStringList>
#include <vector>

// A whole set made from a list of words (WordList): each word a pair whose
// cards show the word as Insert Text draws it, say it as Speak text says it,
// and are named after it. In a double set the second card of a pair shows
// the word's picture from a folder of pictures (found by the word as its
// name, letter case and kind aside), else the text card too. The cover is
// a chosen picture or else a text card of the set's name, never a card's own
// face, as the game shows the cover on the back of every card.
//
// The set is made as New set makes one and filled by the card writes of the
// session, in a hidden folder beside the sets' folder that becomes the set
// only once every card is written: a failure leaves nothing behind.
struct WordSetOptions {
    QStringList words;
    bool duplo = false;
    QString voice;          // a voice of Speech::Voices(); empty: Speech::DefaultVoice()
    QString picturesFolder; // double sets only; empty: none
    QString coverPicture;   // empty: a text card of the set's name
    CardText::CanvasFont font = CardText::DefaultCanvasFont();
    // A word whose text card would be cut at the card's edges is refused
    // unless the user agreed to have it cut.
    bool cutTextAgreed = false;
};

namespace WordSet {

// A word set that cannot be made; the message names the word or file.
class EWordSetError : public Exception {
  public:
    explicit EWordSetError(const QString& message) : Exception(message) {}
};

struct Card {
    int slot;
    QString name;
};

struct Made {
    QString folder;          // the new set's folder
    std::vector<Card> cards; // the cards filled, 1 to 40, in order, named as in the names file
};

// The words whose text card would be cut at the card's edges in `font`.
QStringList CutWords(const QStringList& words, const CardText::CanvasFont& font);

// The picture file for each word in `folder` (an empty string for none): a
// plain file, no link, whose name without its extension is the word, letter
// case ignored, of a kind Insert image takes; the first in name order when
// there are several. Raises EWordSetError when the folder cannot be read.
QStringList FindPictures(const QString& folder, const QStringList& words);

// Makes the set `setFolder` (a new folder in the sets' folder, which is made
// when missing). Everything is checked first (the words, the cut texts, the
// name, the pictures, the voice); nothing is written before. Raises
// EWordSetError, the list's, picture, speech and file errors, and
// ESetNameTaken (SetArchive.h) when the set exists.
Made Build(const QString& setFolder, const WordSetOptions& options);

} // namespace WordSet
