#include "app/commands/EditorCommands.h"

#include "app/EditorForm.h"
#include "app/EditorView.h"
#include "app/HelpWindow.h"
#include "app/LanguageMenu.h"
#include "cardset/CardUndoHistory.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

namespace {

using S = CommandState;

bool WhileSetOpen(const S& s)
{
    return s.setOpen;
}

void addRecentEntries(CommandTable& table, QMenu* recent, SetCommands& sets)
{
    table.add({QStringLiteral("recent"),
               recent->menuAction(),
               nullptr,
               {},
               QString(),
               [](const S& s) { return !s.recentAvailable.empty(); },
               [] {}});
    const QList<QAction*> entries = recent->actions();
    for (int i = 0; i < int(entries.size()); ++i) {
        QAction* entry = entries[i];
        const auto available = [i](const S& s) {
            return i < int(s.recentAvailable.size()) && s.recentAvailable[i];
        };
        // The folder is read when chosen: the list may have changed since the entry was named.
        const auto open = [&sets, entry] { sets.OpenFolder(entry->data().toString()); };
        table.add({QStringLiteral("recent-%1").arg(i + 1), entry, nullptr, {}, QString(), available, open});
    }
}

// Help, "Language": an entry a language, each remembering its own.
void addLanguageEntries(CommandTable& table, QMenu* languages, EditorView& v)
{
    for (QAction* entry : languages->actions()) {
        if (entry->isSeparator())
            continue;
        const QString code = entry->data().toString();
        const QString id = QStringLiteral("language-") + (code.isEmpty() ? QStringLiteral("none") : code);
        table.add(
            {id, entry, nullptr, {}, QString(), Always, [code, &v] { ChooseLanguage(code, v.Widget()); }});
    }
}

} // namespace

