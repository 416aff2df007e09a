#pragma once

#include "cardset/CardTable.h"
#include "cardset/CardUndoRun.h"
#include "cardset/SetDocument.h"
#include "pictures/CardPictureModel.h"
#include "session/CardEdits.h"
#include "session/CommandGuard.h"
#include "session/RecentSets.h"

#include <memory>

class CardUndoHistory;

// One run of the editor: the set document, the Undo history of its card
// writes, the copy buffer, the card pictures as they are on disk, the card
// writes and the guard that lets one command run at a time.
// main() owns it and hands it to the window; everything else is handed what
// it needs of it. It shows nothing.
class EditorSession {
  public:
    // `run` names this editor in the Undo cache; only tests that start several
    // editors in one process give another.
    explicit EditorSession(CardUndoRun run = CardUndoRun::Current());
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    TSetDocument& Document() { return document_; }
    const TSetDocument& Document() const { return document_; }
    CardUndoHistory& UndoHistory() { return *undoHistory_; }
    const CardUndoHistory& UndoHistory() const { return *undoHistory_; }
    CommandGuard& Guard() { return guard_; }
    // The pictures the cards show, as their files are on disk.
    CardPictureModel& Pictures() { return pictures_; }
    // Every write of a card's file goes through these.
    CardEdits& Edits() { return edits_; }
    // A card's name (see CardEdits::SetCardName): paired cards share it, the
    // names file is replaced, and it is one step of Undo.
    void SetCardName(int slot, const QString& name) { edits_.SetCardName(slot, name); }
    const CommandGuard& Guard() const { return guard_; }

    // The copy buffer: where the files of the card last copied are (only its
    // Imagem and Som are used). It belongs to the run, not to a set, so that
    // a card copied in one set can be pasted into another.
    TElemento& ElementoCopiado() { return copied_; }
    // Whether a card was copied in this run.
    bool HasCopy() const { return hasCopy_; }
    void SetCopy(const QString& picture, const QString& sound);
    // The sets last opened or imported, offered under Files, "Recent sets".
    RecentSets& Recent() { return recent_; }

  private:
    TSetDocument document_;
    std::unique_ptr<CardUndoHistory> undoHistory_;
    CommandGuard guard_;
    CardEdits edits_{document_};
    CardPictureModel pictures_{document_};
    TElemento copied_{};
    bool hasCopy_ = false;
    RecentSets recent_;
};
