#pragma once

#include "common/Exception.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The words (or short phrases) a set is made from, one a line, from a text
// file or pasted text. Blank lines and the blanks around a word are dropped,
// runs of blanks inside one become one space. Each word becomes a pair.
namespace WordList {

inline constexpr int MinWords = 2;
inline constexpr int MaxWords = 20; // a set has 20 pairs
// A list of 20 short lines is far smaller; anything larger is no word list.
inline constexpr qsizetype MaxBytes = 64 * 1024;

// A list that cannot make a set; the message names the list's file (none for
// pasted text) and what is wrong with it.
class EWordListError : public Exception {
  public:
    explicit EWordListError(const QString& message) : Exception(message) {}
};

// The words of `bytes`, which must be UTF-8 text (a leading byte order mark
// is dropped) of at most MaxBytes, with MinWords to MaxWords words; `source`
// is the list's file (empty for pasted text). Raises EWordListError.
QStringList Parse(const QByteArray& bytes, const QString& source);

// Parse of the file `path`: a regular file (a link is followed), refused
// before reading when larger than MaxBytes. Raises EWordListError naming it.
QStringList Load(const QString& path);

// Raises EWordListError unless `words` holds MinWords to MaxWords words.
void CheckCount(const QStringList& words, const QString& source);

} // namespace WordList
