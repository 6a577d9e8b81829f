#pragma once

// The object archive: the binary framing of every data file the program keeps. Values
// are little-endian; strings are written as UTF-16 with the Unicode marker; list
// elements are tagged objects sharing one index counter for classes and objects; the
// root object of a file is written in place, its first field at the first byte.
//
// Writing and reading a file (see also SaveObjectFile/LoadObjectFile in safe_file.h):
//
//   MemorySink sink;
//   Result<> saved = StoreArchive(chordList, sink);
//   MemorySource source(sink.bytes);
//   Result<> loaded = LoadArchive(otherList, source);
//   if (!loaded) show(loaded.Error().Describe());   // "unknown class name "CFoo" at byte 12"
//
// A class's Serialize uses Io (both directions) or << and >> under IsStoring():
//
//   void CTuning::Serialize(CArchive& ar) {
//       for (CNote& s : strings) ar.Io(s.note).Io(s.octave);
//       ar.Io(tuningType).Io(loopPattern).Io(strum).Io(pickPattern).Io(rightHanded);
//   }
//   void CChordList::Serialize(CArchive& ar) { ar.IoObjectList(chords); }
//
// A member held by value is written in place by calling its Serialize with the same
// archive. Reading is strict and treats the data as hostile: every length and count is
// checked against the bytes left before anything is allocated, nesting is limited, and
// any fault ends the read with a message and the byte offset where it was found. The
// fault travels as an exception from the failing read up to LoadArchive, which returns
// it as a Failure with its offset always set (for a write: the bytes written by then);
// Serialize code must not catch it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "util/archive_object.h"
#include "util/byte_stream.h"
#include "util/class_registry.h"
#include "util/result.h"

class CArchive {
public:
    static constexpr std::size_t kBufferSize = 4096;
    // Deepest nesting of tagged objects a reader accepts (the program needs two).
    static constexpr int kMaxDepth = 32;

    // Store mode: bytes go to the sink, 4096 at a time; Close writes out the rest.
    explicit CArchive(ByteSink& sink);
    // Load mode: class records are resolved through the registry.
    explicit CArchive(ByteSource& source,
                      const CClassRegistry& registry = CClassRegistry::Global());
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive() = default;

    bool IsStoring() const { return sink_ != nullptr; }
    bool IsLoading() const { return source_ != nullptr; }
    // Bytes written or read so far.
    std::uint64_t Offset() const { return offset_; }
    // Load mode: bytes not yet read.
    std::uint64_t Remaining() const;

    CArchive& operator<<(std::uint8_t value);
    CArchive& operator<<(std::uint16_t value);
    CArchive& operator<<(std::uint32_t value);
    CArchive& operator<<(std::int32_t value);
    // The string form: Unicode marker, length in UTF-16 units, UTF-16LE units.
    CArchive& operator<<(std::string_view text);

    CArchive& operator>>(std::uint8_t& value);
    CArchive& operator>>(std::uint16_t& value);
    CArchive& operator>>(std::uint32_t& value);
    CArchive& operator>>(std::int32_t& value);
    // Accepts wide and narrow strings; narrow text is taken as Latin-1.
    CArchive& operator>>(std::string& text);

    // Writes or reads one value according to the mode.
    template <class T>
    CArchive& Io(T& value) {
        if (IsStoring()) {
            *this << std::as_const(value);
        } else {
            *this >> value;
        }
        return *this;
    }

    // Times are seconds since 1970-01-01 00:00 UTC. They are written as 32 bits; the
    // 64-bit form (DWORD 0x8000000A, then int64) is read, and written only for a value
    // the 32-bit form cannot carry (before 1970, after 2106, or 0x8000000A itself).
    void WriteTime(std::int64_t seconds);
    std::int64_t ReadTime();
    void IoTime(std::int64_t& seconds);

    // Element count of a list. ReadCount fails when count x minBytesEach is more than
    // the bytes left.
    void WriteCount(std::uint32_t count);
    std::uint32_t ReadCount(std::uint64_t minBytesEach = 1);

    // A tagged object: class record or class reference, then the object's fields.
    // nullptr writes the null object.
    void WriteObject(CObject* object);

    // What a list accepts as its elements.
    struct ElementKind {
        // The element class's name, "" for any class.
        std::string_view name;
        // Builds an element of that class without the registry; nullptr for any class.
        CClassRegistry::Factory factory = nullptr;
        // True when an object built from another class record may stand in the list.
        bool (*accepts)(const CObject&) = nullptr;
    };
    template <class T>
    static ElementKind KindOf();

