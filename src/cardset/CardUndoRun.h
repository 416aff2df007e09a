#pragma once

#include <QString>
#include <optional>

// One editor process as the undo cache names it: its process id and the time
// it started. The start tells a process apart from a later one that was given
// the same id, so an ended editor's folder is never taken for a live one's,
// nor a live one's for an ended one's.
struct CardUndoRun {
    qint64 pid = 0;
    qint64 start = 0; // milliseconds since the epoch

    bool operator==(const CardUndoRun&) const = default;

    // This process.
    static CardUndoRun Current();
    // "<pid>-<start>", the name of the run's folder; nothing for any other name.
    static std::optional<CardUndoRun> FromName(const QString& name);
    QString Name() const;
    // Whether the process is gone: no process has the id, or the one that has
    // it started at another time.
    bool OwnerGone() const;
    // "process 1234, started 2026-12-07 14:02:11[, running]", for the tool.
    QString Describe() const;
};
