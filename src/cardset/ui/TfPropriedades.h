#pragma once

#include "cardset/SetConfig.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Properties: the current set's author and kind. It shows the document's
// values; the command that showed it makes the results of an OK current and
// writes them to the set's "Set.cfg".
class TfPropriedades : public QDialog {
    Q_OBJECT

  public:
    explicit TfPropriedades(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // The input: the current set's record, shown when the dialog opens.
    TConfigConjunto ConfigAtual{};

    // The results of an OK: the author as typed (untrimmed) and the double flag.
    QString Autor;
    bool Duplo = false;

    // OK: takes the results and closes the dialog with OK.
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;
};
