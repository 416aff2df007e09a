#include "app/CommandTable.h"

#include <QAction>
#include <QToolButton>

void CommandTable::add(Command command)
{
    commands_.push_back(std::move(command));
}

void CommandTable::connectAll(QObject* context, const Runner& run)
{
    for (const Command& command : commands_) {
        const QString id = command.id;
        const auto trigger = [this, id, run] {
            if (const Command* found = find(id))
                run(*found);
        };
        if (command.entry) {
            if (!command.shortcuts.isEmpty())
                command.entry->setShortcuts(command.shortcuts);
            QObject::connect(command.entry, &QAction::triggered, context, trigger);
        }
        if (command.button)
            QObject::connect(command.button, &QToolButton::clicked, context, trigger);
    }
}

void CommandTable::update(const CommandState& state) const
{
    // A disabled menu leaves its entries' shortcuts working: each entry is
    // switched itself.
    for (const Command& command : commands_) {
        const bool on = !command.enabled || command.enabled(state);
        if (command.entry)
            command.entry->setEnabled(on);
        if (command.button)
            command.button->setEnabled(on);
    }
}

const CommandTable::Command* CommandTable::find(const QString& id) const
{
    for (const Command& command : commands_)
        if (command.id == id)
            return &command;
    return nullptr;
}

bool Always(const CommandState&)
{
    return true;
}

bool WhileEditing(const CommandState& state)
{
    return state.editing;
}
