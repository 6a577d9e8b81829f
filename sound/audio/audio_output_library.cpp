#include "sound/audio/audio_output_library.h"

#include <cstdlib>

#include "sound/audio/module_loader.h"

namespace {

std::chrono::nanoseconds SteadyNow() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

bool ValidOutput(int mixRate, int voiceCount) {
    return mixRate >= kMinMixRate && mixRate <= kMaxMixRate && voiceCount >= 1 &&
           voiceCount <= kMaxVoiceCount;
}

}  // namespace

CAudioOutputLibrary::CAudioOutputLibrary(AudioClock clock)
    : clock(clock ? std::move(clock) : AudioClock(&SteadyNow)) {}

CAudioOutputLibrary::~CAudioOutputLibrary() {
    CloseOutput();
}

bool CAudioOutputLibrary::Fail(AudioError error) {
    lastError = error;
    return false;
}

void CAudioOutputLibrary::Pump() const {
    if (output) {
        output->Pump();
    }
}

bool CAudioOutputLibrary::StartOutput(int mixRate, int voiceCount, int /*flags*/) {
    CloseOutput();
    if (!ValidOutput(mixRate, voiceCount)) {
        return Fail(AudioError::BadOutputSettings);
    }
    const char* capturePath = std::getenv(kAudioCaptureVariable);
    AudioError error = AudioError::None;
    if (capturePath != nullptr && *capturePath != '\0') {
        mixer.Configure(mixRate, voiceCount);
        output = OpenCaptureOutput(mixer, clock, capturePath, error);
    } else {
        output = OpenDeviceOutput(mixer, mixRate, voiceCount, error);
    }
    if (output) {
        return true;
    }
    // Without a device the program still runs: voices end on time, nothing is heard.
    mixer.Configure(mixRate, voiceCount);
    output = MakeSilentOutput(mixer, clock);
    return Fail(error);
}

bool CAudioOutputLibrary::StartOffline(int mixRate, int voiceCount) {
    CloseOutput();
    if (!ValidOutput(mixRate, voiceCount)) {
        return Fail(AudioError::BadOutputSettings);
    }
    mixer.Configure(mixRate, voiceCount);
    output = MakeOfflineOutput();
    return true;
}

void CAudioOutputLibrary::CloseOutput() {
    if (!output) {
        return;
    }
    Pump();
    output.reset();
    mixer.Stop(kAllVoices);
}

int CAudioOutputLibrary::LoadSong(const std::string& path) {
    auto bank = std::make_unique<AudioSampleBank>();
    const AudioError error = LoadModuleSamples(path, *bank);
    if (error != AudioError::None) {
        Fail(error);
        return 0;
    }
    songs[++lastSong] = std::move(bank);
    return lastSong;
}

bool CAudioOutputLibrary::FreeSong(int song) {
    const auto it = songs.find(song);
    if (it == songs.end()) {
        return Fail(AudioError::BadSong);
    }
    Pump();
    mixer.StopBank(*it->second);
    songs.erase(it);
    return true;
}

const AudioSampleBank* CAudioOutputLibrary::Song(int song) const {
    const auto it = songs.find(song);
    return it == songs.end() ? nullptr : it->second.get();
}

bool CAudioOutputLibrary::HasSample(int song, int index) const {
    const AudioSampleBank* bank = Song(song);
    return bank != nullptr && index >= 0 && index < static_cast<int>(bank->samples.size());
}

int CAudioOutputLibrary::PlaySample(int song, int index) {
    if (!output) {
        Fail(AudioError::NotStarted);
        return -1;
    }
    const AudioSampleBank* bank = Song(song);
    if (bank == nullptr) {
        Fail(AudioError::BadSong);
        return -1;
    }
    if (!HasSample(song, index)) {
        Fail(AudioError::BadSampleIndex);
        return -1;
    }
    Pump();
    const int voice = mixer.Start(bank->samples[static_cast<std::size_t>(index)]);
    if (voice < 0) {
        Fail(AudioError::EmptySample);
    }
    return voice;
}

void CAudioOutputLibrary::StopSound(int voice) {
    Pump();
    mixer.Stop(voice);
}

bool CAudioOutputLibrary::IsPlaying(int voice) const {
    if (!output) {
        return false;
    }
    Pump();
    return mixer.IsPlaying(voice);
}

std::string CAudioOutputLibrary::ErrorText(int code) const {
    return AudioErrorText(code);
}

std::vector<std::int16_t> CAudioOutputLibrary::RenderFrames(std::int64_t frames) {
    std::vector<std::int16_t> rendered;
    if (OutputKind() != AudioOutputKind::Offline || frames <= 0) {
        return rendered;
    }
    rendered.resize(static_cast<std::size_t>(frames));
    mixer.Mix(rendered);
    return rendered;
}

std::vector<std::int16_t> CAudioOutputLibrary::Render(std::chrono::milliseconds duration) {
    return RenderFrames(duration.count() * OutputRate() / 1000);
}

AudioOutputKind CAudioOutputLibrary::OutputKind() const {
    return output ? output->Kind() : AudioOutputKind::None;
}

int CAudioOutputLibrary::OutputRate() const {
    return output ? mixer.OutputRate() : 0;
}
