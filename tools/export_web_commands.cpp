#include "ToolCommands.h"

#include "web/WebPage.h"

namespace {

QString numberList(const QString& label, const std::vector<int>& numbers)
{
    QString line = label + QLatin1Char(':');
    for (const int number : numbers)
        line += QLatin1Char(' ') + QString::number(number);
    return line;
}

// export-web DIR OUT.html [--language CODE]: the set in DIR as one web page
// that plays the game, as Files > "Export as web page..." writes it, in the
// language CODE ("pt-BR", "de"; without it, in the page's own English).
// Prints what the page holds, and a line for each sound that had to be left
// out.
int exportWeb(const QStringList& args)
{
    QStringList paths;
    WebPage::Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--language") && i + 1 < args.size())
            options.language = args[++i];
        else if (args[i].startsWith(QLatin1String("--")))
            return printUsage();
        else
            paths << args[i];
    }
    if (paths.size() != 2)
        return printUsage();
    try {
        const WebPage::Page page = WebPage::Export(paths[0], paths[1], options);
        printLine(QStringLiteral("page: %1").arg(paths[1]));
        printLine(QStringLiteral("bytes: %1").arg(page.html.size()));
        printLine(numberList(QStringLiteral("playable"), page.playable));
        printLine(numberList(QStringLiteral("left out"), page.leftOut));
        printLine(QStringLiteral("pictures: %1").arg(page.pictures));
        printLine(QStringLiteral("sounds: %1 (%2)").arg(page.sounds).arg(page.soundFormat));
        for (const QString& problem : page.problems)
            printLine(QStringLiteral("sound left out: %1").arg(problem));
    } catch (const EWebExportError& e) {
        printError(e.Message());
        return 1;
    }
    return 0;
}

const ToolCommand exportWebCommand("export-web", "DIR OUT.html [--language CODE]", exportWeb);

} // namespace
