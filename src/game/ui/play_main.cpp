// tessellor-play SETDIR [--pairs N] [--seed S]: the game window alone, as
// tessellor --play opens it.

#include "game/ui/PlayMode.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    args.insert(1, QStringLiteral("--play"));
    return RunPlayMode(app, args);
}
