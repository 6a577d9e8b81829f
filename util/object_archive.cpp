#include "util/object_archive.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>

#include "util/unicode_text.h"

namespace {

// Deliberately not a std::exception, so that no catch in a class's Serialize takes it.
struct ArchiveFault {
    std::string message;
    std::uint64_t offset = 0;
};

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr std::uint32_t kMaxIndex = 0x7FFFFFFEu;
constexpr std::uint32_t kTime64Marker = 0x8000000Au;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;
constexpr std::uint16_t kMaxClassNameLength = 63;

// A class name as it can be shown in a message: bytes outside printable ASCII escaped.
std::string Printable(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

std::string Quoted(std::string_view name) {
    return "\"" + Printable(name) + "\"";
}

}  // namespace

CArchive::CArchive(ByteSink& sink) : sink_(&sink) {}

CArchive::CArchive(ByteSource& source, const CClassRegistry& registry)
    : source_(&source), registry_(&registry), sourceSize_(source.Size()) {}

std::uint64_t CArchive::Remaining() const {
    return offset_ < sourceSize_ ? sourceSize_ - offset_ : 0;
}

void CArchive::Fail(std::string message) const {
    Fail(std::move(message), offset_);
}

void CArchive::Fail(std::string message, std::uint64_t at) const {
    throw ArchiveFault{std::move(message), at};
}

// ---- raw bytes ------------------------------------------------------------------------

void CArchive::Put(const std::uint8_t* data, std::size_t size) {
    if (!IsStoring()) {
        Fail("an archive opened for reading was written to");
    }
    while (size > 0) {
        if (bufferPos_ == buffer_.size()) {
            Flush();
        }
        const std::size_t n = std::min(size, buffer_.size() - bufferPos_);
        std::memcpy(buffer_.data() + bufferPos_, data, n);
        bufferPos_ += n;
        offset_ += n;
        data += n;
        size -= n;
    }
}

void CArchive::Flush() {
    if (bufferPos_ == 0) {
        return;
    }
    const std::span<const std::uint8_t> pending(buffer_.data(), bufferPos_);
    bufferPos_ = 0;
    if (!sink_->Write(pending)) {
        Fail("the data could not be written");
    }
}

void CArchive::Close() {
    if (IsStoring()) {
        Flush();
    }
}

void CArchive::Get(std::uint8_t* data, std::size_t size, const char* what) {
    if (!IsLoading()) {
        Fail("an archive opened for writing was read from");
    }
    while (size > 0) {
        if (bufferPos_ == bufferEnd_) {
            bufferPos_ = 0;
            bufferEnd_ = source_->Read(std::span<std::uint8_t>(buffer_));
            if (bufferEnd_ == 0) {
                Fail(std::string("end of data while reading ") + what);
            }
        }
        const std::size_t n = std::min(size, bufferEnd_ - bufferPos_);
        std::memcpy(data, buffer_.data() + bufferPos_, n);
        bufferPos_ += n;
        offset_ += n;
        data += n;
        size -= n;
    }
}

std::uint16_t CArchive::GetWord(const char* what) {
    std::uint8_t b[2];
    Get(b, 2, what);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t CArchive::GetDword(const char* what) {
    std::uint8_t b[4];
    Get(b, 4, what);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

// ---- numbers --------------------------------------------------------------------------

CArchive& CArchive::operator<<(std::uint8_t value) {
    Put(&value, 1);
    return *this;
}

CArchive& CArchive::operator<<(std::uint16_t value) {
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(value),
                               static_cast<std::uint8_t>(value >> 8)};
    Put(b, 2);
    return *this;
}

CArchive& CArchive::operator<<(std::uint32_t value) {
    const std::uint8_t b[4] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    Put(b, 4);
    return *this;
}

CArchive& CArchive::operator<<(std::int32_t value) {
    return *this << static_cast<std::uint32_t>(value);
}

CArchive& CArchive::operator>>(std::uint8_t& value) {
    Get(&value, 1, "a byte");
    return *this;
}

CArchive& CArchive::operator>>(std::uint16_t& value) {
    value = GetWord("a word");
    return *this;
}

CArchive& CArchive::operator>>(std::uint32_t& value) {
    value = GetDword("a 32-bit value");
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value) {
    value = static_cast<std::int32_t>(GetDword("a 32-bit integer"));
    return *this;
}

void CArchive::WriteTime(std::int64_t seconds) {
    if (seconds >= 0 && seconds <= 0xFFFFFFFF && seconds != kTime64Marker) {
        *this << static_cast<std::uint32_t>(seconds);
        return;
    }
    // The 32-bit form would lose this value or read back as the marker of the long form.
    const auto bits = static_cast<std::uint64_t>(seconds);
    *this << kTime64Marker << static_cast<std::uint32_t>(bits)
          << static_cast<std::uint32_t>(bits >> 32);
}

std::int64_t CArchive::ReadTime() {
    const std::uint32_t first = GetDword("a time value");
    if (first != kTime64Marker) {
        return first;
    }
    const std::uint64_t low = GetDword("a 64-bit time value");
    const std::uint64_t high = GetDword("a 64-bit time value");
    return static_cast<std::int64_t>(low | (high << 32));
}

void CArchive::IoTime(std::int64_t& seconds) {
    if (IsStoring()) {
        WriteTime(seconds);
    } else {
        seconds = ReadTime();
    }
}

void CArchive::WriteCount(std::uint32_t count) {
    if (count < 0xFFFF) {
        *this << static_cast<std::uint16_t>(count);
    } else {
        *this << static_cast<std::uint16_t>(0xFFFF) << count;
    }
}

std::uint32_t CArchive::ReadCount(std::uint64_t minBytesEach) {
    const std::uint64_t at = offset_;
    std::uint32_t count = GetWord("a count");
    if (count == 0xFFFF) {
        count = GetDword("a count");
    }
    if (static_cast<std::uint64_t>(count) * std::max<std::uint64_t>(minBytesEach, 1) >
        Remaining()) {
        Fail("count " + std::to_string(count) + " is larger than the data left (" +
                 std::to_string(Remaining()) + " bytes)",
             at);
    }
    return count;
}

// ---- strings --------------------------------------------------------------------------

CArchive& CArchive::operator<<(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    const std::uint64_t length = units.size();
    if (length >= 0xFFFFFFFFu) {
        Fail("a string is too long to store");
    }
    *this << static_cast<std::uint8_t>(0xFF) << kUnicodeMarker;
    if (length < 0xFF) {
        *this << static_cast<std::uint8_t>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(length);
    } else {
        // 0xFFFE itself would read as the marker, so it takes the long form too.
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFF)
              << static_cast<std::uint32_t>(length);
    }
    std::array<std::uint8_t, 512> chunk{};
    std::size_t filled = 0;
    for (const char16_t unit : units) {
        chunk[filled++] = static_cast<std::uint8_t>(unit);
        chunk[filled++] = static_cast<std::uint8_t>(unit >> 8);
        if (filled == chunk.size()) {
            Put(chunk.data(), filled);
            filled = 0;
        }
    }
    Put(chunk.data(), filled);
    return *this;
}

CArchive& CArchive::operator>>(std::string& text) {
    const std::uint64_t at = offset_;
    std::size_t charSize = 1;
    std::uint64_t length = 0;
    std::uint8_t lengthByte = 0;
    Get(&lengthByte, 1, "a string length");
    if (lengthByte < 0xFF) {
        length = lengthByte;
    } else {
        std::uint16_t word = GetWord("a string length");
        bool known = false;
        if (word == kUnicodeMarker) {
            charSize = 2;
            Get(&lengthByte, 1, "a string length");
            if (lengthByte < 0xFF) {
                length = lengthByte;
                known = true;
            } else {
                word = GetWord("a string length");
            }
        }
        if (!known) {
            length = word < 0xFFFF ? word : GetDword("a string length");
        }
    }
    if (length * charSize > Remaining()) {
        Fail("string length " + std::to_string(length) + " is larger than the data left (" +
                 std::to_string(Remaining()) + " bytes)",
             at);
    }
    ReadStringBody(text, length, charSize);
    return *this;
}

void CArchive::ReadStringBody(std::string& text, std::uint64_t length, std::size_t charSize) {
    std::string raw(static_cast<std::size_t>(length * charSize), '\0');
    Get(reinterpret_cast<std::uint8_t*>(raw.data()), raw.size(), "string text");
    if (charSize == 1) {
        text = Latin1ToUtf8(raw);
        return;
    }
    std::u16string units(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
    }
    text = Utf16ToUtf8(units);
}

// ---- tagged objects -------------------------------------------------------------------

std::uint32_t CArchive::NextIndex(const char* what) {
    if (nextIndex_ > kMaxIndex) {
        Fail(std::string("too many objects and classes for the index of a new ") + what);
    }
    if (IsLoading()) {
        // The load map grows with the counter; the caller fills the new entry.
        loadMap_.push_back(-1);
    }
    return nextIndex_++;
}

void CArchive::WriteObject(CObject* object) {
    if (object == nullptr) {
        *this << kNullTag;
        return;
    }
    if (depth_ >= kMaxDepth) {
        Fail("objects are nested too deeply");
    }
    const std::string_view name = object->ClassName();
    if (!CClassRegistry::IsStorableName(name)) {
        Fail("the class name " + Quoted(name) + " cannot be stored");
    }
    const auto stored = storedClasses_.find(name);
    if (stored == storedClasses_.end()) {
        *this << kNewClassTag << object->Schema() << static_cast<std::uint16_t>(name.size());
        Put(reinterpret_cast<const std::uint8_t*>(name.data()), name.size());
        storedClasses_.emplace(std::string(name), NextIndex("class"));
    } else if (stored->second < kBigObjectTag) {
        *this << static_cast<std::uint16_t>(kClassTag | stored->second);
    } else {
        *this << kBigObjectTag << (kBigClassTag | stored->second);
    }
    NextIndex("object");
    ++depth_;
    object->Serialize(*this);
    --depth_;
}

void CArchive::RejectObjectReference(std::uint32_t index, std::uint64_t at) const {
    if (index == 0) {
        Fail("a null object stands where a list element was expected", at);
    }
    if (index >= loadMap_.size()) {
        Fail("object reference " + std::to_string(index) + " is past the last index (" +
                 std::to_string(loadMap_.size() - 1) + ")",
             at);
    }
    if (loadMap_[index] >= 0) {
        Fail("object reference " + std::to_string(index) + " names a class", at);
    }
    Fail("object reference " + std::to_string(index) +
             " repeats an object; every object is stored once",
         at);
}

std::size_t CArchive::ResolveClassIndex(std::uint32_t index, std::uint64_t at) const {
    if (index == 0) {
        Fail("invalid tag 0x8000 (class index 0)", at);
    }
    if (index >= loadMap_.size()) {
        Fail("class index " + std::to_string(index) + " is past the last index (" +
                 std::to_string(loadMap_.size() - 1) + ")",
             at);
    }
    if (loadMap_[index] < 0) {
        Fail("class index " + std::to_string(index) + " names an object, not a class", at);
    }
    return static_cast<std::size_t>(loadMap_[index]);
}

std::unique_ptr<CObject> CArchive::ReadObject(const ElementKind& kind) {
    const std::uint64_t tagAt = offset_;
    if (depth_ >= kMaxDepth) {
        Fail("objects are nested too deeply", tagAt);
    }
    const std::string expected =
        kind.name.empty() ? "" : " where " + Quoted(kind.name) + " was expected";
    const std::uint16_t tag = GetWord("an object tag");
    std::size_t classEntry = 0;
    if (tag == kNullTag) {
        RejectObjectReference(0, tagAt);
    } else if (tag == kNewClassTag) {
        const std::uint16_t schema = GetWord("a class schema");
        const std::uint64_t lengthAt = offset_;
        const std::uint16_t length = GetWord("a class name length");
        if (length > kMaxClassNameLength) {
            Fail("class name length " + std::to_string(length) + " is 64 or more", lengthAt);
        }
        const std::uint64_t nameAt = offset_;
        std::string name(length, '\0');
        Get(reinterpret_cast<std::uint8_t*>(name.data()), name.size(), "a class name");
        const bool known = (!kind.name.empty() && name == kind.name) || registry_->Contains(name);
        if (!known || !CClassRegistry::IsStorableName(name)) {
            Fail("unknown class name " + Quoted(name), nameAt);
        }
        classEntry = loadedClasses_.size();
        loadedClasses_.push_back(LoadedClass{std::move(name), schema});
        const std::uint32_t classIndex = NextIndex("class");
        loadMap_[classIndex] = static_cast<std::int32_t>(classEntry);
    } else if (tag == kBigObjectTag) {
        const std::uint32_t value = GetDword("a long object tag");
        if ((value & kBigClassTag) == 0) {
            RejectObjectReference(value, tagAt);
        }
        classEntry = ResolveClassIndex(value & ~kBigClassTag, tagAt);
    } else if ((tag & kClassTag) != 0) {
        classEntry = ResolveClassIndex(tag & ~kClassTag, tagAt);
    } else {
        RejectObjectReference(tag, tagAt);
    }

    // Copies: nested reads may add classes and move the vector.
    const std::string className = loadedClasses_[classEntry].name;
    const std::uint16_t schema = loadedClasses_[classEntry].schema;
    std::unique_ptr<CObject> object;
    if (!kind.name.empty() && className == kind.name) {
        object = kind.factory();
    } else {
        object = registry_->Create(className);
        if (!object) {
            Fail(kind.name.empty() ? "unknown class name " + Quoted(className)
                                   : "class " + Quoted(className) + expected,
                 tagAt);
        }
    }
    if (kind.accepts != nullptr && !kind.accepts(*object)) {
        Fail("class " + Quoted(className) + expected, tagAt);
    }
    if (object->ClassName() != className) {
        Fail("class " + Quoted(className) + " builds objects of class " +
                 Quoted(object->ClassName()),
             tagAt);
    }
    NextIndex("object");
    const std::uint16_t outerSchema = objectSchema_;
    objectSchema_ = schema;
    ++depth_;
    object->Serialize(*this);
    --depth_;
    objectSchema_ = outerSchema;
    return object;
}

// ---- entry points ---------------------------------------------------------------------

namespace {

template <class Body>
Result<> Guarded(const CArchive& archive, Body&& body) {
    try {
        body();
        return {};
    } catch (const ArchiveFault& fault) {
        return Failure{fault.message, fault.offset};
    } catch (const std::bad_alloc&) {
        return Failure{"out of memory", archive.Offset()};
    } catch (const std::exception& error) {
        return Failure{std::string("unexpected fault: ") + error.what(), archive.Offset()};
    }
}

}  // namespace

Result<> StoreArchive(CObject& root, ByteSink& sink) {
    CArchive archive(sink);
    return Guarded(archive, [&] {
        root.Serialize(archive);
        archive.Close();
    });
}

Result<> LoadArchive(CObject& root, ByteSource& source, const CClassRegistry& registry) {
    CArchive archive(source, registry);
    return Guarded(archive, [&] {
        root.Serialize(archive);
        if (archive.Remaining() > 0) {
            archive.Fail(std::to_string(archive.Remaining()) +
                         " bytes follow the end of the stored data");
        }
    });
}

Result<> StoreToBytes(CObject& root, std::vector<std::uint8_t>& bytes) {
    MemorySink sink;
    Result<> result = StoreArchive(root, sink);
    bytes = std::move(sink.bytes);
    return result;
}

Result<> LoadFromBytes(CObject& root, std::span<const std::uint8_t> bytes,
                       const CClassRegistry& registry) {
    MemorySource source(bytes);
    return LoadArchive(root, source, registry);
}
