#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;

// Open set: one of the set folders inside "Ed".
class TfrmImporta : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmImporta(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QListWidget* lstImporta = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancelar = nullptr;

    // The input: the folder of all sets (program folder + "Ed/").
    QString PastaBase;

    // The chosen folder: PastaBase + the selected line, without a separator at its end.
    QString PastaEscolhida;
    // True while the dialog may close without a choice.
    bool Cancelado = true;

    void cmdOKClick();
    void cmdCancelarClick();

    // Every way of closing passes here; a close without a chosen set is refused.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keepASelection();
};
