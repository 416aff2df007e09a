#pragma once

#include <QString>
#include <QStringList>

// The sets last opened or imported, newest first, kept in the user's
// settings so that the next run offers them again. A folder is listed once;
// the list holds at most Capacity folders. It shows nothing: the window's
// Files menu lists it.
class RecentSets {
  public:
    static constexpr int Capacity = 8;

    // Reads the list the settings hold now.
    RecentSets();

    // `folder` becomes the first entry (moved there when already listed) and
    // the list is stored at once, so that another editor started later sees it.
    void add(const QString& folder);
    const QStringList& folders() const { return folders_; }
    // The entry of `folder` (however its path is spelt), -1 when not listed.
    int indexOf(const QString& folder) const;
    // Whether `folder` is there to be opened; a folder gone stays listed, greyed.
    static bool available(const QString& folder);

  private:
    QStringList folders_;
};
