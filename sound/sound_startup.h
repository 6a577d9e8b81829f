#pragma once

// The sound part of the program's start: the audio output and the saved sound pack.
//
//   StartAudioOutput(audio, prompter);                  // 22050 Hz, 12 voices
//   LoadSavedSoundPack(engine, settings, prompter);
//
// Both go on without sound when they fail, after telling the player once.

#include <functional>

class AudioLibrary;
class CSoundEngine;
class Prompter;
class SoundSettings;

inline constexpr int kMixRate = 22050;
inline constexpr int kVoiceCount = 12;
inline constexpr int kOutputFlags = 2;
// The first attempt and up to ten retries, 100 ms apart: a device still held by the
// program that ran before often frees itself within a second.
inline constexpr int kOutputStartAttempts = 11;
inline constexpr int kOutputRetryMilliseconds = 100;

// Starts the output; stops at the first success. Only when every attempt failed is the
// audio error text shown. sleep waits the given milliseconds (tests count instead).
bool StartAudioOutput(AudioLibrary& audio, Prompter& prompter,
                      const std::function<void(int)>& sleep = {});

// Loads the pack named by SoundPack, when it names one. A pack that will not load shows
// the audio error text and clears SoundPack, so the next start does not try it again.
bool LoadSavedSoundPack(CSoundEngine& engine, SoundSettings& settings, Prompter& prompter);
