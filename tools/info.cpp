#include "ToolCommands.h"

namespace {

const ToolCommand version("version", "", [](const QStringList& args) {
    if (!args.isEmpty())
        return printUsage();
    printLine(QStringLiteral("tessellor-tool 0.1"));
    return 0;
});

} // namespace
