#include "app/LimitedTextEdit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength)
{
    connect(document(), &QTextDocument::contentsChange, this, &LimitedTextEdit::trimInsertion);
}

void LimitedTextEdit::trimInsertion(int position, int /*charsRemoved*/, int charsAdded)
{
    if (trimming_)
        return;
    // characterCount() counts the document's closing paragraph separator.
    const int excess = document()->characterCount() - 1 - maxLength_;
    if (excess <= 0)
        return;
    // Drop the end of what was just inserted, so the text before and after it stays.
    const int insertedEnd = position + charsAdded;
    const int cut = std::min(excess, charsAdded);
    QTextCursor cursor(document());
    cursor.setPosition(insertedEnd - cut);
    cursor.setPosition(insertedEnd, QTextCursor::KeepAnchor);
    trimming_ = true;
    cursor.removeSelectedText();
    trimming_ = false;
}
