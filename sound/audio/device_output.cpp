#include <SDL.h>
#include <dlfcn.h>

#include "sound/audio/audio_mixer.h"
#include "sound/audio/audio_output.h"

namespace {

// The device library is opened only when something plays on the device, so the commands
// that never play start without loading it and the audio and video stack behind it. Only
// its types and constants come from the header; the functions are looked up here.
struct SdlFunctions {
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) openAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice = nullptr;
};

template <typename F>
bool Look(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

// Opened once and kept for the rest of the process: the device thread may still run code
// of the library while an output closes. Null when the library or a function is missing.
const SdlFunctions* Sdl() {
    static const SdlFunctions* const loaded = []() -> const SdlFunctions* {
        void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return nullptr;
        }
        static SdlFunctions f;
        if (!Look(library, "SDL_InitSubSystem", f.initSubSystem) ||
            !Look(library, "SDL_QuitSubSystem", f.quitSubSystem) ||
            !Look(library, "SDL_OpenAudioDevice", f.openAudioDevice) ||
            !Look(library, "SDL_CloseAudioDevice", f.closeAudioDevice) ||
            !Look(library, "SDL_PauseAudioDevice", f.pauseAudioDevice)) {
            dlclose(library);
            return nullptr;
        }
        return &f;
    }();
    return loaded;
}

// Short buffers keep the time from a tap to its sound under 25 ms at 22050 Hz.
constexpr Uint16 kDeviceBufferFrames = 512;

class DeviceOutput : public AudioOutput {
public:
    DeviceOutput(const SdlFunctions& sdl, SDL_AudioDeviceID device) : sdl(sdl), device(device) {}
    ~DeviceOutput() override {
        sdl.closeAudioDevice(device);
        sdl.quitSubSystem(SDL_INIT_AUDIO);
    }
    AudioOutputKind Kind() const override { return AudioOutputKind::Device; }

    // Runs on the device's thread.
    static void Pull(void* userdata, Uint8* stream, int length) {
        auto* mixer = static_cast<CAudioMixer*>(userdata);
        mixer->Mix(std::span(reinterpret_cast<std::int16_t*>(stream),
                             static_cast<std::size_t>(length) / sizeof(std::int16_t)));
    }

private:
    const SdlFunctions& sdl;
    SDL_AudioDeviceID device;
};

}  // namespace

std::unique_ptr<AudioOutput> OpenDeviceOutput(CAudioMixer& mixer, int mixRate, int voiceCount,
                                              AudioError& error) {
    const SdlFunctions* sdl = Sdl();
    if (sdl == nullptr || sdl->initSubSystem(SDL_INIT_AUDIO) != 0) {
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
        sdl->openAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) {
        sdl->quitSubSystem(SDL_INIT_AUDIO);
        error = AudioError::NoDevice;
        return nullptr;
    }
    mixer.Configure(obtained.freq, voiceCount);
    sdl->pauseAudioDevice(device, 0);
    return std::make_unique<DeviceOutput>(*sdl, device);
}
