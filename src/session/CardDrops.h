#pragma once

#include "cardset/SetDocument.h"

#include <QStringList>
#include <vector>

class TBitmap;

// What files dropped on a card mean to the editor, apart from any widget: the
// files taken, the cards they fill and the question asked before they replace
// cards' files.
namespace CardDrops {

// A drop brings pictures or sounds to the cards, never both at once.
enum class Kind { None, Pictures, Sounds };

struct DroppedFiles {
    Kind kind = Kind::None;
    QStringList files; // in file-name order
};

// A plain file read as a card picture: a BMP, or a file named as one of the
// common picture kinds read here.
bool IsPictureFile(const QString& path);
// A plain file read as a card sound: a ".wav" file, or a sound of another
// format that can be converted.
bool IsSoundFile(const QString& path);

// The files when every one is a picture, or every one a sound; otherwise
// Kind::None (an empty list, a path that is no plain file, a file of neither
// kind, pictures and sounds mixed). The files are sorted by name as people
// read them: letter case ignored, numbers by value ("2" before "10").
DroppedFiles Classify(const QStringList& paths);

// The cards `count` files dropped on `first` go to, one file each: that card,
// then the following ones with files of their own (in a paired set every
// other slot, one file per pair), up to the last card.
std::vector<int> FollowingSlots(const TSetDocument& document, int first, int count);

// The question to ask before `files` fill `targets` (see FollowingSlots): which
// of these cards already have a file of that kind and are replaced, and how
// many files are left out for want of cards. Empty when there is nothing to ask.
QString FillQuestion(const TSetDocument& document, Kind kind, const std::vector<int>& targets, int files);

// The card picture of the file `path` as Insert image reads it; an error names the file.
TBitmap ReadPicture(const QString& path);

} // namespace CardDrops
