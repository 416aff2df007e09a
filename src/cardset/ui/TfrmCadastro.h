#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// New set: the name of the set folder to create inside "Ed" and its author.
class TfrmCadastro : public QDialog {
    Q_OBJECT

  public:
    static constexpr int NameMaxLength = 200;

    explicit TfrmCadastro(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* txtNome = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtAutor = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancelar = nullptr;

    // The input: the folder of all sets (program folder + "Ed/").
    QString PastaBase;

    // The results of an OK: PastaBase + name + "/", and the author typed.
    QString PastaEscolhida;
    QString Autor;

    void cmdOKClick();
    void cmdCancelarClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refuse(const QString& caption, const QString& text);
};
