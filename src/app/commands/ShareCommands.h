#pragma once

#include <QPointer>
#include <QString>

class EditorSession;
class GameWindow;
class SetCommands;
class EditorView;

// The commands that take a set out of the editor and bring one in: Play set,
// Print cards, Export set as file, Import set from file, Export as web page,
// and the Recent sets list. Each reads the set from its folder; none writes a
// card.
class ShareCommands {
  public:
    ShareCommands(EditorSession& session, EditorView& view, SetCommands& sets);
    ~ShareCommands();

    void PlaySet();
    void ImportFile();
    void ExportFile();
    void ExportWebPage();
    void PrintCards();

  private:
    QString currentSetFolder() const;
    void closeGame();

    EditorSession& session_;
    EditorView& view_;
    SetCommands& sets_;
    QPointer<GameWindow> game_; // the game of the current set, while shown
};
