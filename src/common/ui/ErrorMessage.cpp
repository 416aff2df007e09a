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

EFileError::EFileError(const QString& message, QString fileName)
    : Exception(message), fileName_(std::move(fileName))
{
}

EFileError EFileError::On(const Exception& cause, const QString& path)
{
    return EFileError(cause.Message(), cause.Message().contains(path) ? QString() : path);
}

void ShowErrorBox(const QString& message, const QString& fileName)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tessellor"), FormatErrorMessage(message, fileName),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void ShowCaughtError()
{
    try {
        throw;
    } catch (const EFileError& e) {
        ShowErrorBox(e.Message(), e.FileName());
    } catch (const Exception& e) {
        ShowErrorBox(e.Message());
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
