#pragma once

#include <QPlainTextEdit>

// A multi-line text box that holds at most a given number of characters:
// typing or pasting beyond the limit keeps only what fits.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    LimitedTextEdit(int maxLength, QWidget* parent = nullptr);

    int maxLength() const { return maxLength_; }

  private:
    void trimInsertion(int position, int charsRemoved, int charsAdded);

    int maxLength_;
    bool trimming_ = false;
};
