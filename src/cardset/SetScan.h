#pragma once

#include <QString>

// What the set scan shows while it runs: the main window gives it the progress
// bar, its label and the Import errors list; tessellor-tool prints instead.
class ScanView {
  public:
    virtual ~ScanView() = default;
    virtual void showProgress(const QString& label, int maximum) = 0; // shown, range 0..maximum
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    virtual void hideProgress() = 0;
    virtual void appendError(const QString& line) = 0; // one line at the end of memErros
};

struct TConjunto;

// Scans `folder` (ending with "/") into `table`, the files of a double set or
// of a paired one. True when every picture that the set's kind calls for was
// found. TSetDocument::LoadSet runs it on the document's own folder and table.
bool CarregaConjunto(const QString& folder, bool doubleSet, TConjunto& table, ScanView& view);
