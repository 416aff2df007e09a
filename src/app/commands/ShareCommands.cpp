#include "app/commands/ShareCommands.h"

#include "app/EditorView.h"
#include "app/commands/SetCommands.h"
#include "app/overview/SetOverview.h"
#include "cardset/ui/SetArchiveCommands.h"
#include "game/GameCards.h"
#include "game/ui/GameWindow.h"
#include "print/ui/PrintCardsDialog.h"
#include "session/EditorSession.h"
#include "web/ui/WebExportCommand.h"

#include <QDir>

ShareCommands::ShareCommands(EditorSession& session, EditorView& view, SetCommands& sets)
    : session_(session), view_(view), sets_(sets)
{
    // A game shows one set: another set made current ends it.
    QObject::connect(&session_.Document(), &TSetDocument::setOpened, view_.Widget(), [this] { closeGame(); });
}

ShareCommands::~ShareCommands()
{
    // A game may share the overview's pictures: it goes first.
    delete game_.data();
}

QString ShareCommands::currentSetFolder() const
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
    SetOverview* overview = view_.Overview();
    auto* game = overview ? new GameWindow(overview->model(), {}, view_.Widget())
                          : new GameWindow(GameSetOf(session_.Document()), {}, view_.Widget());
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
    if (const auto folder =
            SetArchiveCommands::ImportSetFromFile(view_.Widget(), session_.Document().PastaBase()))
        sets_.OpenFolder(*folder);
}

void ShareCommands::ExportFile()
{
    SetArchiveCommands::ExportSetAsFile(view_.Widget(), currentSetFolder());
}

void ShareCommands::ExportWebPage()
{
    ExportSetAsWebPage(view_.Widget(), currentSetFolder());
}

void ShareCommands::PrintCards()
{
    ShowPrintCardsDialog(view_.Widget(), currentSetFolder());
}
