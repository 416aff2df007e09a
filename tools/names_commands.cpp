// tessellor-tool names: lists a set's card names, or names one card as the
// editor's "Card name..." does (paired cards share it; Undo in the editor
// does not know of it, as of any other tool write).

#include "ToolCommands.h"

#include "cardset/CardNames.h"
#include "cardset/SetConfig.h"
#include "cardset/SetDocument.h"
#include "session/CardEdits.h"

#include <QDir>
#include <QFileInfo>

namespace {

int listNames(const QString& folder)
{
    for (const auto& [slot, name] : CardNames::Load(folder).Named())
        printLine(QStringLiteral("slot %1: %2").arg(slot).arg(printableName(name)));
    return 0;
}

int setName(const QString& folder, const QString& slotText, const QString& name)
{
    bool ok = false;
    const int slot = slotText.toInt(&ok);
    if (!ok || slot < 0 || slot >= NumSlots) {
        printError(QStringLiteral("No such card: %1 (0 is the cover, 1 to 40 the cards)").arg(slotText));
        return 2;
    }
    // The set's own "Set.cfg" tells the kind; without one it is a paired set,
    // as Open set would make it, and the file is not created here.
    TConfigConjunto config{};
    if (const std::optional<TConfigConjunto> stored = ReadExistingConfig(folder))
        config = *stored;
    TSetDocument document;
    document.ChooseSet(folder + QLatin1Char('/'), AutorText(config), config.Duplo);
    CardEdits(document).SetCardName(slot, name);
    return listNames(folder);
}

int names(const QStringList& args)
{
    const bool setting = args.size() == 4 && args[1] == QLatin1String("--set");
    if (args.size() != 1 && !setting)
        return printUsage();
    const QString folder = QDir::cleanPath(args.first());
    if (!QFileInfo(folder).isDir()) {
        printError(QStringLiteral("Folder not found: %1").arg(folder));
        return 1;
    }
    return setting ? setName(folder, args[2], args[3]) : listNames(folder);
}

const ToolCommand namesCommand("names", "DIR [--set N NAME]", names);

} // namespace
