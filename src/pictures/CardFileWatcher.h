#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Follows the files a view shows on disk: the set's folder (files added,
// removed or renamed over; the folder deleted, or moved out of the folder
// holding it) and the files themselves (written in place). It
// tells once things have been quiet for a moment, as one program's write
// touches a file many times, or after a second at most when the folder
// holding the set never rests (a downloads folder, say); and once per folder
// that the folder is gone.
class CardFileWatcher : public QObject {
    Q_OBJECT

  public:
    explicit CardFileWatcher(QObject* parent = nullptr);

    // Watches `folder` (none when empty), the folders in `others` (not
    // reported when gone) and the files in `files` that exist.
    void watch(const QString& folder, const QStringList& files, const QStringList& others = {});

  signals:
    // A watched file or the folder changed.
    void changed();
    // The folder watched no longer exists; said once until another is watched.
    void folderGone(const QString& folder);

  private:
    void noteChange();
    void settled();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QElapsedTimer pendingSince_; // the first change not yet told
    QString folder_;
    QStringList files_;
    QStringList others_;
    bool goneTold_ = false;
};
