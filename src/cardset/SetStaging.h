#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// A new set folder built out of sight and moved into the sets' folder only
// when whole: the files go into a hidden folder beside the sets' folder
// (".Ed-import-XXXXXX", which the leftovers rule sweeps once its writer is
// gone), held as in use while it lives. Dropped before MoveInto, it removes
// the hidden folder and any folders it had to make, so a failure leaves
// nothing behind. Raises ESetArchiveError (SetArchive.h).
class SetStaging {
  public:
    // Makes `edFolder` (and the folders above it) when missing, sweeps the
    // leftovers beside it and makes the hidden folder.
    explicit SetStaging(const QString& edFolder);
    ~SetStaging();
    SetStaging(const SetStaging&) = delete;
    SetStaging& operator=(const SetStaging&) = delete;

    // The folder that receives the set's files.
    const QString& Folder() const { return staging_; }
    // The sets' folder, cleaned.
    const QString& Ed() const { return ed_; }

    // The folder a set named `name` would take in `edFolder`; raises when the
    // name cannot name a set or is taken (letter case ignored).
    static QString CheckTarget(const QString& edFolder, const QString& name);

    // Moves the finished set into the sets' folder as `name` and returns its
    // folder. A set that took the name meanwhile is never replaced.
    QString MoveInto(const QString& name);

  private:
    void makeStaging();
    // Closes and removes what a failed build leaves.
    void release();

    // The folders that were made for the sets' folder, the deepest first.
    QStringList made_;
    bool kept_ = false;
    QString ed_;
    std::optional<QTemporaryDir> temporary_;
    int held_ = -1;
    QString staging_;
};
