#include "common/ui/ErrorMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <new>

QString FormatErrorMessage(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString FormatErrorMessage(const QString& message, const QString& fileName)
{
    if (fileName.isEmpty())
        return FormatErrorMessage(message);
    return FormatErrorMessage(message) + QLatin1Char('\n') + fileName;
}

QString FormatErrorMessage(const Exception& error)
{
    // A layer's text that ends with the file it names ("Cannot create file
    // /x/C03.bmp") is shown as every other file error is: the message, then
    // the path alone on the line below.
    const QString& file = error.FileName();
    const QString& message = error.Message();
    if (!file.isEmpty() && message.endsWith(QLatin1Char(' ') + file)) {
        const QString reason = error.Reason().isEmpty() ? QString() : QLatin1Char('\n') + error.Reason();
        return FormatErrorMessage(message.chopped(file.size() + 1), file) + reason;
    }
    const QString belowMessage = error.TextWithFile().mid(message.size());
    return FormatErrorMessage(message) + belowMessage;
}

namespace {

void showBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tessellor"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace

void ShowErrorBox(const QString& message, const QString& fileName)
{
    showBox(FormatErrorMessage(message, fileName));
}

void ShowErrorBox(const Exception& error)
{
    showBox(FormatErrorMessage(error));
}

void ShowCaughtError()
{
    try {
        throw;
    } catch (const Exception& e) {
        ShowErrorBox(e);
    } catch (const std::bad_alloc&) {
        ShowErrorBox(EOutOfMemory().Message());
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromLocal8Bit(e.what()));
    }
}

bool RunCommand(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception&) {
        ShowCaughtError();
    }
    return false;
}
