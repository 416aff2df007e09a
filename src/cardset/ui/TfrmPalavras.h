#pragma once

#include "audio/speech/SpeechVoice.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// New set from word list: the new set's name, its words (typed, pasted or
// loaded from a text file), paired or double, the voice that says them, and
// optionally a folder of the words' pictures and a cover picture. The dialog
// only chooses and checks what the user can correct; the caller makes the set.
class TfrmPalavras : public QDialog {
    Q_OBJECT

  public:
    // `voices` as Speech::Voices() lists them (may be empty: the system's
    // voice is used); `defaultVoice` is offered first.
    TfrmPalavras(const QList<SpeechVoice>& voices, const QString& defaultVoice, QWidget* parent = nullptr);

    QLineEdit* txtNome = nullptr;
    QPlainTextEdit* memPalavras = nullptr;
    QPushButton* btnCarregar = nullptr;
    QCheckBox* chkDuplo = nullptr;
    QComboBox* cmbVoz = nullptr;
    QLineEdit* txtFiguras = nullptr;
    QPushButton* btnFiguras = nullptr;
    QLineEdit* txtCapa = nullptr;
    QPushButton* btnCapa = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancelar = nullptr;

    // The input: the folder of all sets (program folder + "Ed/").
    QString PastaBase;

    // The results of an OK.
    QString PastaEscolhida; // PastaBase + name, without a trailing "/"
    QStringList Palavras;   // the checked words
    bool Duplo() const;
    QString Voz() const;     // a voice identifier; empty for the system's
    QString Figuras() const; // empty: no pictures folder
    QString Capa() const;    // empty: a text card of the set's name

    // Loads the word list file `path` into the text box; an error is shown.
    void CarregaLista(const QString& path);
    void cmdOKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* makeBrowseRow(QLineEdit*& edit, QPushButton*& button, const char* name);
    void browseList();
    void browsePictures();
    void browseCover();
    // Shows `text`, puts the focus on `field` and leaves the dialog open.
    void refuse(const QString& text, QWidget* field);
};
