#pragma once

#include "images/CardText.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QFontDialog;

// The font dialog of "Choose Font": face, size and style with the effects
// underline, strike-out and colour. Qt's font dialog has no colour choice, so
// it is embedded here with a colour list of the sixteen basic colours.
class CardFontDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CardFontDialog(QWidget* parent = nullptr);

    // Runs the dialog; true when the user confirmed a font, which is then the
    // last choice. A cancelled run leaves the last choice as it was, and the
    // next run starts from it.
    bool Execute();
    CardText::CanvasFont LastChoice() const { return last_; }

    CardText::CanvasFont CurrentFont() const;
    void SetCurrentFont(const CardText::CanvasFont& font);

    QFontDialog* fontChooser() const { return fontChooser_; }
    QComboBox* colorList() const { return colorList_; }

  private:
    QFontDialog* fontChooser_;
    QComboBox* colorList_;
    CardText::CanvasFont last_;
};
