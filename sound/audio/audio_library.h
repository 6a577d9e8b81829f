#pragma once

// The audio operations the sound engine relies on, and nothing more: start and close the
// output, load a sound pack and free it, find one of its samples, start a sample on a free
// voice, stop one voice or all, ask whether a voice still sounds, and the last error with
// its text. The program runs
// them on the audio output of this folder (CAudioOutputLibrary); tests use a fake.
//
// Song handles are integers, 0 for none. Voices are numbered from 0; kAllVoices (-3) means
// every voice. All calls come from the user-interface thread.

#include <string>

#include "sound/audio/audio_errors.h"

// Passed as a voice number: every voice at once.
inline constexpr int kAllVoices = -3;

class AudioLibrary {
public:
    virtual ~AudioLibrary() = default;

    // Starts the output with a mix rate, a voice count and flags; false when it fails.
    virtual bool StartOutput(int mixRate, int voiceCount, int flags) = 0;
    virtual void CloseOutput() = 0;

    // Loads a sound pack; its handle, or 0 on failure (LastError tells why).
    virtual int LoadSong(const std::string& path) = 0;
    virtual bool FreeSong(int song) = 0;
    // Whether the pack has sample index (0-based).
    virtual bool HasSample(int song, int index) const = 0;
    // Starts the sample on a free voice (the longest playing one when none is free) and
    // returns the voice number; -1 when it could not start.
    virtual int PlaySample(int song, int index) = 0;
    virtual void StopSound(int voice) = 0;
    // False for -1 and for a voice that has ended.
    virtual bool IsPlaying(int voice) const = 0;
    virtual AudioError LastError() const = 0;
    // The player's text for any code, "Unknown error" for a code without one.
    virtual std::string ErrorText(int code) const = 0;
    std::string LastErrorText() const { return ErrorText(static_cast<int>(LastError())); }
};
