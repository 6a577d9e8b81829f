#pragma once

// 16-bit PCM WAV files, mono, as the capture output and the command-line renderer write
// them.
//
//   WriteWavFile("c.wav", 22050, frames);   // safely: temporary file, then renamed
//   CWavCapture capture;                     // streamed: the header always matches the data
//   capture.Open("run.wav", 22050); capture.Append(frames); capture.Close();

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

#include "util/safe_file.h"

inline constexpr std::size_t kWavHeaderSize = 44;

// The header of a mono 16-bit PCM file holding frameCount frames at rate.
std::array<std::uint8_t, kWavHeaderSize> WavHeader(int rate, std::uint32_t frameCount);

Result<> WriteWavFile(const std::filesystem::path& path, int rate,
                      std::span<const std::int16_t> frames);

// A WAV file written as the sound goes: after every Append the header names the frames
// written so far, so the file is whole even when the program ends without Close.
class CWavCapture {
public:
    CWavCapture() = default;
    ~CWavCapture() { Close(); }
    CWavCapture(const CWavCapture&) = delete;
    CWavCapture& operator=(const CWavCapture&) = delete;

    bool Open(const std::filesystem::path& path, int rate);
    // False once a write has failed; later frames are dropped.
    bool Append(std::span<const std::int16_t> frames);
    bool Close();
    bool IsOpen() const { return file != nullptr; }
    std::uint32_t Frames() const { return frameCount; }

private:
    std::FILE* file = nullptr;
    int rate = 0;
    std::uint32_t frameCount = 0;
    bool failed = false;
};
