#pragma once

// The settings entries the sound engine and the sound pack library read and write while
// they run: the loaded pack's path and the chord page's "stop playing note" box. The
// program reads them from CAppSettings; tests hand in a plain store.

#include <string>

class SoundSettings {
public:
    virtual ~SoundSettings() = default;

    // SoundPack: the full path of the chosen pack, "" for none.
    virtual std::string SoundPack() const = 0;
    virtual void SetSoundPack(const std::string& path) = 0;
    // StopPlayingNote: silence every voice before each string sounds.
    virtual bool StopPlayingNote() const = 0;
};
