#pragma once

#include "common/Exception.h"

// Every failure of spoken text: no text, no usable voice, a rate out of range,
// or the speech library refusing to start or to speak.
class ESpeechError : public Exception {
  public:
    using Exception::Exception;
};
