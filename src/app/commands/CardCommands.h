#pragma once

#include <QCoreApplication>

class CardFontDialog;
class EditorSession;
class EditorView;
class TOpenPictureDialog;

// The commands that change the current card's picture (Insert image, Paste
// picture, Insert Text, Choose Font, Duplicate) or name, Copy and Paste, and
// Undo and Redo. Each writes through the session's card edits from the picture as it
// is on disk; the frames follow. Errors stop the command and reach the error
// box. The dialogs are made with the commands and remember their last choice.
class CardCommands {
    Q_DECLARE_TR_FUNCTIONS(CardCommands)

  public:
    CardCommands(EditorSession& session, EditorView& view);

    void InsertImage();
    void PastePicture();
    // Asks for the current card's name and sets it (paired cards share it).
    void EditCardName();
    void InsertText();
    void ChooseFont();
    void Duplicate();
    // Copy only remembers where the current card's files are; Paste reads
    // them when it runs, so it pastes what the files hold then, into
    // whatever set is current.
    void Copy();
    void Paste();
    // The current set's last step taken back or done again, its card shown.
    void Undo();
    void Redo();

  private:
    EditorSession& session_;
    EditorView& view_;
    TOpenPictureDialog* dlOpenBitmap_;
    CardFontDialog* dlFont_;
};
