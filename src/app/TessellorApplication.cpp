#include "app/TessellorApplication.h"

#include "common/ui/ErrorMessage.h"

TessellorApplication::TessellorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tessellor"));
    // The desktop matches the windows to the menu entry (and its icon) by it.
    setDesktopFileName(QStringLiteral("org.tessellor.Tessellor"));
}

bool TessellorApplication::notify(QObject* receiver, QEvent* event)
{
    // The last guard: each command shows its own errors (RunCommand), so
    // only an error of code outside the commands arrives here.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception&) {
        ShowCaughtError();
    }
    return true;
}

void TessellorApplication::ShowException(const QString& message)
{
    ShowErrorBox(message);
}
