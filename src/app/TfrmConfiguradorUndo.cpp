// Undo and Redo of card file writes: the Edit menu's two entries, named after
// the step they take back or do again, over the current set's history.
//
// While the card text box has the focus, Ctrl+Z and its redo keys stay the
// box's own (it claims them before any window shortcut), so typing is undone
// as in any text box; the menu entries still undo card edits from there.

#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"
#include "cardset/CardUndoHistory.h"

#include <QAction>
#include <QMenu>

void TfrmConfigurador::createUndoEntries()
{
    undoHistory_ = &session_.UndoHistory();

    mnSepDesfazer = mnEditar->addSeparator();
    mnSepDesfazer->setObjectName(QStringLiteral("mnSepDesfazer"));
    mnDesfazer = mnEditar->addAction(QStringLiteral("&Undo"));
    mnDesfazer->setObjectName(QStringLiteral("mnDesfazer"));
    mnDesfazer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnRefazer = mnEditar->addAction(QStringLiteral("R&edo"));
    mnRefazer->setObjectName(QStringLiteral("mnRefazer"));
    mnRefazer->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undoHistory_, &CardUndoHistory::changed, this, &TfrmConfigurador::updateActions);
}

void TfrmConfigurador::addUndoCommands()
{
    // Taking a step back writes files, but is no step of its own.
    commands_.add({QStringLiteral("undo"), mnDesfazer, nullptr, mnDesfazer->shortcuts(), QString(),
                   [](const CommandState& s) { return s.editing && s.canUndo; },
                   [this] { mnDesfazerClick(); }});
    commands_.add({QStringLiteral("redo"), mnRefazer, nullptr, mnRefazer->shortcuts(), QString(),
                   [](const CommandState& s) { return s.editing && s.canRedo; },
                   [this] { mnRefazerClick(); }});
}

void TfrmConfigurador::showUndoLabels()
{
    const QString undo = undoHistory_->UndoLabel();
    const QString redo = undoHistory_->RedoLabel();
    mnDesfazer->setText(undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undo);
    mnRefazer->setText(redo.isEmpty() ? QStringLiteral("R&edo") : QStringLiteral("R&edo ") + redo);
}

void TfrmConfigurador::mnDesfazerClick()
{
    if (const std::optional<int> slot = undoHistory_->Undo())
        GoToSlot(*slot);
}

void TfrmConfigurador::mnRefazerClick()
{
    if (const std::optional<int> slot = undoHistory_->Redo())
        GoToSlot(*slot);
}
