#pragma once

class QAction;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;
class TDBImage;

// The controls and menu of the editor's main window, laid out as users know
// them, each under its own object name. Only the window holds one: the
// commands reach the window through its methods, never its controls.
struct EditorForm {
    // Builds every control and menu entry into `window` and fixes its size.
    void setupUi(QMainWindow* window);

    QFrame* Bevel1 = nullptr;     // focus marker around the current frame
    QLabel* Label2 = nullptr;     // label above the left frame
    QLabel* Label3 = nullptr;     // label above the right frame
    TDBImage* DBImage1 = nullptr; // left card frame, Tag = odd slot or -1
    TDBImage* DBImage2 = nullptr; // right card frame, Tag = even slot or 0
    QPlainTextEdit* memTexto = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* lblProgresso = nullptr;
    QProgressBar* Progresso = nullptr;

    QToolButton* btnImagem = nullptr;
    QToolButton* btnDuplicar = nullptr;
    QToolButton* btnSom = nullptr;
    QToolButton* btnTocarSom = nullptr;
    QToolButton* btnTexto = nullptr;
    QToolButton* btnFonte = nullptr;
    QToolButton* btnAbrir = nullptr;
    QToolButton* btnSalvar = nullptr;
    QToolButton* btnCopiar = nullptr;
    QToolButton* btnColar = nullptr;
    QToolButton* btnAnterior = nullptr;
    QToolButton* btnProximo = nullptr;

    QMenuBar* mnConfig = nullptr;
    QMenu* mnArquivo = nullptr;
    QAction* mnNovo = nullptr;
    QAction* mnPalavras = nullptr;
    QAction* mnAbrir = nullptr;
    QAction* mnSalvar = nullptr;
    QAction* mnImportar = nullptr;
    QAction* Propriedades1 = nullptr;
    QAction* mnImportFile = nullptr; // "Import set from file..."
    QAction* mnExportFile = nullptr; // "Export set as file..."
    QAction* mnExportWeb = nullptr;  // "Export as web page..."
    QAction* mnPrintCards = nullptr; // "Print cards..."
    QMenu* mnRecent = nullptr;       // "Recent sets"
    QAction* N3 = nullptr;
    QAction* mnSair = nullptr;
    QMenu* mnEditar = nullptr;
    QMenu* mnImagem = nullptr;
    QAction* mnInsImg = nullptr;
    QAction* mnDupImg = nullptr;
    QMenu* mnSom = nullptr;
    QAction* mnInsSom = nullptr;
    QAction* mnOuvSom = nullptr;
    QAction* mnGravarSom = nullptr;  // "&Record..." (Ctrl+R)
    QAction* mnFalarTexto = nullptr; // "S&peak text" (Ctrl+T)
    QMenu* mnTexto = nullptr;
    QAction* mnInsTex = nullptr;
    QAction* mnFonte = nullptr;
    QAction* N1 = nullptr;
    QAction* mnCopiar = nullptr;
    QAction* mnColar = nullptr;
    QAction* mnPastePicture = nullptr; // "Paste picture" (Ctrl+Shift+V)
    QAction* mnCardName = nullptr;     // "Card name..." (F4)
    QAction* N2 = nullptr;
    QAction* mnAvancar = nullptr;
    QAction* mnRecuar = nullptr;
    QAction* mnSepDesfazer = nullptr; // separator before Undo and Redo
    QAction* mnDesfazer = nullptr;    // "&Undo ..." (Ctrl+Z)
    QAction* mnRefazer = nullptr;     // "R&edo ..." (Ctrl+Y, Ctrl+Shift+Z)
    QMenu* mnView = nullptr;          // "View"
    QAction* mnSetOverview = nullptr; // "Set overview" (F2)
    QAction* mnPlaySet = nullptr;     // "Play set" (F5)
    QMenu* mnAjuda = nullptr;
    QAction* mnTopicos = nullptr;
    QMenu* mnLanguage = nullptr; // "Language"
    QAction* mnSobre = nullptr;

  private:
    void createControls(QMainWindow* window);
    void createButtons();
    void createFilesMenu();
    void createEditMenu();
    void createViewAndHelpMenus();
};
