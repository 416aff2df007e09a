#pragma once

#include <QDialog>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// Import errors: the set scan's lines, one per missing picture.
class TfrmErroImporta : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmErroImporta(QWidget* parent = nullptr);

    QGroupBox* grpErros = nullptr;
    QPlainTextEdit* memErros = nullptr;
    QPushButton* btnOK = nullptr;

    void btnOKClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
