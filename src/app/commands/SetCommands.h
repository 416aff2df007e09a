#pragma once

#include <QString>
#include <memory>

class EditorSession;
struct SetDialogs;
class EditorView;

// The set commands: New, Open, Import, Properties and Save. The dialogs give
// their results; the commands make them current through the session's
// document and have the window show the set.
class SetCommands {
  public:
    SetCommands(EditorSession& session, EditorView& view);
    ~SetCommands();

    // The set dialogs, made by the first call (the program's start).
    SetDialogs& Dialogs();

    void New();
    // New set from word list: a whole set made from words, then opened.
    void NewFromWords();
    void Open();
    // The set made current as Open set makes it after its dialog's OK: its
    // Set.cfg read, its cards scanned, listed first under Recent sets.
    // A set just made from a word list leaves the cards past its words
    // empty on purpose: `reportMissing` off keeps them from the error list.
    void OpenFolder(const QString& folder, bool reportMissing = true);
    void Import();
    void Properties();
    void Save();

  private:
    void prepareErrorList();
    void importSet();
    void showCoverPage();
    // Properties switching the kind: the question, and the set read again.
    bool confirmKindChange(int changedCards);
    void rescanSet();

    EditorSession& session_;
    EditorView& view_;
    std::unique_ptr<SetDialogs> dialogs_;
};
