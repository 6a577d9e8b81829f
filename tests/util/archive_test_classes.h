#pragma once

// Small stored classes for exercising the archive framing without the music model.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "util/archive_object.h"
#include "util/object_archive.h"

// An element with one integer and one string.
class CFoo : public CObject {
public:
    static constexpr std::string_view kClassName = "CFoo";
    std::int32_t number = 0;
    std::string name;

    CFoo() = default;
    CFoo(std::int32_t n, std::string text) : number(n), name(std::move(text)) {}
    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override { ar.Io(number).Io(name); }
};

// An element with no fields at all: each one is just its tag.
class CEmpty : public CObject {
public:
    static constexpr std::string_view kClassName = "CEmpty";
    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive&) override {}
};

// Another element class, for lists that must refuse it.
class CBar : public CObject {
public:
    static constexpr std::string_view kClassName = "CBar";
    std::int32_t value = 0;
    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override { ar.Io(value); }
};

// A root holding a list of CFoo.
class CFooList : public CObject {
public:
    static constexpr std::string_view kClassName = "CFooList";
    std::vector<std::unique_ptr<CFoo>> items;
    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override { ar.IoObjectList(items); }
};

// A root holding one list of any registered class.
class CAnyList : public CObject {
public:
    static constexpr std::string_view kClassName = "CAnyList";
    std::vector<std::unique_ptr<CObject>> items;
    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override { ar.IoObjectList(items); }
};

// A tree of nodes, each holding a list of nodes: the nesting a hostile file could grow.
class CNode : public CObject {
public:
    static constexpr std::string_view kClassName = "CNode";
    std::vector<std::unique_ptr<CNode>> children;
    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override { ar.IoObjectList(children); }
};

// A root that stores one value of each primitive kind through a caller's function.
template <class Fn>
class CProbe : public CObject {
public:
    explicit CProbe(Fn fn) : fn_(std::move(fn)) {}
    std::string_view ClassName() const override { return "CProbe"; }
    void Serialize(CArchive& ar) override { fn_(ar); }

private:
    Fn fn_;
};

using Bytes = std::vector<std::uint8_t>;

template <class Fn>
Bytes StoreWith(Fn fn) {
    CProbe<Fn> probe(std::move(fn));
    Bytes bytes;
    StoreToBytes(probe, bytes);
    return bytes;
}

template <class Fn>
Result<> LoadWith(const Bytes& bytes, Fn fn,
                  const CClassRegistry& registry = CClassRegistry::Global()) {
    CProbe<Fn> probe(std::move(fn));
    return LoadFromBytes(probe, bytes, registry);
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

inline Bytes Ascii(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
