#include "ToolCommands.h"

#include "cardset/SetArchive.h"

namespace {

// pack DIR OUT.zip: the set in DIR as one file to send. Prints the set files
// left out (a link out of the folder, a pipe).
int pack(const QStringList& args)
{
    if (args.size() != 2)
        return printUsage();
    for (const QString& skipped : SetArchive::Pack(args[0], args[1]))
        printLine(QStringLiteral("skipped: %1").arg(printableName(skipped)));
    return 0;
}

// unpack ZIP EDDIR [--name NAME]: the set in ZIP as a new folder of EDDIR,
// named NAME or after the archive's set. Prints the folder made and the
// entries left out for not being a set's files.
int unpack(const QStringList& args)
{
    QStringList paths;
    QString name;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--name") && i + 1 < args.size())
            name = args[++i];
        else if (!args[i].isEmpty() && !args[i].startsWith(QLatin1String("--")))
            paths << args[i];
        else
            return printUsage();
    }
    if (paths.size() != 2)
        return printUsage();
    const SetArchive::Unpacked unpacked = SetArchive::Unpack(paths[0], paths[1], name);
    printLine(QStringLiteral("set: %1").arg(printableName(unpacked.folder)));
    for (const QString& skipped : unpacked.contents.skipped)
        printLine(QStringLiteral("skipped: %1").arg(printableName(skipped)));
    return 0;
}

const ToolCommand packCommand("pack", "DIR OUT.zip", pack);
const ToolCommand unpackCommand("unpack", "ZIP EDDIR [--name NAME]", unpack);

} // namespace
