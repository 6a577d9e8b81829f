#pragma once

// The sound entries as the running program keeps them: in CAppSettings.

#include "settings/app_settings.h"
#include "sound/sound_settings.h"

class CAppSoundSettings : public SoundSettings {
public:
    explicit CAppSoundSettings(CAppSettings& settings) : settings(settings) {}

    std::string SoundPack() const override { return settings.soundPack; }
    void SetSoundPack(const std::string& path) override { settings.soundPack = path; }
    bool StopPlayingNote() const override { return settings.stopPlayingNote == 1; }

private:
    CAppSettings& settings;
};
