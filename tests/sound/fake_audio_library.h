#pragma once

// An audio library in memory: packs are paths listed in `packs` with their sample count;
// voices are handed out in turn and stay playing until stopped.

#include <map>
#include <string>
#include <vector>

#include "sound/audio/audio_library.h"
#include "sound/note_player.h"
#include "sound/sound_settings.h"

class FakeAudioLibrary : public AudioLibrary {
public:
    std::map<std::string, int> packs;  // path -> number of samples
    std::vector<std::string> calls;    // "load:PATH", "free:1", "play:32", "stop:-3"
    std::vector<bool> playing;         // by voice
    int voiceCount = 12;
    AudioError error = AudioError::None;
    bool freeSucceeds = true;

    int startFailures = 0;  // StartOutput fails this many times first
    int startAttempts = 0;

    bool StartOutput(int mixRate, int voices, int flags) override {
        calls.push_back("start:" + std::to_string(mixRate) + "," + std::to_string(voices) + "," +
                        std::to_string(flags));
        ++startAttempts;
        if (startAttempts <= startFailures) {
            error = AudioError::NoDevice;
            return false;
        }
        return true;
    }
    void CloseOutput() override { calls.push_back("close"); }

    int LoadSong(const std::string& path) override {
        calls.push_back("load:" + path);
        const auto it = packs.find(path);
        if (it == packs.end()) {
            error = AudioError::OutOfMemory;
            return 0;
        }
        loadedSamples[++lastSong] = it->second;
        return lastSong;
    }
    bool FreeSong(int song) override {
        calls.push_back("free:" + std::to_string(song));
        loadedSamples.erase(song);
        return freeSucceeds;
    }
    bool HasSample(int song, int index) const override {
        const auto it = loadedSamples.find(song);
        return it != loadedSamples.end() && index >= 0 && index < it->second;
    }
    int PlaySample(int, int index) override {
        calls.push_back("play:" + std::to_string(index));
        playing.resize(static_cast<std::size_t>(voiceCount));
        const int voice = nextVoice;
        nextVoice = (nextVoice + 1) % voiceCount;
        playing[static_cast<std::size_t>(voice)] = true;
        return voice;
    }
    void StopSound(int voice) override {
        calls.push_back("stop:" + std::to_string(voice));
        for (std::size_t v = 0; v < playing.size(); ++v) {
            if (voice == kAllVoices || static_cast<int>(v) == voice) {
                playing[v] = false;
            }
        }
    }
    bool IsPlaying(int voice) const override {
        return voice >= 0 && static_cast<std::size_t>(voice) < playing.size() &&
               playing[static_cast<std::size_t>(voice)];
    }
    AudioError LastError() const override { return error; }
    std::string ErrorText(int code) const override { return "error " + std::to_string(code); }

    int SoundingVoices() const {
        int n = 0;
        for (bool p : playing) {
            n += p ? 1 : 0;
        }
        return n;
    }
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }

private:
    std::map<int, int> loadedSamples;
    int lastSong = 0;
    int nextVoice = 0;
};

class FakeSoundSettings : public SoundSettings {
public:
    std::string soundPack;
    bool stopPlayingNote = false;

    std::string SoundPack() const override { return soundPack; }
    void SetSoundPack(const std::string& path) override { soundPack = path; }
    bool StopPlayingNote() const override { return stopPlayingNote; }
};