    // Reads one tagged object, which must be of the kind given; the null object fails.
    std::unique_ptr<CObject> ReadObject(const ElementKind& kind);

    // An object list: the count, then each element as a tagged object. Lists never hold
    // null elements; storing one is a write error.
    template <class T>
    void IoObjectList(std::vector<std::unique_ptr<T>>& list);

    // The schema number stored with the class of the object being read (0 for a root).
    std::uint16_t ObjectSchema() const { return objectSchema_; }

    // Ends the read or write with a fault; for a class's own checks of the values it
    // reads. `at` defaults to the current offset.
    [[noreturn]] void Fail(std::string message) const;
    [[noreturn]] void Fail(std::string message, std::uint64_t at) const;

    // Store mode: writes out the buffer. Called by StoreArchive.
    void Close();

private:
    void Put(const std::uint8_t* data, std::size_t size);
    void Flush();
    void Get(std::uint8_t* data, std::size_t size, const char* what);
    std::uint16_t GetWord(const char* what);
    std::uint32_t GetDword(const char* what);
    std::uint32_t NextIndex(const char* what);
    [[noreturn]] void RejectObjectReference(std::uint32_t index, std::uint64_t at) const;
    std::size_t ResolveClassIndex(std::uint32_t index, std::uint64_t at) const;
    void ReadStringBody(std::string& text, std::uint64_t length, std::size_t charSize);

    ByteSink* sink_ = nullptr;
    ByteSource* source_ = nullptr;
    const CClassRegistry* registry_ = nullptr;
    std::array<std::uint8_t, kBufferSize> buffer_{};
    std::size_t bufferPos_ = 0;
    std::size_t bufferEnd_ = 0;
    std::uint64_t offset_ = 0;
    std::uint64_t sourceSize_ = 0;
    int depth_ = 0;
    std::uint16_t objectSchema_ = 0;

    // Shared index counter: index 0 is the null object, the next class or object
    // stored takes nextIndex_.
    std::uint32_t nextIndex_ = 1;
    // Store mode: index of each class already written.
    std::map<std::string, std::uint32_t, std::less<>> storedClasses_;
    // Load mode: for each index, the entry in loadedClasses_, or -1 for an object.
    struct LoadedClass {
        std::string name;
        std::uint16_t schema = 0;
    };
    std::vector<std::int32_t> loadMap_{-1};
    std::vector<LoadedClass> loadedClasses_;
};

template <class T>
CArchive::ElementKind CArchive::KindOf() {
    if constexpr (std::is_same_v<T, CObject>) {
        return ElementKind{};
    } else {
        return ElementKind{
            T::kClassName, []() -> std::unique_ptr<CObject> { return std::make_unique<T>(); },
            [](const CObject& object) { return dynamic_cast<const T*>(&object) != nullptr; }};
    }
}

template <class T>
void CArchive::IoObjectList(std::vector<std::unique_ptr<T>>& list) {
    // The shortest tagged object is its two-byte tag.
    constexpr std::uint64_t kMinElementBytes = 2;
    if (IsStoring()) {
        if (list.size() > 0xFFFFFFFEu) {
            Fail("a list has too many elements to store");
        }
        WriteCount(static_cast<std::uint32_t>(list.size()));
        for (const auto& element : list) {
            if (!element) {
                Fail("a list holds an empty element");
            }
            WriteObject(element.get());
        }
        return;
    }
    list.clear();
    const std::uint32_t count = ReadCount(kMinElementBytes);
    // The count is already bounded by the data left; reserving stays modest anyway.
    list.reserve(count < 4096 ? count : 4096);
    const ElementKind kind = KindOf<T>();
    for (std::uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<CObject> object = ReadObject(kind);
        list.push_back(std::unique_ptr<T>(static_cast<T*>(object.release())));
    }
}

// Writes the root object in place and closes the archive.
Result<> StoreArchive(CObject& root, ByteSink& sink);
// Reads the root object in place; data after its last field is a fault. On a fault the
// root holds what was read before it.
Result<> LoadArchive(CObject& root, ByteSource& source,
                     const CClassRegistry& registry = CClassRegistry::Global());

// The same in memory.
Result<> StoreToBytes(CObject& root, std::vector<std::uint8_t>& bytes);
Result<> LoadFromBytes(CObject& root, std::span<const std::uint8_t> bytes,
                       const CClassRegistry& registry = CClassRegistry::Global());
