#pragma once

#include "audio/TMMWave.h"
#include "cardset/CardFileObserver.h"

#include <QElapsedTimer>
#include <QPointer>
#include <memory>

class QProgressDialog;
class QWidget;

// What the window shows while one command writes card files: from the first
// write on, the window painted once more (a dialog that closed just before
// leaves no trace) and the wait cursor; once a sound save has run
// `showAfterMs`, a modal progress dialog whose Cancel stops the save ("Saving
// was aborted"). The dialog lets the window repaint; inputs arriving meanwhile
// wait for the command (see CommandGuard). Lives as long as the command.
class SaveProgressView : private CardFileObserver {
  public:
    SaveProgressView(QWidget* owner, TSetDocument& document, int showAfterMs);
    ~SaveProgressView() override;
    SaveProgressView(const SaveProgressView&) = delete;
    SaveProgressView& operator=(const SaveProgressView&) = delete;

    // The handler to give a wave's OnProgress.
    TMMWaveProgress handler();

  private:
    void aboutToReplace(const CardFileChange&) override { startWaiting(); }
    void replaced(const CardFileChange&) override {}
    void replaceFailed(const CardFileChange&) override {}
    void startWaiting();
    void report(int32_t done, int32_t total, bool& cancel);

    QWidget* owner_;
    TSetDocument& document_;
    int showAfterMs_;
    QElapsedTimer clock_;
    bool waitCursor_ = false;
    std::unique_ptr<QProgressDialog> dialog_;
};
