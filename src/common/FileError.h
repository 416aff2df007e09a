#pragma once

#include "common/Exception.h"

#include <QString>

// A lower layer's error on one file whose own text does not name it (a card
// picture that cannot be read, a damaged "Set.cfg"). Message() is the layer's
// text; an error box shows FileName() and Reason() below it.
class EFileError : public Exception {
  public:
    EFileError(const QString& message, const QString& fileName, const QString& reason = QString());
    // `cause` on the file `path`; a file the cause already names is kept.
    static EFileError On(const Exception& cause, const QString& path);
};
