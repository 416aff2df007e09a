#pragma once

#include <QStringList>

class EditorSession;
class QDropEvent;
class QMimeData;
class TDBImage;
class EditorView;

// Drops on the cards of the window and of the set overview: picture and
// sound files, and cards dragged from the overview. Every card file is
// written through the session's card edits, as the commands write them.
class CardDropCommands {
  public:
    // Both card frames take drops.
    CardDropCommands(EditorSession& session, EditorView& view, TDBImage* left, TDBImage* right);

    // Whether a drag may be dropped on a card: while a set is open, picture
    // files, sound files, or a card of the set dragged from the overview.
    bool AcceptsDrop(const QMimeData* data) const;
    // Files dropped on card `slot`: one does what Insert image or Insert
    // Sound does for that card; several fill it and the following cards in
    // name order, after one question when they replace cards' files.
    void DropFiles(int slot, const QStringList& paths);
    // Card `from` dragged onto card `to`: its picture and sound files, each
    // when it exists, written as `to`'s as Paste does. The copy buffer and
    // Paste stay as they are.
    void CopyCard(int from, int to);
    // The same as commands of their own, as a drop on a card frame runs them.
    void RunDropFiles(int slot, const QStringList& paths);
    void RunCopyCard(int from, int to);

  private:
    void dropOnFrame(const TDBImage* frame, const QDropEvent& event);

    EditorSession& session_;
    EditorView& view_;
};
