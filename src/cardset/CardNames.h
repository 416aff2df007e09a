#pragma once

#include "cardset/CardTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

// The names of a set's cards ("cat"), kept in the set folder's "Names.txt":
// UTF-8, one line per named slot, the slot number, a tab, the name. The
// set's own files know nothing of it; every reader of them ignores it.
//
// The file is the user's and may hold anything: a line that is not a slot
// 0..40 with a valid name (another program's note, a bad number, broken
// UTF-8, a control character, an over-long name) is kept byte for byte in
// its place and never read as a name. The first line of a slot names it;
// naming the slot again rewrites that line and drops any later one.
class CardNames {
  public:
    static const QString FileName; // "Names.txt"
    // A bigger file is refused whole rather than read into memory.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;
    // Longer names are cut when set and not read from the file.
    static constexpr int MaxNameLength = 200;

    static CardNames Parse(const QByteArray& bytes);
    QByteArray ToBytes() const;

    // The slot's name, empty when it has none (or `slot` is no slot).
    QString Name(int slot) const;
    // Names the slot (0..40, else std::out_of_range). The name is tidied
    // first (see Tidied); an empty one removes the slot's line.
    void SetName(int slot, const QString& name);
    // The name card `slot` shows in a set of the kind: its own, or in a
    // paired set its partner's when it has none, as the two share a picture.
    QString NameOfCard(int slot, bool duplo) const;
    // No name at all (lines not understood may still be there).
    bool IsEmpty() const;
    // The named slots and their names, in slot order.
    std::vector<std::pair<int, QString>> Named() const;

    // A name as it is stored: line breaks, tabs and other control characters
    // become spaces, spaces at the ends go, and it is cut to MaxNameLength
    // characters (never inside a character).
    static QString Tidied(const QString& name);

    // The path of the names file in `setFolder`.
    static QString PathIn(const QString& setFolder);
    // The set folder's names; none when the file is missing. A file that is
    // a link, no regular file, too big or unreadable raises EFileError naming it.
    static CardNames Load(const QString& setFolder);
    // Every slot's NameOfCard in the set folder. A file that cannot be read
    // gives no names: whoever shows the cards goes on without them.
    static std::array<QString, NumSlots> ShownNames(const QString& setFolder, bool duplo);
    // Writes them as the set folder's names file, replacing it through a
    // temporary file, or removes the file when nothing is left to keep.
    // Raises EFileError naming the file.
    void Save(const QString& setFolder) const;
    // Writes them to `path` as Save does.
    void SaveAs(const QString& path) const;

  private:
    struct Line {
        QByteArray bytes;        // as read, without its line end
        QByteArray end;          // "\n", "\r\n" or nothing for a last line without one
        std::optional<int> slot; // set when the line names a slot
        QString name;
        bool repeated = false; // a later line for a slot named before
    };

    static Line parseLine(const QByteArray& bytes, const QByteArray& end, std::vector<bool>& named);
    const Line* lineOf(int slot) const;

    QByteArray bom_;
    std::vector<Line> lines_;
};
