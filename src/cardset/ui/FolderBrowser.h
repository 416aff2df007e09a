#pragma once

#include <QFileDialog>

// The folder chooser of Import files: Qt's own folder dialog kept inside one
// root folder. The user can go down into the root's folders but never above
// it, and a folder typed or picked outside it is not accepted.
class FolderBrowser : public QFileDialog {
    Q_OBJECT

  public:
    FolderBrowser(QWidget* parent, const QString& title, const QString& root);

    QString root() const { return root_; }
    // True for the root itself and every folder below it.
    bool isInside(const QString& path) const;

    void accept() override;

  private:
    void keepInside(const QString& folder);

    QString root_;
};
