#pragma once

#include <QFileDialog>
#include <functional>

// Qt's own file dialog with a check on confirming: a chosen file the check
// refuses keeps the dialog open. Folders and names of no file are left to
// the file dialog itself (it opens the folder or says the file is missing).
class WaveFileDialog : public QFileDialog {
    Q_OBJECT

  public:
    using Check = std::function<bool(const QString& path)>;

    WaveFileDialog(QWidget* parent, Check check);

    void accept() override;

  private:
    Check check_;
};
