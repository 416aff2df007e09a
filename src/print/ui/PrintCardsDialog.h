#pragma once

#include "print/PrintDeck.h"
#include "print/PrintOptions.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPrinter;
class QSpinBox;

// Files -> "Print cards...": the options of the print, the cards that will be
// left out, and the way out to a preview, a printer or a PDF file.
class PrintCardsDialog : public QDialog {
    Q_OBJECT

  public:
    // The set in `setFolder`; its pictures are read now and again when the
    // choice of cards changes.
    explicit PrintCardsDialog(const QString& setFolder, QWidget* parent = nullptr);

    PrintOptions options() const;
    // The cards left out, one line each, as the dialog lists them.
    QStringList skippedLines() const { return deck_.skippedLines(); }

    // Writes the print to `path`; false (after telling the user) when it failed.
    bool savePdf(const QString& path);

  private:
    void buildForm();
    void reloadDeck();
    void showSkipped();
    void preview();
    void printOnPrinter();
    void askAndSavePdf();
    void paintOn(QPrinter* printer);
    void showError(const QString& message);

    QString folder_;
    PrintDeck deck_;
    QComboBox* paper_ = nullptr;
    QSpinBox* cardSize_ = nullptr;
    QCheckBox* cuttingLines_ = nullptr;
    QCheckBox* backs_ = nullptr;
    QCheckBox* names_ = nullptr;
    QButtonGroup* which_ = nullptr;
    QPlainTextEdit* skipped_ = nullptr;
};

// Shows the dialog for the set in `setFolder`, modal over `parent`, until the
// user closes it.
void ShowPrintCardsDialog(QWidget* parent, const QString& setFolder);
