#include "sound/sound_engine.h"

#include <array>

#include "sound/audio/audio_library.h"
#include "sound/sound_settings.h"

namespace {

// Sample index by pitch class (C = 0 .. B = 11) and octave 3..7; -1 where the pack stops.
// The rows follow the sorted sharp names: A#, A, B, C#, C, D#, D, E, F#, F, G#, G.
constexpr std::array<std::array<int, 5>, 12> kSampleTable = {{
    /* C  */ {17, 18, 19, 20, 21},
    /* C# */ {12, 13, 14, 15, 16},
    /* D  */ {27, 28, 29, 30, 31},
    /* D# */ {22, 23, 24, 25, 26},
    /* E  */ {32, 33, 34, 35, 36},
    /* F  */ {41, 42, 43, 44, -1},
    /* F# */ {37, 38, 39, 40, -1},
    /* G  */ {49, 50, 51, 52, -1},
    /* G# */ {45, 46, 47, 48, -1},
    /* A  */ {4, 5, 6, 7, -1},
    /* A# */ {0, 1, 2, 3, -1},
    /* B  */ {8, 9, 10, 11, -1},
}};

}  // namespace

CSoundEngine::~CSoundEngine() {
    UnloadSoundPack();
}

int CSoundEngine::SampleIndex(NoteValue note, int octave) {
    const int pitch = PitchClass(note);
    if (pitch < 0 || octave < 3 || octave > 7) {
        return -1;
    }
    return kSampleTable[static_cast<std::size_t>(pitch)][static_cast<std::size_t>(octave - 3)];
}

bool CSoundEngine::LoadSoundPack(const std::string& path) {
    UnloadSoundPack();
    if (path.empty()) {
        return false;
    }
    song = audio.LoadSong(path);
    return song != 0;
}

bool CSoundEngine::UnloadSoundPack() {
    if (song == 0) {
        return true;
    }
    const bool freed = audio.FreeSong(song);
    song = 0;
    return freed;
}

void CSoundEngine::EnsureSoundPack() {
    if (song == 0) {
        LoadSoundPack(settings.SoundPack());
    }
}

bool CSoundEngine::SoundNote(const CNote& note, int stopVoice) {
    EnsureSoundPack();
    if (song == 0) {
        return false;
    }
    const int index = SampleIndex(note.note, note.octave);
    if (note.note == kNoteRest || index < 0) {
        return true;
    }
    if (stopVoice != kNoVoice) {
        audio.StopSound(stopVoice);
    }
    if (!audio.HasSample(song, index)) {
        return false;
    }
    audio.PlaySample(song, index);
    return true;
}

bool CSoundEngine::SoundString(CTuning& tuning, int s) {
    if (s == kStepRest) {
        return true;
    }
    if (s < 1 || s > kStringCount) {
        return false;
    }
    EnsureSoundPack();
    if (song == 0) {
        return false;
    }
    const CNote note = tuning.StringNote(s);
    const int index = SampleIndex(note.note, note.octave);
    if (index < 0) {
        return true;  // a muted string, or a note the pack does not reach
    }
    if (!audio.HasSample(song, index)) {
        return false;
    }
    if (settings.StopPlayingNote()) {
        audio.StopSound(kAllVoices);
    }
    tuning.channels[static_cast<std::size_t>(s - 1)] = audio.PlaySample(song, index);
    return true;
}

bool CSoundEngine::StrumStrings(const CTuning& tuning) {
    EnsureSoundPack();
    if (song == 0) {
        return false;
    }
    const bool stopFirst = settings.StopPlayingNote();
    bool allFound = true;
    for (int s = 1; s <= kStringCount; ++s) {
        const CNote note = tuning.StringNote(s);
        const int index = SampleIndex(note.note, note.octave);
        if (index < 0) {
            continue;
        }
        if (!audio.HasSample(song, index)) {
            allFound = false;
            continue;
        }
        if (stopFirst) {
            audio.StopSound(kAllVoices);
        }
        audio.PlaySample(song, index);
    }
    return allFound;
}

bool CSoundEngine::IsStringSounding(const CTuning& tuning, int s) const {
    if (s < 1 || s > kStringCount) {
        return false;
    }
    const int voice = tuning.channels[static_cast<std::size_t>(s - 1)];
    return voice >= 0 && audio.IsPlaying(voice);
}

void CSoundEngine::StopSound(int voice) {
    audio.StopSound(voice);
}

AudioError CSoundEngine::LastError() const {
    return audio.LastError();
}

std::string CSoundEngine::LastErrorText() const {
    return audio.LastErrorText();
}
