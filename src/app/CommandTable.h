#pragma once

#include "session/CommandGuard.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QObject;
class QToolButton;

// What decides whether a command of the window can run now.
struct CommandState {
    bool editing = false;          // the editing controls are on
    bool hasCopy = false;          // a card was copied in this run
    bool clipboardPicture = false; // the clipboard holds a picture
    bool soundInput = false;       // a sound input device is there
    bool canUndo = false;
    bool canRedo = false;
    bool setOpen = false; // a set is current
    // Whether each set under Recent sets, newest first, is there to be opened.
    std::vector<bool> recentAvailable;
    // The entry of the current set under Recent sets; -1: not listed.
    int recentOpen = -1;
};

// The window's commands in one table: each with its menu entry and/or its
// button, its shortcuts, the name Undo gives its card writes (none when
// empty), when it is enabled and what it does. The window wires them once
// and its updateActions sets every entry's and button's enabled state here,
// and nowhere else.
class CommandTable {
  public:
    struct Command {
        QString id;
        QAction* entry = nullptr;
        QToolButton* button = nullptr;
        QList<QKeySequence> shortcuts;
        QString undoName;
        std::function<bool(const CommandState&)> enabled;
        std::function<void()> handler;
        CommandGuard::WhenBusy whenBusy = CommandGuard::WhenBusy::Queue;
    };
    using Runner = std::function<void(const Command&)>;

    void add(Command command);
    // Connects each command's entry and button to `run`, with `context` as
    // the receiver, and gives the entries their shortcuts.
    void connectAll(QObject* context, const Runner& run);
    // Sets every entry and button enabled as its command says for `state`.
    void update(const CommandState& state) const;
    const Command* find(const QString& id) const;
    const std::vector<Command>& commands() const { return commands_; }

  private:
    std::vector<Command> commands_;
};

// Enabled whatever the state.
bool Always(const CommandState&);
// Enabled while editing is on.
bool WhileEditing(const CommandState& state);
