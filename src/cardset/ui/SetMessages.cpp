#include "cardset/ui/SetMessages.h"

#include <QMessageBox>

namespace SetMessages {

void Show(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("SetMessage"));
    box.exec();
}

} // namespace SetMessages
