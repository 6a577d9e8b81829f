#pragma once

// Where an archive's bytes go to and come from. Files implement these in safe_file.cpp;
// the memory forms serve tests, the fuzz target and callers that want the bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not all be written.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills as much of `into` as it can; fewer bytes than asked means the data ended.
    virtual std::size_t Read(std::span<std::uint8_t> into) = 0;
    // The total size of the data, known before reading starts.
    virtual std::uint64_t Size() const = 0;
};

class MemorySink : public ByteSink {
public:
    std::vector<std::uint8_t> bytes;

    bool Write(std::span<const std::uint8_t> data) override {
        bytes.insert(bytes.end(), data.begin(), data.end());
        return true;
    }
};

// Reads from memory the caller keeps alive.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t Read(std::span<std::uint8_t> into) override {
        const std::size_t n = std::min(into.size(), data_.size() - pos_);
        std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(pos_), n, into.begin());
        pos_ += n;
        return n;
    }
    std::uint64_t Size() const override { return data_.size(); }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};
