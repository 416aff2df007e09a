#include "ToolCommands.h"

#include "common/Exception.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

struct Entry {
    QString usage;
    ToolCommand::Run run;
    ToolCommand::Needs needs;
};

std::map<std::string, Entry>& registry()
{
    static std::map<std::string, Entry> commands;
    return commands;
}

}  // namespace

ToolCommand::ToolCommand(const char* name, const char* usage, Run run, Needs needs)
{
    registry()[name] = Entry{QString::fromUtf8(usage), std::move(run), needs};
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
    if (argc < 2)
        return printUsage();
    const auto it = registry().find(argv[1]);
    if (it == registry().end())
        return printUsage();
    std::unique_ptr<QCoreApplication> app;
    if (it->second.needs == ToolCommand::Needs::Gui) {
        // Text rendering needs a GUI application object; no window is ever shown.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments();
    args.remove(0, 2);
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
