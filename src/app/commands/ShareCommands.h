#pragma once

#include <QPointer>
#include <QString>

class EditorSession;
class GameWindow;
class QMenu;
class SetCommands;
class TfrmConfigurador;

// The commands that take a set out of the editor and bring one in: Play set,
// Print cards, Export set as file, Import set from file, Export as web page,
// and the Recent sets list. Each reads the set from its folder; none writes a
// card.
class ShareCommands {
  public:
    ShareCommands(EditorSession& session, TfrmConfigurador& window, SetCommands& sets);
    ~ShareCommands();

    void PlaySet();
    void ImportFile();
    void ExportFile();
    void ExportWebPage();
    void PrintCards();

    // Names the entries of `menu` after the sets listed, newest first, and
    // checks the entry `openEntry`, the current set's; an entry beyond the
    // list is hidden.
    static void ShowRecentSets(QMenu* menu, const QStringList& folders, int openEntry);

  private:
    QString setFolder() const;
    void closeGame();

    EditorSession& session_;
    TfrmConfigurador& window_;
    SetCommands& sets_;
    QPointer<GameWindow> game_; // the game of the current set, while shown
};
