#include "sound/audio/xm_writer.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "sound/audio/module_loader.h"

namespace {

constexpr std::uint32_t kHeaderSize = 276;
constexpr std::uint32_t kInstrumentHeaderSize = 263;
constexpr std::uint32_t kSampleHeaderSize = 40;
constexpr std::uint8_t kSample16Bit = 0x10;
constexpr std::uint8_t kForwardLoop = 0x01;
// Relative notes are signed bytes: rates from about 5 Hz to 13 MHz can be stored.
constexpr double kMinRate = 8.0;
constexpr double kMaxRate = 1'000'000.0;

class Out {
public:
    explicit Out(std::vector<std::uint8_t>& bytes) : bytes(bytes) {}
    void U8(unsigned value) { bytes.push_back(static_cast<std::uint8_t>(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8((value >> 8) & 0xFF);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Zeros(std::size_t count) { bytes.insert(bytes.end(), count, 0); }
    // Text padded with zeros (or cut) to exactly size bytes.
    void Text(std::string_view text, std::size_t size) {
        const std::size_t kept = std::min(text.size(), size);
        bytes.insert(bytes.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(kept));
        Zeros(size - kept);
    }

private:
    std::vector<std::uint8_t>& bytes;
};

}  // namespace

XmPitch XmPitchForRate(double rate) {
    const double semitones = 12.0 * std::log2(rate / 8363.0);
    XmPitch pitch;
    pitch.relativeNote = static_cast<int>(std::lround(semitones));
    pitch.finetune = static_cast<int>(std::lround((semitones - pitch.relativeNote) * 128.0));
    return pitch;
}

double XmStoredRate(double rate) {
    const XmPitch pitch = XmPitchForRate(rate);
    return NativeSampleRate(pitch.relativeNote, pitch.finetune);
}

Result<std::vector<std::uint8_t>> WriteXmModule(const XmModule& module) {
    using Written = Result<std::vector<std::uint8_t>>;
    if (module.samples.size() > kXmMaxInstruments) {
        return Written::Fail("a module holds at most 128 samples");
    }
    for (const XmSample& sample : module.samples) {
        if (!(sample.rate >= kMinRate && sample.rate <= kMaxRate)) {
            return Written::Fail("sample '" + sample.name + "' has a rate that cannot be stored");
        }
        const auto frames = static_cast<long long>(sample.frames.size());
        if (frames > 0x3FFFFFFF) {
            return Written::Fail("sample '" + sample.name + "' is too long");
        }
        if (sample.loop && (sample.loopStart < 0 || sample.loopLength <= 0 ||
                            sample.loopStart + static_cast<long long>(sample.loopLength) > frames)) {
            return Written::Fail("sample '" + sample.name + "' has a loop outside its frames");
        }
    }

    std::vector<std::uint8_t> bytes;
    Out out(bytes);
    out.Text("Extended Module: ", 17);
    out.Text(module.name, 20);
    out.U8(0x1A);
    out.Text("Fretquill make_soundpack", 20);
    out.U16(0x0104);
    out.U32(kHeaderSize);
    out.U16(1);  // song length
    out.U16(0);  // restart position
    out.U16(2);  // channels
    out.U16(1);  // patterns
    out.U16(static_cast<unsigned>(module.samples.size()));
    out.U16(1);    // linear frequency table
    out.U16(6);    // tempo
    out.U16(125);  // BPM
    out.Zeros(256);

    // One empty pattern without data.
    out.U32(9);
    out.U8(0);
    out.U16(64);
    out.U16(0);

    for (const XmSample& sample : module.samples) {
        out.U32(kInstrumentHeaderSize);
        out.Text(sample.name, 22);
        out.U8(0);  // type
        out.U16(1);
        out.U32(kSampleHeaderSize);
        // Note map, envelopes, their counts and types, vibrato, fadeout, reserved: all off.
        out.Zeros(kInstrumentHeaderSize - 33);

        const XmPitch pitch = XmPitchForRate(sample.rate);
        const auto frames = static_cast<std::uint32_t>(sample.frames.size());
        out.U32(frames * 2);
        out.U32(sample.loop ? static_cast<std::uint32_t>(sample.loopStart) * 2 : 0);
        out.U32(sample.loop ? static_cast<std::uint32_t>(sample.loopLength) * 2 : 0);
        out.U8(static_cast<unsigned>(std::clamp(sample.volume, 0, 64)));
        out.U8(static_cast<std::uint8_t>(static_cast<std::int8_t>(pitch.finetune)));
        out.U8(kSample16Bit | (sample.loop ? kForwardLoop : 0));
        out.U8(128);  // centre
        out.U8(static_cast<std::uint8_t>(static_cast<std::int8_t>(pitch.relativeNote)));
        out.U8(0);
        out.Text(sample.name, 22);

        std::int16_t previous = 0;
        for (const std::int16_t value : sample.frames) {
            out.U16(static_cast<std::uint16_t>(value - previous));
            previous = value;
        }
    }
    return bytes;
}
