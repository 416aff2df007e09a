#include "game/DealArgs.h"

std::optional<DealArgs> ParseDealArgs(const QStringList& args)
{
    DealArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == QLatin1String("--pairs") && i + 1 < args.size()) {
            parsed.pairs = args[++i].toInt(&ok);
            ok = ok && parsed.pairs > 0;
        } else if (args[i] == QLatin1String("--seed") && i + 1 < args.size()) {
            parsed.seed = args[++i].toUInt(&ok);
        } else if (parsed.folder.isEmpty() && !args[i].isEmpty() &&
                   !args[i].startsWith(QLatin1String("--"))) {
            parsed.folder = args[i];
        } else {
            ok = false;
        }
        if (!ok)
            return std::nullopt;
    }
    if (parsed.folder.isEmpty())
        return std::nullopt;
    return parsed;
}
