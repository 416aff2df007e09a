#include "audio/SimpleSoundHook.h"

namespace SimpleSound {
namespace {
StopFunction stopHook = nullptr;
}

void SetStopHook(StopFunction stop)
{
    stopHook = stop;
}

void StopPlaying()
{
    if (stopHook)
        stopHook();
}

} // namespace SimpleSound