void AddEditorCommands(CommandTable& table, const EditorForm& ui, EditorView& v, EditorCommands& c)
{
    // Each row runs as a command: an error ends it in the error box. Its card
    // file writes are one step of Undo under the row's name, named as the
    // user knows the command ("Undo Record on card 3"), not by the entry.
    const auto row = [&table](const char* id, QAction* entry, QToolButton* button, const QString& undoName,
                              std::function<bool(const S&)> enabled, std::function<void()> handler) {
        table.add({QString::fromLatin1(id), entry, button, entry ? entry->shortcuts() : QList<QKeySequence>{},
                   undoName, std::move(enabled), std::move(handler)});
    };
    const auto editingAnd = [](bool S::*flag) { return [flag](const S& s) { return s.editing && s.*flag; }; };
    row("new", ui.mnNovo, nullptr, {}, Always, [&c] { c.sets.New(); });
    row("open", ui.mnAbrir, ui.btnAbrir, {}, Always, [&c] { c.sets.Open(); });
    // The Files menu's save entry runs the same save as the button, and
    // stays on without a set; the button goes off with editing.
    row("save", ui.mnSalvar, nullptr, {}, Always, [&c] { c.sets.Save(); });
    row("save-button", nullptr, ui.btnSalvar, {}, WhileEditing, [&c] { c.sets.Save(); });
    row("import", ui.mnImportar, nullptr, {}, Always, [&c] { c.sets.Import(); });
    row("properties", ui.Propriedades1, nullptr, {}, Always, [&c] { c.sets.Properties(); });
    row("word-set", ui.mnPalavras, nullptr, {}, Always, [&c] { c.sets.NewFromWords(); });
    row("import-file", ui.mnImportFile, nullptr, {}, Always, [&c] { c.share.ImportFile(); });
    row("export-file", ui.mnExportFile, nullptr, {}, WhileSetOpen, [&c] { c.share.ExportFile(); });
    row("export-web", ui.mnExportWeb, nullptr, {}, WhileSetOpen, [&c] { c.share.ExportWebPage(); });
    row("print", ui.mnPrintCards, nullptr, {}, WhileSetOpen, [&c] { c.share.PrintCards(); });
    addRecentEntries(table, ui.mnRecent, c.sets);
    // A set folder removed while the editor runs is greyed when the list is looked at.
    QObject::connect(ui.mnRecent, &QMenu::aboutToShow, v.Widget(), [&v] { v.updateActions(); });
    row("exit", ui.mnSair, nullptr, {}, Always, [&v] { v.Widget()->close(); });

    // The names below name the steps of Undo: "Undo Insert image on card 3".
    row("image", ui.mnInsImg, ui.btnImagem, QCoreApplication::translate("EditorCommands", "Insert image"),
        WhileEditing, [&c] { c.cards.InsertImage(); });
    row("duplicate", ui.mnDupImg, ui.btnDuplicar,
        QCoreApplication::translate("EditorCommands", "Duplicate Imagem"), WhileEditing,
        [&c] { c.cards.Duplicate(); });
    row("sound", ui.mnInsSom, ui.btnSom, QCoreApplication::translate("EditorCommands", "Insert Sound"),
        WhileEditing, [&c] { c.sounds.InsertSound(); });
    row("hear", ui.mnOuvSom, ui.btnTocarSom, {}, WhileEditing, [&c] { c.sounds.HearSound(); });
    row("record", ui.mnGravarSom, nullptr, QCoreApplication::translate("EditorCommands", "Record"),
        editingAnd(&S::soundInput), [&c] { c.sounds.Record(); });
    row("speak", ui.mnFalarTexto, nullptr, QCoreApplication::translate("EditorCommands", "Speak text"),
        WhileEditing, [&c] { c.sounds.SpeakText(); });
    row("text", ui.mnInsTex, ui.btnTexto, QCoreApplication::translate("EditorCommands", "Insert Text"),
        WhileEditing, [&c] { c.cards.InsertText(); });
    row("font", ui.mnFonte, ui.btnFonte, {}, WhileEditing, [&c] { c.cards.ChooseFont(); });
    row("copy", ui.mnCopiar, ui.btnCopiar, {}, WhileEditing, [&c] { c.cards.Copy(); });
    // Paste is off until the first Copy (the copy buffer belongs to the run)
    // and, like every card command, off while editing is: with the controls
    // off it would write into a folder whose cards the window does not show.
    row("paste", ui.mnColar, ui.btnColar, QCoreApplication::translate("EditorCommands", "Paste"),
        editingAnd(&S::hasCopy), [&c] { c.cards.Paste(); });
    row("paste-picture", ui.mnPastePicture, nullptr,
        QCoreApplication::translate("EditorCommands", "Paste picture"), editingAnd(&S::clipboardPicture),
        [&c] { c.cards.PastePicture(); });
    row("card-name", ui.mnCardName, nullptr, QCoreApplication::translate("EditorCommands", "Card name"),
        WhileEditing, [&c] { c.cards.EditCardName(); });
    row("next", ui.mnAvancar, ui.btnProximo, {}, WhileEditing, [&v] { v.ShowPage(v.ShownPage().Next()); });
    row("previous", ui.mnRecuar, ui.btnAnterior, {}, WhileEditing,
        [&v] { v.ShowPage(v.ShownPage().Previous()); });
    // Taking a step back writes files, but is no step of its own.
    row("undo", ui.mnDesfazer, nullptr, {}, editingAnd(&S::canUndo), [&c] { c.cards.Undo(); });
    row("redo", ui.mnRefazer, nullptr, {}, editingAnd(&S::canRedo), [&c] { c.cards.Redo(); });

    row("overview", ui.mnSetOverview, nullptr, {}, Always, [&v] { v.ShowOverview(); });
    row("play", ui.mnPlaySet, nullptr, {}, WhileSetOpen, [&c] { c.share.PlaySet(); });
    row("contents", ui.mnTopicos, nullptr, {}, Always,
        [&v] { HelpWindow::showContents(v.Widget(), HelpWindow::ContentsFile()); });
    addLanguageEntries(table, ui.mnLanguage, v);
    row("about", ui.mnSobre, nullptr, {}, Always, [&v] { HelpWindow::showAbout(v.Widget()); });
}
