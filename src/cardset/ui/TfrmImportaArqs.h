#pragma once

#include <QDialog>

class QCheckBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Import files: any folder to become the current set in place, its author and
// whether it is a double set.
class TfrmImportaArqs : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmImportaArqs(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtPath = nullptr;
    QPushButton* btnBrowse = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtAutor = nullptr;
    QCheckBox* Importa41 = nullptr;
    QPushButton* btnImportar = nullptr;
    QPushButton* btnCancelar = nullptr;

    // The input: the folder of all sets (program folder + "Ed/").
    QString PastaBase;

    // The results of an Import: the folder as typed or browsed, the author as
    // typed (neither trimmed) and the double flag.
    QString PastaEscolhida;
    QString Autor;
    bool Duplo = false;
    // True while the dialog may close without a folder.
    bool Cancelado = true;

    void btnBrowseClick();
    void btnImportarClick();
    void btnCancelarClick();

    // Every way of closing passes here; a close without a folder is refused.
    void done(int result) override;

    // The folder browser while it is open (null otherwise), for whoever drives it.
    QFileDialog* folderBrowser() const { return folderBrowser_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The folder the browser is kept in: the "Ed" folder, or the home folder
    // when that cannot be found.
    QString browseRoot() const;
    void takeFolderSettings(const QString& folder);

    QFileDialog* folderBrowser_ = nullptr;
    QString lastLookedAt_;
};
