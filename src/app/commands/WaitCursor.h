#pragma once

#include <QCursor>
#include <QGuiApplication>

// The wait cursor for as long as this lives: speaking a text or a list of
// words takes a moment in which the window does not answer.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
