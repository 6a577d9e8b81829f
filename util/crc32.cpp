#include "util/crc32.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

using Table = std::array<std::uint32_t, 256>;

// Built once, at the first CRC the program computes.
const Table& CrcTable() {
    static const Table table = [] {
        Table t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    return table;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t previous) {
    const Table& table = CrcTable();
    std::uint32_t c = ~previous;
    for (const std::uint8_t b : bytes) {
        c = table[(c ^ b) & 0xFFu] ^ (c >> 8);
    }
    return ~c;
}

std::uint32_t Crc32(std::string_view bytes, std::uint32_t previous) {
    return Crc32(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                 previous);
}

std::string Crc32Text(std::uint32_t crc) {
    char buffer[9];
    std::snprintf(buffer, sizeof buffer, "%08x", static_cast<unsigned>(crc));
    return buffer;
}

Result<std::uint32_t> FileCrc32(const std::string& path) {
    using CrcResult = Result<std::uint32_t>;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return CrcResult::Fail(std::string("Could not open source file: ") + std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return CrcResult::Fail(std::string("Could not open source file: ") +
                               std::strerror(error != 0 ? error : EINVAL));
    }
    std::array<std::uint8_t, 65536> buffer{};
    std::uint64_t total = 0;
    std::uint32_t crc = 0;
    while (true) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        crc = Crc32(std::span(buffer.data(), static_cast<std::size_t>(got)), crc);
        total += static_cast<std::uint64_t>(got);
    }
    ::close(fd);
    if (total < static_cast<std::uint64_t>(info.st_size)) {
        return CrcResult::Fail("Failed to read the entire file.\n\n" + path);
    }
    return crc;
}
