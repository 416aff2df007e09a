#pragma once

#include <QApplication>

// The application object with the top-level error handler: an error that an
// event handler did not catch is shown in a modal error box titled with the
// application title, and the program goes on with its next event.
class TessellorApplication : public QApplication {
    Q_OBJECT

  public:
    TessellorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows `message` (full stop rule applied) in the error box.
    static void ShowException(const QString& message);
};
