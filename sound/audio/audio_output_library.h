#pragma once

// The program's audio output: sound packs loaded from tracker modules, a software mixer of
// the voice count given, and an output for it, behind the operations of AudioLibrary.
//
//   CAudioOutputLibrary audio;
//   audio.StartOutput(22050, 12, 2);            // the sound device, else the silent output
//   const int song = audio.LoadSong("sounds/default.spk");
//   const int voice = audio.PlaySample(song, 32);
//   audio.IsPlaying(voice);
//
// StartOutput picks the output: with FRETQUILL_AUDIO_CAPTURE=path.wav set, a capture of
// everything that would have been heard into that file; else the sound device. When no
// device opens, the silent output runs (voices still end on time) and StartOutput reports
// AudioError::NoDevice. StartOffline gives an output that moves only by Render, faster
// than real time, for tests and the command-line tool.
//
// Every call comes from the user-interface thread; only the device pulls frames from its
// own thread. Error codes and texts are those of sound/audio/audio_errors.h.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "sound/audio/audio_mixer.h"
#include "sound/audio/audio_output.h"
#include "sound/audio/audio_sample.h"
#include "sound/audio/audio_library.h"

inline constexpr const char* kAudioCaptureVariable = "FRETQUILL_AUDIO_CAPTURE";
inline constexpr int kMinMixRate = 8000;
inline constexpr int kMaxMixRate = 192000;
inline constexpr int kMaxVoiceCount = 64;

class CAudioOutputLibrary : public AudioLibrary {
public:
    // clock drives the silent and capture outputs; the steady clock by default.
    explicit CAudioOutputLibrary(AudioClock clock = {});
    ~CAudioOutputLibrary() override;
    CAudioOutputLibrary(const CAudioOutputLibrary&) = delete;
    CAudioOutputLibrary& operator=(const CAudioOutputLibrary&) = delete;

    // flags are accepted for the program's call and otherwise unused.
    bool StartOutput(int mixRate, int voiceCount, int flags) override;
    bool StartOffline(int mixRate, int voiceCount);
    void CloseOutput() override;

    int LoadSong(const std::string& path) override;
    bool FreeSong(int song) override;
    bool HasSample(int song, int index) const override;
    int PlaySample(int song, int index) override;
    void StopSound(int voice) override;
    bool IsPlaying(int voice) const override;
    AudioError LastError() const override { return lastError; }
    std::string ErrorText(int code) const override;

    // Offline output only: moves the mixer on by the frames (or the time) and returns what
    // it produced; nothing with any other output.
    std::vector<std::int16_t> RenderFrames(std::int64_t frames);
    std::vector<std::int16_t> Render(std::chrono::milliseconds duration);

    // The loaded pack under a handle, nullptr for none.
    const AudioSampleBank* Song(int song) const;
    AudioOutputKind OutputKind() const;
    // The rate the mixer produces, 0 before the output starts.
    int OutputRate() const;
    int ActiveVoices() const { return mixer.ActiveVoices(); }

private:
    void Pump() const;
    bool Fail(AudioError error);

    AudioClock clock;
    CAudioMixer mixer;
    // Declared after the mixer it feeds, so it is closed first.
    std::unique_ptr<AudioOutput> output;
    std::map<int, std::unique_ptr<AudioSampleBank>> songs;
    int lastSong = 0;
    AudioError lastError = AudioError::None;
};
