#include "sound/audio/wav_file.h"

#include <vector>

namespace {

void PutU16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutU32(std::uint8_t* at, std::uint32_t value) {
    PutU16(at, value & 0xFFFF);
    PutU16(at + 2, value >> 16);
}

// The largest frame count whose byte size still fits the header's 32-bit fields.
constexpr std::uint32_t kMaxFrames = (0xFFFFFFFFu - kWavHeaderSize) / 2;

std::vector<std::uint8_t> LittleEndian(std::span<const std::int16_t> frames) {
    std::vector<std::uint8_t> bytes(frames.size() * 2);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        PutU16(&bytes[2 * i], static_cast<std::uint16_t>(frames[i]));
    }
    return bytes;
}

}  // namespace

std::array<std::uint8_t, kWavHeaderSize> WavHeader(int rate, std::uint32_t frameCount) {
    const std::uint32_t dataBytes = std::min(frameCount, kMaxFrames) * 2;
    std::array<std::uint8_t, kWavHeaderSize> h{};
    const auto put = [&h](std::size_t at, const char* tag) {
        for (std::size_t i = 0; i < 4; ++i) {
            h[at + i] = static_cast<std::uint8_t>(tag[i]);
        }
    };
    put(0, "RIFF");
    PutU32(&h[4], 36 + dataBytes);
    put(8, "WAVE");
    put(12, "fmt ");
    PutU32(&h[16], 16);  // format chunk size
    PutU16(&h[20], 1);   // PCM
    PutU16(&h[22], 1);   // mono
    PutU32(&h[24], static_cast<std::uint32_t>(rate));
    PutU32(&h[28], static_cast<std::uint32_t>(rate) * 2);  // bytes per second
    PutU16(&h[32], 2);   // bytes per frame
    PutU16(&h[34], 16);  // bits per sample
    put(36, "data");
    PutU32(&h[40], dataBytes);
    return h;
}

Result<> WriteWavFile(const std::filesystem::path& path, int rate,
                      std::span<const std::int16_t> frames) {
    if (frames.size() > kMaxFrames) {
        std::string message = path.string();
        message.insert(0, 1, '\'');
        message += "' would be larger than a WAV file can be";
        return Result<>::Fail(message);
    }
    return WriteFileSafely(path, [&](ByteSink& sink) {
        const auto header = WavHeader(rate, static_cast<std::uint32_t>(frames.size()));
        const std::vector<std::uint8_t> data = LittleEndian(frames);
        // The file's sink names the system's reason, which the save reports instead.
        return sink.Write(header) && sink.Write(data)
                   ? Result<>()
                   : Result<>::Fail("the data could not be written");
    });
}

bool CWavCapture::Open(const std::filesystem::path& path, int outputRate) {
    Close();
    file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    rate = outputRate;
    frameCount = 0;
    failed = false;
    const auto header = WavHeader(rate, 0);
    if (std::fwrite(header.data(), 1, header.size(), file) != header.size() ||
        std::fflush(file) != 0) {
        Close();
        return false;
    }
    return true;
}

bool CWavCapture::Append(std::span<const std::int16_t> frames) {
    if (file == nullptr || failed) {
        return false;
    }
    const std::size_t room = kMaxFrames - frameCount;
    frames = frames.first(std::min(frames.size(), room));
    const std::vector<std::uint8_t> bytes = LittleEndian(frames);
    bool ok = std::fseek(file, 0, SEEK_END) == 0 &&
              std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (ok) {
        frameCount += static_cast<std::uint32_t>(frames.size());
        const auto header = WavHeader(rate, frameCount);
        ok = std::fseek(file, 0, SEEK_SET) == 0 &&
             std::fwrite(header.data(), 1, header.size(), file) == header.size() &&
             std::fflush(file) == 0;
    }
    failed = !ok;
    return ok;
}

bool CWavCapture::Close() {
    if (file == nullptr) {
        return true;
    }
    const bool ok = std::fclose(file) == 0 && !failed;
    file = nullptr;
    return ok;
}
