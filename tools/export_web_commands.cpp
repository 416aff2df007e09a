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

// export-web DIR OUT.html: the set in DIR as one web page that plays the
// game, as Files > "Export as web page..." writes it. Prints what the page
// holds, and a line for each sound that had to be left out.
int exportWeb(const QStringList& args)
{
    if (args.size() != 2 || args[0].startsWith(QLatin1String("--")) ||
        args[1].startsWith(QLatin1String("--")))
        return printUsage();
    try {
        const WebPage::Page page = WebPage::Export(args[0], args[1]);
        printLine(QStringLiteral("page: %1").arg(args[1]));
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

const ToolCommand exportWebCommand("export-web", "DIR OUT.html", exportWeb);

} // namespace
