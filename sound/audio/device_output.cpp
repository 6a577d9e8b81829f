#include <SDL.h>

#include "sound/audio/audio_mixer.h"
#include "sound/audio/audio_output.h"

namespace {

// Short buffers keep the time from a tap to its sound under 25 ms at 22050 Hz.
constexpr Uint16 kDeviceBufferFrames = 512;

class DeviceOutput : public AudioOutput {
public:
    explicit DeviceOutput(SDL_AudioDeviceID device) : device(device) {}
    ~DeviceOutput() override {
        SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    AudioOutputKind Kind() const override { return AudioOutputKind::Device; }

    // Runs on the device's thread.
    static void Pull(void* userdata, Uint8* stream, int length) {
        auto* mixer = static_cast<CAudioMixer*>(userdata);
        mixer->Mix(std::span(reinterpret_cast<std::int16_t*>(stream),
                             static_cast<std::size_t>(length) / sizeof(std::int16_t)));
    }

private:
    SDL_AudioDeviceID device;
};

}  // namespace

std::unique_ptr<AudioOutput> OpenDeviceOutput(CAudioMixer& mixer, int mixRate, int voiceCount,
                                              AudioError& error) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = AudioError::NoDevice;
        return nullptr;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = mixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = &DeviceOutput::Pull;
    wanted.userdata = &mixer;
    SDL_AudioSpec obtained{};
    // Format and channels are converted by SDL when the device differs; the rate is taken
    // as the device gives it and the mixer resamples to it.
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        error = AudioError::NoDevice;
        return nullptr;
    }
    mixer.Configure(obtained.freq, voiceCount);
    SDL_PauseAudioDevice(device, 0);
    return std::make_unique<DeviceOutput>(device);
}
