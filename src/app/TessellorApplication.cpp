#include "app/TessellorApplication.h"

#include "app/ErrorMessage.h"
#include "common/Exception.h"

#include <QMessageBox>
#include <new>

TessellorApplication::TessellorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tessellor"));
}

bool TessellorApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception& e) {
        ShowException(e.Message());
    } catch (const std::bad_alloc&) {
        ShowException(EOutOfMemory().Message());
    } catch (const std::exception& e) {
        ShowException(QString::fromLocal8Bit(e.what()));
    }
    return true;
}

void TessellorApplication::ShowException(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tessellor"), FormatErrorMessage(message),
                    QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}
