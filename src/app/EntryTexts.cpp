#include "app/EntryTexts.h"

#include "app/CommandTable.h"
#include "app/EditorForm.h"
#include "cardset/CardUndoHistory.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>

namespace {

// Names the entries of `menu` after the sets listed, newest first, and checks
// the entry `openEntry`, the current set's; an entry beyond the list is
// hidden. Their enabled state is the command table's: a set whose folder is
// gone stays listed, greyed.
void showRecentSets(QMenu* menu, const QStringList& folders, int openEntry)
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

} // namespace

void ShowEntryTexts(const EditorForm& ui, const CommandState& state, const CardUndoHistory& undo,
                    const QStringList& recentFolders)
{
    const QString undone = undo.UndoLabel();
    const QString redone = undo.RedoLabel();
    //: %1 is the step, as "Paste on card 10"
    ui.mnDesfazer->setText(undone.isEmpty()
                               ? QCoreApplication::translate("EntryTexts", "&Undo")
                               : QCoreApplication::translate("EntryTexts", "&Undo %1").arg(undone));
    //: %1 is the step, as "Paste on card 10"
    ui.mnRefazer->setText(redone.isEmpty()
                              ? QCoreApplication::translate("EntryTexts", "R&edo")
                              : QCoreApplication::translate("EntryTexts", "R&edo %1").arg(redone));
    // Without an input the entry says why it is off.
    ui.mnGravarSom->setText(
        state.soundInput ? QCoreApplication::translate("EntryTexts", "&Record...")
                         : QCoreApplication::translate("EntryTexts", "&Record... (no sound input device)"));
    showRecentSets(ui.mnRecent, recentFolders, state.recentOpen);
}
