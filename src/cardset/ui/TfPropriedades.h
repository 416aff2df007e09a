#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Properties: the current set's author and kind, written to its "Set.cfg" on OK.
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

    // OK: the values go into ConfigConjunto and, while a set is current, into
    // its "Set.cfg". A failed write raises EInOutError after the dialog closed.
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;
};
