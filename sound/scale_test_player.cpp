#include "sound/scale_test_player.h"

#include "music/scale.h"
#include "sound/note_player.h"
#include "sound/slot_timing.h"

namespace {

constexpr int kTestScaleType = 1;  // "Major Diatonic"

CNote OctaveAway(CNote note, int octaves) {
    note.octave += octaves;
    return note;
}

}  // namespace

CScaleTestPlayer::CScaleTestPlayer(NotePlayer& notePlayer)
    : player(notePlayer), scale(std::make_unique<CScale>()) {
    scale->BuildScale(kTestScaleType, CNote(kNoteE, 3));
}

CScaleTestPlayer::~CScaleTestPlayer() = default;

void CScaleTestPlayer::SetBpm(int bpm) {
    periodMs = HalfSlotMilliseconds(bpm);
}

void CScaleTestPlayer::StartTest(LoopDirection testDirection, bool loopTest, bool stopFirst) {
    direction = LoopDirectionFromNumber(static_cast<int>(testDirection));
    loop = loopTest;
    stopPlayingNote = stopFirst;
    scale->Rewind();
    const CNote root = scale->Next();
    if (direction == LoopDirection::kDescending ||
        direction == LoopDirection::kDescendingThenAscending) {
        ascending = false;
        endNote = root;
        current = OctaveAway(root, 1);
        scale->RewindToLast();
    } else {
        ascending = true;
        current = root;
        endNote = OctaveAway(root, 1);
    }
    testing = true;
}

bool CScaleTestPlayer::Tick() {
    const bool beat = soundTick;
    soundTick = !soundTick;
    if (beat && testing) {
        SoundBeat();
    }
    return beat;
}

void CScaleTestPlayer::TurnDown() {
    ascending = false;
    endNote = OctaveAway(endNote, -1);
    scale->RewindToLast();
    current = scale->Prev();
}

void CScaleTestPlayer::SoundBeat() {
    player.SoundNote(current, stopPlayingNote ? kAllVoices : kNoVoice);
    const bool atEnd = current == endNote;
    switch (direction) {
        case LoopDirection::kAscending:
            if (!atEnd) {
                current = scale->Next();
            } else if (loop) {
                scale->ShiftOctave(-1);
                current = OctaveAway(current, -1);
            } else {
                StopTest();
            }
            break;
        case LoopDirection::kDescending:
            if (!atEnd) {
                current = scale->Prev();
            } else if (loop) {
                scale->ShiftOctave(1);
                current = OctaveAway(current, 1);
            } else {
                StopTest();
            }
            break;
        case LoopDirection::kAscendingThenDescending:
            if (ascending) {
                if (atEnd) {
                    TurnDown();
                } else {
                    current = scale->Next();
                }
            } else if (atEnd) {
                if (loop) {
                    ascending = true;
                    endNote = OctaveAway(endNote, 1);
                    scale->ShiftOctave(-1);
                    scale->Next();
                    current = scale->Next();
                } else {
                    StopTest();
                }
            } else {
                current = scale->Prev();
            }
            break;
        case LoopDirection::kDescendingThenAscending:
            if (!ascending) {
                if (atEnd) {
                    ascending = true;
                    scale->Rewind();
                    endNote = OctaveAway(endNote, 1);
                    scale->Next();
                    current = scale->Next();
                } else {
                    current = scale->Prev();
                }
            } else if (!atEnd) {
                current = scale->Next();
            } else if (loop) {
                TurnDown();
            } else {
                StopTest();
            }
            break;
    }
}
