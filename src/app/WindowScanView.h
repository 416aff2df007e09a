#pragma once

#include "cardset/SetScan.h"

#include <functional>

class QLabel;
class QProgressBar;

// The set scan's view in the main window: the progress bar and its label,
// shown while the scan runs, and the Import errors list. The scan runs to its
// end without yielding to the event loop, so every change is painted at once.
class WindowScanView : public ScanView {
  public:
    WindowScanView(QLabel* label, QProgressBar* bar);

    void setErrorList(std::function<void(const QString&)> appendLine);

    void showProgress(const QString& label, int maximum) override;
    void setProgressRange(int maximum) override;
    void setProgressPosition(int position) override;
    void hideProgress() override;
    void appendError(const QString& line) override;

  private:
    QLabel* label_;
    QProgressBar* bar_;
    int labelRight_;
    std::function<void(const QString&)> appendLine_;
};
