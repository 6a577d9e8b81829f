#include "sound/sound_startup.h"

#include <chrono>
#include <thread>

#include "sound/audio/audio_library.h"
#include "sound/sound_engine.h"
#include "sound/sound_settings.h"
#include "util/prompter.h"

namespace {

constexpr const char* kMessageTitle = "Fretquill";

}  // namespace

bool StartAudioOutput(AudioLibrary& audio, Prompter& prompter,
                      const std::function<void(int)>& sleep) {
    for (int attempt = 0; attempt < kOutputStartAttempts; ++attempt) {
        if (attempt > 0) {
            if (sleep) {
                sleep(kOutputRetryMilliseconds);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(kOutputRetryMilliseconds));
            }
        }
        if (audio.StartOutput(kMixRate, kVoiceCount, kOutputFlags)) {
            return true;
        }
    }
    prompter.Show(PromptKind::Error, kMessageTitle, audio.LastErrorText());
    return false;
}

bool LoadSavedSoundPack(CSoundEngine& engine, SoundSettings& settings, Prompter& prompter) {
    const std::string saved = settings.SoundPack();
    if (saved.empty()) {
        return false;
    }
    if (engine.LoadSoundPack(saved)) {
        return true;
    }
    prompter.Show(PromptKind::Error, kMessageTitle, engine.LastErrorText());
    settings.SetSoundPack("");
    return false;
}
