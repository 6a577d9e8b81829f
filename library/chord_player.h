#pragma once

// How a progression sounds: the two sounding operations progression playback needs. The
// sound engine implements them over the loaded sound pack; tests record the calls.
//
//   class CSoundEngine : public ChordPlayer { ... };   // one override serves both
//   progression.ResetPlayback();
//   while (progression.PlayStep(engine)) { ... wait one time slot ... }
//
// The signatures are those of the engine's own sounding operations, so an engine class
// that already has them satisfies this interface with the same overrides. All calls come
// from the user-interface thread.

#include "guitar/tuning.h"

class ChordPlayer {
public:
    virtual ~ChordPlayer() = default;

    // Sounds string s (1..6) of a chord and records its voice in the chord's channels.
    // False when nothing could sound (no pack, a missing sample); playback goes on.
    virtual bool SoundString(CTuning& chord, int s) = 0;
    // Sounds all six strings of a chord at once.
    virtual bool StrumStrings(const CTuning& chord) = 0;
};
