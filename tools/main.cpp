#include "ToolCommands.h"

#include "common/Exception.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <map>
#include <string>

namespace {

struct Entry {
    QString usage;
    ToolCommand::Run run;
};

std::map<std::string, Entry>& registry()
{
    static std::map<std::string, Entry> commands;
    return commands;
}

}  // namespace

ToolCommand::ToolCommand(const char* name, const char* usage, Run run)
{
    registry()[name] = Entry{QString::fromUtf8(usage), std::move(run)};
}

void printLine(const QString& line)
{
    static QTextStream out(stdout);
    out << line << '\n';
    out.flush();
}

void printError(const QString& line)
{
    QTextStream err(stderr);
    err << line << '\n';
}

int printUsage()
{
    printError(QStringLiteral("usage: tessellor-tool COMMAND [ARGS]"));
    for (const auto& [name, entry] : registry())
        printError(QStringLiteral("  tessellor-tool %1 %2").arg(QString::fromStdString(name), entry.usage));
    return 2;
}

int main(int argc, char** argv)
{
    // Text rendering needs a GUI application object; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty())
        return printUsage();
    const auto it = registry().find(args.first().toStdString());
    if (it == registry().end())
        return printUsage();
    args.removeFirst();
    try {
        return it->second.run(args);
    } catch (const Exception& e) {
        printError(e.Message());
        return 1;
    } catch (const std::bad_alloc&) {
        printError(QStringLiteral("Out of memory"));
        return 1;
    }
}
