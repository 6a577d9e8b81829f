#include "sound/scale_sequencer.h"

#include "music/scale.h"
#include "sound/note_player.h"
#include "sound/slot_timing.h"

namespace {

CNote OctaveAway(CNote note, int octaves) {
    note.octave += octaves;
    return note;
}

}  // namespace

bool CScaleSequencer::Start(CScale& target, const CNote& lowestPlaced, const CNote& highestPlaced,
                            const Options& startOptions) {
    playing = false;
    scale = &target;
    options = startOptions;
    options.direction = LoopDirectionFromNumber(static_cast<int>(options.direction));
    scale->Rewind();
    scaleNote = scale->Next();
    if (!IsSpelledNote(scaleNote.note)) {
        // An empty scale (a failed build) has no run: a looping one would go on in silence.
        return false;
    }
    if (options.direction == LoopDirection::kDescending ||
        options.direction == LoopDirection::kDescendingThenAscending) {
        scaleEnd = OctaveAway(scaleNote, -1);
        scaleRising = false;
        // Leaves the position empty with offset 0, so the next Prev gives the top note of
        // the octave below.
        scale->Prev();
        scale->Prev();
        if (IsLowerNote(scaleEnd, lowestPlaced)) {
            scaleNote = OctaveAway(scaleNote, 1);
            scaleEnd = OctaveAway(scaleEnd, 1);
            scale->ShiftOctave(1);
        }
        if (IsHigherNote(scaleNote, highestPlaced)) {
            return false;
        }
    } else {
        scaleEnd = OctaveAway(scaleNote, 1);
        scaleRising = true;
        if (IsHigherNote(scaleEnd, highestPlaced)) {
            scaleNote = OctaveAway(scaleNote, -1);
            scaleEnd = OctaveAway(scaleEnd, -1);
            scale->ShiftOctave(-1);
        }
        if (IsLowerNote(scaleNote, lowestPlaced)) {
            return false;
        }
    }
    periodMs = SlotMilliseconds(options.bpm);
    playing = true;
    Tick();
    return true;
}

bool CScaleSequencer::Tick() {
    if (!playing || scale == nullptr) {
        return false;
    }
    player.SoundNote(scaleNote, options.stopPlayingNote ? kAllVoices : kNoVoice);
    const bool atEnd = scaleNote == scaleEnd;
    switch (options.direction) {
        case LoopDirection::kAscending:
            if (!atEnd) {
                scaleNote = scale->Next();
            } else if (options.loop) {
                scaleNote = OctaveAway(scaleNote, -1);
                scale->ShiftOctave(-1);
            } else {
                Stop();
            }
            break;
        case LoopDirection::kDescending:
            if (!atEnd) {
                scaleNote = scale->Prev();
            } else if (options.loop) {
                scaleNote = OctaveAway(scaleNote, 1);
                scale->ShiftOctave(1);
            } else {
                Stop();
            }
            break;
        case LoopDirection::kAscendingThenDescending:
            if (scaleRising) {
                if (atEnd) {
                    TurnDown();
                } else {
                    scaleNote = scale->Next();
                }
            } else if (atEnd) {
                if (options.loop) {
                    TurnUp();
                } else {
                    Stop();
                }
            } else {
                scaleNote = scale->Prev();
            }
            break;
        case LoopDirection::kDescendingThenAscending:
            if (!scaleRising) {
                if (atEnd) {
                    TurnUp();
                } else {
                    scaleNote = scale->Prev();
                }
            } else if (atEnd) {
                if (options.loop) {
                    TurnDown();
                } else {
                    Stop();
                }
            } else {
                scaleNote = scale->Next();
            }
            break;
    }
    return playing;
}

// At the turning note T (a root): the run goes down from the scale note just below T.
void CScaleSequencer::TurnDown() {
    scaleRising = false;
    scaleEnd = OctaveAway(scaleNote, -1);
    const int offset = scale->OctaveOffset();
    scale->ClearPosition();
    scale->ShiftOctave(offset);
    scaleNote = scale->Prev();
}

// At the turning note T: the run goes up from the scale note just above T.
void CScaleSequencer::TurnUp() {
    scaleRising = true;
    scaleEnd = OctaveAway(scaleNote, 1);
    scale->ShiftOctave(-1);
    scale->Next();  // T itself, already sounded
    scaleNote = scale->Next();
}
