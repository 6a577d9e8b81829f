#include "sound/audio/module_loader.h"

#include "sound/audio/xm_extent.h"

#include <xmp.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace {

// Far beyond any sound pack (53 two-second notes take under 5 MB); a module claiming more
// is refused instead of exhausting memory.
constexpr std::size_t kMaxTotalFrames = std::size_t{256} * 1024 * 1024;

struct ContextDeleter {
    void operator()(void* context) const {
        xmp_free_context(static_cast<xmp_context>(context));
    }
};
using Context = std::unique_ptr<void, ContextDeleter>;

std::string FixedText(const char* text, std::size_t size) {
    std::string result(text, strnlen(text, size));
    while (!result.empty() && (result.back() == ' ' || result.back() == '\0')) {
        result.pop_back();
    }
    return result;
}

AudioError CopySamples(const xmp_module& module, AudioSampleBank& bank) {
    if (module.smp <= 0 || module.xxs == nullptr) {
        return AudioError::NoSamples;
    }
    bank.samples.resize(static_cast<std::size_t>(module.smp));
    // The rate, volume and name come from the first instrument that plays a sample.
    std::vector<bool> described(bank.samples.size(), false);
    for (int i = 0; i < module.ins && module.xxi != nullptr; ++i) {
        const xmp_instrument& instrument = module.xxi[i];
        for (int j = 0; j < instrument.nsm && instrument.sub != nullptr; ++j) {
            const xmp_subinstrument& sub = instrument.sub[j];
            if (sub.sid < 0 || sub.sid >= module.smp ||
                described[static_cast<std::size_t>(sub.sid)]) {
                continue;
            }
            AudioSample& sample = bank.samples[static_cast<std::size_t>(sub.sid)];
            sample.rate = NativeSampleRate(sub.xpo, sub.fin);
            sample.volume = static_cast<float>(std::clamp(sub.vol, 0, 64)) / 64.0f;
            sample.name = FixedText(instrument.name, sizeof instrument.name);
            described[static_cast<std::size_t>(sub.sid)] = true;
        }
    }

    std::size_t totalFrames = 0;
    for (int k = 0; k < module.smp; ++k) {
        const xmp_sample& source = module.xxs[k];
        AudioSample& sample = bank.samples[static_cast<std::size_t>(k)];
        const std::string sampleName = FixedText(source.name, sizeof source.name);
        if (!sampleName.empty()) {
            sample.name = sampleName;
        }
        const int length = source.data != nullptr && source.len > 0 ? source.len : 0;
        totalFrames += static_cast<std::size_t>(length);
        if (totalFrames > kMaxTotalFrames) {
            return AudioError::OutOfMemory;
        }
        sample.frames.resize(static_cast<std::size_t>(length));
        if ((source.flg & XMP_SAMPLE_16BIT) != 0) {
            const auto* data = reinterpret_cast<const std::int16_t*>(source.data);
            std::copy(data, data + length, sample.frames.begin());
        } else {
            const auto* data = reinterpret_cast<const std::int8_t*>(source.data);
            for (int f = 0; f < length; ++f) {
                sample.frames[static_cast<std::size_t>(f)] =
                    static_cast<std::int16_t>(data[f] * 256);
            }
        }
        if ((source.flg & XMP_SAMPLE_LOOP) != 0 && source.lps >= 0 && source.lps < source.lpe &&
            source.lpe <= length) {
            sample.loop = true;
            sample.loopStart = source.lps;
            sample.loopEnd = source.lpe;
        }
    }
    return AudioError::None;
}

}  // namespace

double NativeSampleRate(int relativeNote, int finetune) {
    return 8363.0 * std::exp2((relativeNote + finetune / 128.0) / 12.0);
}

AudioError LoadModuleSamples(const std::string& path, AudioSampleBank& bank) {
    bank.samples.clear();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return AudioError::FileNotFound;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return AudioError::FileUnreadable;
    }

    try {
        Context context(xmp_create_context());
        if (!context) {
            return AudioError::OutOfMemory;
        }
        const auto ctx = static_cast<xmp_context>(context.get());
        const int loaded = xmp_load_module(ctx, path.c_str());
        if (loaded != 0) {
            switch (-loaded) {
                case XMP_ERROR_SYSTEM:
                    return AudioError::FileUnreadable;
                default:
                    // Unknown formats, damaged or truncated modules alike.
                    return AudioError::NotAModule;
            }
        }
        xmp_module_info info{};
        xmp_get_module_info(ctx, &info);
        AudioError result = AudioError::NotAModule;
        if (info.mod != nullptr) {
            result = CopySamples(*info.mod, bank);
        }
        // The loader keeps what it could read of a file that lost its end.
        const std::optional<std::uint64_t> declared = XmDeclaredSize(path);
        if (result == AudioError::None && declared &&
            *declared > std::filesystem::file_size(path, error)) {
            result = AudioError::CutShort;
        }
        xmp_release_module(ctx);
        if (result != AudioError::None) {
            bank.samples.clear();
        }
        return result;
    } catch (const std::bad_alloc&) {
        bank.samples.clear();
        return AudioError::OutOfMemory;
    }
}
