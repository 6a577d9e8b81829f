#pragma once

// The step rule every chord player shares: take pick-pattern steps from a chord until one
// uses the time slot. A string whose note is muted is skipped at once and the next step is
// taken in the same slot; any other string, a rest or a strum uses the slot; the end of a
// pass is handed back for the player to decide (repeat, next pattern, stop).

#include "guitar/tuning.h"

class NotePlayer;

// The step that uses this slot: a string 1..6 (not muted), kStepRest, kStepStrum or kStepEnd.
// A looping pattern that plucks only muted strings would never use a slot; after one whole
// pass of skipped steps the slot passes in silence (kStepRest) instead of spinning forever.
int NextSlotStep(CTuning& chord);

// Sounds what a step asks for: a string or a strum of the chord, nothing for a rest or an end.
// Returns the engine's result (true for the silent steps).
bool SoundStep(NotePlayer& player, CTuning& chord, int step);
