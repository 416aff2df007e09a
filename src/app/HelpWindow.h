#pragma once

#include <QDialog>

class QTextBrowser;

// The help viewer: a window showing the program's HTML help, opened at its
// contents page. A missing help file shows a page that says so.
class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the one help window of `owner` (created on first use) at `contentsFile`.
    static HelpWindow* showContents(QWidget* owner, const QString& contentsFile);

    // The help contents page: "Help/index.html" in the program's data folder
    // (InstallLayout::DataFolder).
    static QString ContentsFile();

    // The About box of the program.
    static void showAbout(QWidget* owner);

    void openContents(const QString& contentsFile);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};
