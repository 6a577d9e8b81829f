#include "sound/audio/xm_extent.h"

#include <array>
#include <cstring>
#include <fstream>
#include <limits>

namespace {

constexpr char kXmSignature[] = "Extended Module: ";
constexpr std::size_t kSignatureLength = sizeof kXmSignature - 1;
constexpr std::uint64_t kCutShort = std::numeric_limits<std::uint64_t>::max();
// The format's own limits; a file claiming more is left to the loader to judge.
constexpr std::uint64_t kMaxInstruments = 256;
constexpr std::uint64_t kMaxSamplesPerInstrument = 256;

// Little-endian reads at absolute offsets; a read past the end fails.
class Reader {
public:
    explicit Reader(const std::string& path) : in(path, std::ios::binary) {}

    bool Open() const { return in.is_open(); }

    bool Bytes(std::uint64_t at, char* out, std::size_t count) {
        in.clear();
        in.seekg(static_cast<std::streamoff>(at));
        in.read(out, static_cast<std::streamsize>(count));
        return static_cast<std::size_t>(in.gcount()) == count;
    }

    bool U16(std::uint64_t at, std::uint64_t& value) {
        std::array<unsigned char, 2> b{};
        if (!Bytes(at, reinterpret_cast<char*>(b.data()), b.size())) {
            return false;
        }
        value = b[0] | (std::uint64_t{b[1]} << 8);
        return true;
    }

    bool U32(std::uint64_t at, std::uint64_t& value) {
        std::array<unsigned char, 4> b{};
        if (!Bytes(at, reinterpret_cast<char*>(b.data()), b.size())) {
            return false;
        }
        value = b[0] | (std::uint64_t{b[1]} << 8) | (std::uint64_t{b[2]} << 16) |
                (std::uint64_t{b[3]} << 24);
        return true;
    }

private:
    std::ifstream in;
};

}  // namespace

std::optional<std::uint64_t> XmDeclaredSize(const std::string& path) {
    Reader file(path);
    std::array<char, kSignatureLength> signature{};
    if (!file.Open() || !file.Bytes(0, signature.data(), signature.size()) ||
        std::memcmp(signature.data(), kXmSignature, kSignatureLength) != 0) {
        return std::nullopt;
    }
    std::uint64_t version = 0;
    std::uint64_t headerSize = 0;
    std::uint64_t patterns = 0;
    std::uint64_t instruments = 0;
    if (!file.U16(58, version) || version != 0x0104) {
        return std::nullopt;
    }
    if (!file.U32(60, headerSize) || !file.U16(70, patterns) || !file.U16(72, instruments)) {
        return kCutShort;
    }
    if (instruments > kMaxInstruments) {
        return std::nullopt;
    }
    std::uint64_t at = 60 + headerSize;
    for (std::uint64_t p = 0; p < patterns; ++p) {
        std::uint64_t length = 0;
        std::uint64_t packed = 0;
        if (!file.U32(at, length) || !file.U16(at + 7, packed)) {
            return kCutShort;
        }
        at += length + packed;
    }
    for (std::uint64_t i = 0; i < instruments; ++i) {
        std::uint64_t length = 0;
        std::uint64_t samples = 0;
        if (!file.U32(at, length) || !file.U16(at + 27, samples)) {
            return kCutShort;
        }
        if (samples > kMaxSamplesPerInstrument) {
            return std::nullopt;
        }
        std::uint64_t sampleHeader = 0;
        if (samples > 0 && !file.U32(at + 29, sampleHeader)) {
            return kCutShort;
        }
        at += length;
        std::uint64_t data = 0;
        for (std::uint64_t s = 0; s < samples; ++s) {
            std::uint64_t bytes = 0;
            if (!file.U32(at, bytes)) {
                return kCutShort;
            }
            data += bytes;
            at += sampleHeader;
        }
        at += data;
    }
    return at;
}
