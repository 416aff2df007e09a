#pragma once

// The process plays card sounds through one simple sound player that lives in
// a separate library (it needs the multimedia module). Releasing a wave must
// stop what that player plays, without the core library linking it: the player
// registers its stop function here when it is created.
namespace SimpleSound {

using StopFunction = void (*)();

// Registers (or, with nullptr, removes) the function that stops the player.
void SetStopHook(StopFunction stop);
// Stops what the player plays; nothing when no player exists.
void StopPlaying();

} // namespace SimpleSound
