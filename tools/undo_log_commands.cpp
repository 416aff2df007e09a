// tessellor-tool undo-log: the steps the editor keeps for Undo and Redo of a
// set's cards, read from the history index in the program's cache folder.

#include "ToolCommands.h"

#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoLog.h"

#include <QFileInfo>

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
    const QString index =
        CardUndoFiles::IndexPath(CardUndoFiles::SetCacheFolder(CardUndoFiles::CacheRoot(), folder));
    const std::vector<CardUndoLogEntry> entries = CardUndoLog::Read(index);
    if (entries.empty()) {
        printLine(QStringLiteral("No undo steps are kept for %1.").arg(folder));
        return 0;
    }
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        printLine(CardUndoLog::Describe(*entry));
    return 0;
}

const ToolCommand registered("undo-log", "DIR", undoLog);

} // namespace
