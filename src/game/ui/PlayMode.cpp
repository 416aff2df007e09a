#include "game/ui/PlayMode.h"

#include "app/overview/OverviewSet.h"
#include "common/Exception.h"
#include "common/FileNames.h"
#include "game/ui/GameWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

int fail(int status, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    QMessageBox::warning(nullptr, QObject::tr("Play set"), message);
    return status;
}

} // namespace

int RunPlayMode(QApplication& app, const QStringList& args)
{
    const QString usage = QObject::tr("Usage: tessellor --play SETDIR [--pairs N] [--seed S]");
    const qsizetype start = args.indexOf(QStringLiteral("--play"));
    const QStringList rest = start < 0 ? args : args.mid(start + 1);
    QString folder;
    GameOptions options;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        bool ok = true;
        if (rest[i] == QLatin1String("--pairs") && i + 1 < rest.size()) {
            options.pairs = rest[++i].toInt(&ok);
            ok = ok && options.pairs > 0;
        } else if (rest[i] == QLatin1String("--seed") && i + 1 < rest.size()) {
            options.seed = rest[++i].toUInt(&ok);
        } else if (folder.isEmpty() && !rest[i].startsWith(QLatin1String("--"))) {
            folder = rest[i];
        } else {
            ok = false;
        }
        if (!ok)
            return fail(2, usage);
    }
    if (folder.isEmpty())
        return fail(2, usage);
    if (!FileNames::folderExists(folder))
        return fail(1, QObject::tr("No such folder: %1").arg(folder));
    OverviewSet set;
    try {
        set = OverviewSet::read(folder);
    } catch (const Exception& e) {
        return fail(1, e.Message());
    }
    GameWindow window(set, options);
    window.show();
    app.exec();
    return 0;
}
