#pragma once

class EditorSession;
class EditorView;
class TMMWaveOpenDialog;

// The current card's sound: Insert Sound, Hear Sound, and sounds made in the
// editor, Record (from the default input device) and Speak text (the text
// box's text). Every sound is written as a card sound is written, through the
// session's card edits, so that Undo takes it back; a cancelled dialog writes
// nothing.
class SoundCommands {
  public:
    SoundCommands(EditorSession& session, EditorView& view);

    void InsertSound();
    void HearSound();
    void Record();
    void SpeakText();

  private:
    EditorSession& session_;
    EditorView& view_;
    // "Open Wave File", remembering its folder and filter for the next run.
    TMMWaveOpenDialog* dlOpenWave_;
};
