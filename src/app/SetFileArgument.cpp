#include "app/SetFileArgument.h"

#include "app/TfrmConfigurador.h"
#include "cardset/SetDocument.h"
#include "cardset/ui/SetArchiveCommands.h"

std::optional<QString> SetFileArgument(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')))
            return argument;
    }
    return std::nullopt;
}

bool OpenSetFile(TfrmConfigurador& window, const QString& path)
{
    const std::optional<QString> folder =
        SetArchiveCommands::ImportSetFile(&window, path, window.Document().PastaBase());
    if (!folder)
        return false;
    window.openSetFolder(*folder);
    return true;
}
