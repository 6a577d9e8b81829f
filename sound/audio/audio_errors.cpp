#include "sound/audio/audio_errors.h"

std::string AudioErrorText(int code) {
    switch (static_cast<AudioError>(code)) {
        case AudioError::None:
            return "No errors";
        case AudioError::NotStarted:
            return "The sound output has not been started";
        case AudioError::NoDevice:
            return "No sound output device could be opened";
        case AudioError::BadOutputSettings:
            return "The sound output cannot run at that mix rate or voice count";
        case AudioError::CaptureFile:
            return "The sound capture file could not be written";
        case AudioError::FileNotFound:
            return "The sound pack file does not exist";
        case AudioError::FileUnreadable:
            return "The sound pack file could not be read";
        case AudioError::NotAModule:
            return "The file is not a sound pack: it holds no module format the loader knows";
        case AudioError::BadSong:
            return "No sound pack is loaded under that handle";
        case AudioError::BadSampleIndex:
            return "The sound pack has no sample with that number";
        case AudioError::EmptySample:
            return "The sound pack's sample holds no sound";
        case AudioError::OutOfMemory:
            return "Not enough memory for the sound pack";
        case AudioError::NoSamples:
            return "The sound pack holds no samples";
        case AudioError::MediaCodec:
            return "Required Mediaplayer codec is not installed";
        case AudioError::CutShort:
            return "The sound pack file is cut short: some of its samples are missing";
    }
    return "Unknown error";
}
