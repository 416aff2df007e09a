#include "game/ui/PlayMode.h"

#include "common/Exception.h"
#include "common/FileNames.h"
#include "game/DealArgs.h"
#include "game/ui/GameWindow.h"
#include "pictures/SetView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

int fail(int status, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    QMessageBox::warning(nullptr, QCoreApplication::translate("PlayMode", "Play set"), message);
    return status;
}

} // namespace

int RunPlayMode(QApplication& app, const QStringList& args)
{
    const QString usage =
        QCoreApplication::translate("PlayMode", "Usage: tessellor --play SETDIR [--pairs N] [--seed S]");
    const qsizetype start = args.indexOf(QStringLiteral("--play"));
    const QStringList rest = start < 0 ? args : args.mid(start + 1);
    const auto parsed = ParseDealArgs(rest);
    if (!parsed)
        return fail(2, usage);
    const QString& folder = parsed->folder;
    if (!FileNames::folderExists(folder))
        return fail(1, QCoreApplication::translate("PlayMode", "No such folder: %1").arg(folder));
    SetView set;
    try {
        set = SetView::read(folder);
    } catch (const Exception& e) {
        return fail(1, e.Message());
    }
    GameWindow window(set, GameOptions{parsed->pairs, parsed->seed, 1});
    window.show();
    app.exec();
    return 0;
}
