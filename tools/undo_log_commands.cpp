// tessellor-tool undo-log: the steps the editors keep for Undo and Redo of a
// set's cards, read from the history index of each editor run in the
// program's cache folder, newest first, each with the run that made it.

#include "ToolCommands.h"

#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoLog.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

int undoLog(const QStringList& args)
{
    if (args.size() != 1)
        return printUsage();
    const QString& folder = args.first();
    if (!QFileInfo(folder).isDir()) {
        printError(QStringLiteral("%1 is no folder").arg(folder));
        return 1;
    }
    const QDir runs(CardUndoFiles::SetCacheFolder(CardUndoFiles::CacheRoot(), folder));
    std::vector<std::pair<CardUndoStep, bool>> steps; // and whether undone
    const QStringList names =
        CardUndoFiles::IsPlainFolder(runs.path()) ? CardUndoFiles::SubFolders(runs.path()) : QStringList();
    for (const QString& run : names) {
        CardUndoLog::History history = CardUndoLog::Read(CardUndoFiles::IndexPath(runs.filePath(run)));
        for (CardUndoStep& step : history.done)
            steps.emplace_back(std::move(step), false);
        // The next to redo was undone last: the newest of them.
        for (CardUndoStep& step : history.undone)
            steps.emplace_back(std::move(step), true);
    }
    if (steps.empty()) {
        printLine(QStringLiteral("No undo steps are kept for %1.").arg(folder));
        return 0;
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const auto& a, const auto& b) { return a.first.when > b.first.when; });
    for (const auto& [step, undone] : steps)
        printLine(CardUndoLog::Describe(step, undone));
    return 0;
}

const ToolCommand registered("undo-log", "DIR", undoLog);

} // namespace
