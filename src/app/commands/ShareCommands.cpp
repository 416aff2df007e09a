#include "app/commands/ShareCommands.h"

#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"
#include "app/commands/SetCommands.h"
#include "cardset/ui/SetArchiveCommands.h"
#include "game/ui/GameWindow.h"
#include "pictures/SetView.h"
#include "print/ui/PrintCardsDialog.h"
#include "web/ui/WebExportCommand.h"

#include <QAction>
#include <QDir>
#include <QMenu>

ShareCommands::ShareCommands(EditorSession& session, TfrmConfigurador& window, SetCommands& sets)
    : session_(session), window_(window), sets_(sets)
{
    // A game shows one set: another set made current ends it.
    QObject::connect(&session_.Document(), &TSetDocument::setOpened, &window_, [this] { closeGame(); });
}

ShareCommands::~ShareCommands()
{
    delete game_.data();
}

QString ShareCommands::setFolder() const
{
    return session_.Document().SetFolder();
}

void ShareCommands::PlaySet()
{
    if (!session_.Document().HasSet())
        return;
    closeGame();
    // The game decodes its pictures at its own face size, not the overview's.
    auto* game = new GameWindow(SetView::of(session_.Document()), {}, &window_);
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
