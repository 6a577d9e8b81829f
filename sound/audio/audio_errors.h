#pragma once

// The error codes of the audio output and their texts for the player. Code 0 is success;
// the texts of codes the output never reports ("Unknown error" for any code without one)
// keep the numbering stable for the settings pages that show them.

#include <string>

enum class AudioError : int {
    None = 0,
    NotStarted = 1,        // an operation that needs the output before it was started
    NoDevice = 2,          // no sound device opened; the silent output runs instead
    BadOutputSettings = 3, // mix rate or voice count out of range
    CaptureFile = 4,       // the capture file could not be created or written
    FileNotFound = 5,
    FileUnreadable = 6,    // it exists but cannot be read (a directory, no permission)
    NotAModule = 7,        // no module format the loader knows
    BadSong = 8,           // no pack is loaded under the handle
    BadSampleIndex = 9,
    EmptySample = 10,
    OutOfMemory = 11,
    NoSamples = 12,        // a module without a single sample
    MediaCodec = 18,
    CutShort = 19,         // a module file that ends before the samples it declares
};

// The text of a code: "No errors" for 0, "Unknown error" for a code without a text.
std::string AudioErrorText(int code);
