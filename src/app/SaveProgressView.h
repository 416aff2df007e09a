#pragma once

#include "audio/TMMWave.h"

#include <QElapsedTimer>
#include <QPointer>
#include <memory>

class QProgressDialog;
class QWidget;

// What the window shows while one command saves card sounds: the wait cursor
// from the first block on, and once a save has run `showAfterMs`, a modal
// progress dialog whose Cancel stops the save ("Saving was aborted"). The
// dialog lets the window repaint; inputs arriving meanwhile wait for the
// command (see CommandGuard). Lives as long as the command.
class SaveProgressView {
  public:
    SaveProgressView(QWidget* owner, int showAfterMs);
    ~SaveProgressView();
    SaveProgressView(const SaveProgressView&) = delete;
    SaveProgressView& operator=(const SaveProgressView&) = delete;

    // The handler to give a wave's OnProgress.
    TMMWaveProgress handler();

  private:
    void report(int32_t done, int32_t total, bool& cancel);

    QWidget* owner_;
    int showAfterMs_;
    QElapsedTimer clock_;
    bool waitCursor_ = false;
    std::unique_ptr<QProgressDialog> dialog_;
};
