#pragma once

// The sound engine: sounds notes, strings and strums from the loaded sound pack. A pack
// holds 53 samples, the semitones C3 to E7, stored in the order of their sharp-spelled
// names sorted character by character ("A#3", "A#4", ..., "G6"); enharmonic spellings share
// a sample and every other note sounds nothing.
//
//   CSoundEngine engine(audio, CGuitar::Instance().song, settings);
//   engine.SoundString(chord, 1);          // loads the pack named by SoundPack first
//   engine.StrumStrings(chord);
//
// The pack is loaded lazily: every sounding operation first loads SoundPack when no pack is
// loaded, so a failed load is tried again on the next note. The song handle belongs to the
// guitar model; the engine frees the song when it is destroyed at exit.

#include <string>

#include "sound/note_player.h"

class AudioLibrary;
class SoundSettings;

inline constexpr int kSoundPackSampleCount = 53;

class CSoundEngine : public NotePlayer {
public:
    // song is the guitar model's handle of the loaded pack (0 for none); audio, song and
    // settings must outlive the engine.
    CSoundEngine(AudioLibrary& audio, int& song, SoundSettings& settings)
        : audio(audio), song(song), settings(settings) {}
    ~CSoundEngine() override;
    CSoundEngine(const CSoundEngine&) = delete;
    CSoundEngine& operator=(const CSoundEngine&) = delete;

    // 0..52 from the sample table, -1 for a note without a sample (outside C3..E7, or no
    // spelled note at all).
    static int SampleIndex(NoteValue note, int octave);

    // Unloads first; false for an empty path or a file the audio output cannot load.
    bool LoadSoundPack(const std::string& path);
    // True at once without a pack; otherwise frees it (the handle is forgotten either way)
    // and returns the audio output's result.
    bool UnloadSoundPack();
    // Loads SoundPack when no pack is loaded.
    void EnsureSoundPack();
    bool HasSoundPack() const { return song != 0; }

    bool SoundNote(const CNote& note, int stopVoice) override;
    bool SoundString(CTuning& tuning, int s) override;
    bool StrumStrings(const CTuning& tuning) override;
    bool IsStringSounding(const CTuning& tuning, int s) const override;
    void StopSound(int voice) override;

    // The audio output's last error and its text, for the player's message box.
    AudioError LastError() const;
    std::string LastErrorText() const;

private:
    AudioLibrary& audio;
    int& song;
    SoundSettings& settings;
};
