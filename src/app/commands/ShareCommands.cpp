#include "app/commands/ShareCommands.h"

#include "app/EditorView.h"
#include "app/commands/SetCommands.h"
#include "cardset/ui/SetArchiveCommands.h"
#include "game/ui/GameWindow.h"
#include "pictures/SetView.h"
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
    delete game_.data();
}

QString ShareCommands::currentSetFolder() const
{
    return session_.Document().SetFolder();
}

void ShareCommands::PlaySet()
{
    if (!session_.Document().HasSet())
        return;
    closeGame();
    // The game decodes its pictures at its own face size, not the overview's.
    auto* game = new GameWindow(SetView::of(session_.Document()), {}, view_.Widget());
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
    // The page speaks the language the editor speaks.
    ExportSetAsWebPage(view_.Widget(), currentSetFolder(), {}, session_.language());
}

void ShareCommands::PrintCards()
{
    ShowPrintCardsDialog(view_.Widget(), currentSetFolder());
}
