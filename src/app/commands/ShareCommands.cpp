#include "app/commands/ShareCommands.h"

#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"
#include "app/commands/CardDropCommands.h"
#include "app/commands/SetCommands.h"
#include "app/overview/SetOverview.h"
#include "cardset/ui/SetArchiveCommands.h"
#include "game/GameCards.h"
#include "game/ui/GameWindow.h"
#include "print/ui/PrintCardsDialog.h"
#include "web/ui/WebExportCommand.h"

#include <QAction>
#include <QDir>
#include <QMenu>

ShareCommands::ShareCommands(EditorSession& session, TfrmConfigurador& window, SetCommands& sets,
                             CardDropCommands& overview)
    : session_(session), window_(window), sets_(sets), overview_(overview)
{
    // A game shows one set: another set made current ends it.
    QObject::connect(&session_.Document(), &TSetDocument::setOpened, &window_, [this] { closeGame(); });
}

ShareCommands::~ShareCommands()
{
    // A game may share the overview's pictures: it goes first.
    delete game_.data();
}

QString ShareCommands::setFolder() const
{
    return QDir::cleanPath(session_.Document().PastaConjunto());
}

void ShareCommands::PlaySet()
{
    if (!session_.Document().HasSet())
        return;
    closeGame();
    // The overview's pictures are already decoded: the game shares them, and
    // the overview (a child of the window, made before it) outlives it.
    SetOverview* overview = overview_.Overview();
    auto* game = overview ? new GameWindow(overview->model(), {}, &window_)
                          : new GameWindow(GameSetOf(session_.Document()), {}, &window_);
    game->setObjectName(QStringLiteral("GameWindow"));
    game->setAttribute(Qt::WA_DeleteOnClose);
    game_ = game;
    game->show();
}

void ShareCommands::closeGame()
{
    if (game_)
        game_->close();
}

void ShareCommands::ImportFile()
{
    if (const auto folder = SetArchiveCommands::ImportSetFromFile(&window_, session_.Document().PastaBase()))
        sets_.OpenFolder(*folder);
}

void ShareCommands::ExportFile()
{
    SetArchiveCommands::ExportSetAsFile(&window_, setFolder());
}

void ShareCommands::ExportWebPage()
{
    ExportSetAsWebPage(&window_, setFolder());
}

void ShareCommands::PrintCards()
{
    ShowPrintCardsDialog(&window_, setFolder());
}

// The entries' enabled state is the command table's: a set whose folder is
// gone stays listed, greyed.
void ShareCommands::ShowRecentSets(QMenu* menu, const QStringList& folders, int openEntry)
{
    const QList<QAction*> entries = menu->actions();
    for (int i = 0; i < entries.size(); ++i) {
        QAction* entry = entries[i];
        entry->setVisible(i < folders.size());
        if (i >= folders.size())
            continue;
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(folders[i])));
        entry->setData(folders[i]);
        // The mark says which set the card commands write into.
        entry->setCheckable(true);
        entry->setChecked(i == openEntry);
    }
}
