#pragma once

// One shape for everything that can fail without it being a bug: a file that will not
// open, an archive that does not read, a document that does not parse. A Result holds
// either its value or a Failure: the message for the player and, when a file or archive
// was being read, the byte offset where the fault was found.
//
//   Result<std::uint32_t> crc = FileCrc32(path);
//   if (!crc) prompter.Show(PromptKind::Error, "Fretquill", crc.Error().message);
//   else stored = crc.Value();
//
//   Result<> saved = SaveObjectFile(path, list);   // Result<> carries no value
//   return Result<>::Fail("Could not save " + name, offset);
//   return Failure{"unknown class name", 12};      // the same, from a Failure
//
// Choices, so the next boundary follows them:
// - No exceptions: a failure is an ordinary value. Reading Value() of a failure or
//   Error() of a success is a programming fault, caught by an assert.
// - The message is the whole story the player sees; there are no error codes here. A
//   boundary whose callers must tell kinds of failure apart (a damaged file against a
//   missing one, the audio error codes) keeps that fact beside its Result.
// - C++20 with GCC 12, so std::variant rather than std::expected; header-only.

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

struct Failure {
    // For the player, complete on its own.
    std::string message;
    // Where a read found the fault (for a write: the bytes written by then); none when no
    // file or archive was being read.
    std::optional<std::uint64_t> offset;

    // "message at byte N", or the message alone when there is no offset.
    std::string Describe() const {
        return offset ? message + " at byte " + std::to_string(*offset) : message;
    }
};

template <class T = void>
class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}
    static Result Fail(std::string message, std::optional<std::uint64_t> offset = {}) {
        return Result(Failure{std::move(message), offset});
    }

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }

    T& Value() {
        assert(Ok());
        return *std::get_if<0>(&state_);
    }
    const T& Value() const {
        assert(Ok());
        return *std::get_if<0>(&state_);
    }
    const Failure& Error() const {
        assert(!Ok());
        return *std::get_if<1>(&state_);
    }
    // The failure's message, "" on success: for callers that pass a text on either way.
    std::string Message() const { return Ok() ? std::string() : Error().message; }

private:
    std::variant<T, Failure> state_;
};

// Success or a failure, with no value.
template <>
class Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}
    static Result Fail(std::string message, std::optional<std::uint64_t> offset = {}) {
        return Result(Failure{std::move(message), offset});
    }

    bool Ok() const { return !failure_.has_value(); }
    explicit operator bool() const { return Ok(); }

    const Failure& Error() const {
        assert(!Ok());
        return *failure_;
    }
    std::string Message() const { return Ok() ? std::string() : failure_->message; }

private:
    std::optional<Failure> failure_;
};
