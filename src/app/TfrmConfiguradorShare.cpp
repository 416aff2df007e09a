// The commands that take a set out of the editor and bring one in: Play set,
// Print cards, Export set as file, Import set from file, Export as web page,
// and the Recent sets list. Each reads the set from its folder; none writes a
// card.

#include "app/EditorSession.h"
#include "app/RecentSets.h"
#include "app/TfrmConfigurador.h"
#include "app/overview/SetOverview.h"
#include "cardset/ui/SetArchiveCommands.h"
#include "game/GameCards.h"
#include "game/ui/GameWindow.h"
#include "print/ui/PrintCardsDialog.h"
#include "web/ui/WebExportCommand.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

QAction* newEntry(QMenu* menu, QAction* before, const char* name, const QString& caption,
                  const QKeySequence& shortcut = {})
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    menu->insertAction(before, action);
    return action;
}

} // namespace

void TfrmConfigurador::createShareEntries()
{
    mnPlaySet = newEntry(mnView, nullptr, "mnPlaySet", QStringLiteral("Play set"), QKeySequence(Qt::Key_F5));

    // Between Properties and Exit: the set as a whole, then the sets of earlier runs.
    mnArquivo->insertSeparator(N3);
    mnImportFile = newEntry(mnArquivo, N3, "mnImportFile", QStringLiteral("Import set from file..."));
    mnExportFile = newEntry(mnArquivo, N3, "mnExportFile", QStringLiteral("Export set as file..."));
    mnExportWeb = newEntry(mnArquivo, N3, "mnExportWeb", QStringLiteral("Export as web page..."));
    mnPrintCards = newEntry(mnArquivo, N3, "mnPrintCards", QStringLiteral("Print cards..."));
    mnArquivo->insertSeparator(N3);
    mnRecent = new QMenu(QStringLiteral("Recent sets"), mnArquivo);
    mnRecent->setObjectName(QStringLiteral("mnRecent"));
    mnArquivo->insertMenu(N3, mnRecent);
    // A fixed row of entries, shown and named from the list: an entry is
    // never deleted while its own click runs.
    for (int i = 0; i < RecentSets::Capacity; ++i) {
        QAction* entry = mnRecent->addAction(QString());
        entry->setObjectName(QStringLiteral("mnRecent%1").arg(i + 1));
        entry->setVisible(false);
    }
}

void TfrmConfigurador::addShareCommands()
{
    using S = CommandState;
    const auto whileSetOpen = [](const S& s) { return s.setOpen; };
    const auto add = [this](const char* id, QAction* entry, std::function<bool(const S&)> enabled,
                            std::function<void()> handler) {
        commands_.add({QString::fromLatin1(id), entry, nullptr, entry->shortcuts(), QString(),
                       std::move(enabled), std::move(handler)});
    };
    add("play", mnPlaySet, whileSetOpen, [this] { playSet(); });
    add("import-file", mnImportFile, Always, [this] {
        if (const auto folder = SetArchiveCommands::ImportSetFromFile(this, document_.PastaBase()))
            openSetFolder(*folder);
    });
    add("export-file", mnExportFile, whileSetOpen,
        [this] { SetArchiveCommands::ExportSetAsFile(this, setFolder()); });
    add("export-web", mnExportWeb, whileSetOpen, [this] { ExportSetAsWebPage(this, setFolder()); });
    add("print", mnPrintCards, whileSetOpen, [this] { ShowPrintCardsDialog(this, setFolder()); });
    add(
        "recent", mnRecent->menuAction(), [](const S& s) { return !s.recentAvailable.empty(); }, [] {});
    const QList<QAction*> recent = mnRecent->actions();
    for (int i = 0; i < int(recent.size()); ++i) {
        QAction* entry = recent[i];
        const auto available = [i](const S& s) {
            return i < int(s.recentAvailable.size()) && s.recentAvailable[i];
        };
        // The folder is read when chosen: the list may have changed since the entry was named.
        const auto open = [this, entry] { openSetFolder(entry->data().toString()); };
        commands_.add(
            {QStringLiteral("recent-%1").arg(i + 1), entry, nullptr, {}, QString(), available, open});
    }

    // A game shows one set: another set made current ends it.
    connect(&document_, &TSetDocument::setOpened, this, [this] { closeGame(); });
}

QString TfrmConfigurador::setFolder() const
{
    return QDir::cleanPath(document_.PastaConjunto());
}

void TfrmConfigurador::playSet()
{
    if (!document_.HasSet())
        return;
    closeGame();
    // The overview's pictures are already decoded: the game shares them, and
    // the overview (a child of this window, made before it) outlives it.
    auto* game = overview_ ? new GameWindow(overview_->model(), {}, this)
                           : new GameWindow(GameSetOf(document_), {}, this);
    game->setObjectName(QStringLiteral("GameWindow"));
    game->setAttribute(Qt::WA_DeleteOnClose);
    game_ = game;
    game->show();
}

void TfrmConfigurador::closeGame()
{
    if (game_)
        game_->close();
}

// The entries' enabled state is the command table's: a set whose folder is
// gone stays listed, greyed.
void TfrmConfigurador::showRecentSets()
{
    const QStringList& folders = session_.Recent().folders();
    const QList<QAction*> entries = mnRecent->actions();
    for (int i = 0; i < entries.size(); ++i) {
        QAction* entry = entries[i];
        entry->setVisible(i < folders.size());
        if (i >= folders.size())
            continue;
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(folders[i])));
        entry->setData(folders[i]);
    }
}
