#pragma once

// The classes an archive can rebuild from a class record, by name. Reading a list of a
// known element type (CArchive::IoObjectList<CChord>) needs no registration for that
// type itself; the registry serves lists of any object and classes derived from the
// element type.
//
//   CClassRegistry::Global().Add<CChord>();
//   std::unique_ptr<CObject> empty = CClassRegistry::Global().Create("CChord");

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "util/archive_object.h"

class CClassRegistry {
public:
    using Factory = std::unique_ptr<CObject> (*)();

    // The registry archives use unless they are given another.
    static CClassRegistry& Global();

    // True when the format can store the name: 1 to 63 printable ASCII characters.
    static bool IsStorableName(std::string_view name);

    // Adds a class, or replaces the factory of a name already known. False for a name
    // the format cannot store or a missing factory.
    bool Add(std::string_view name, Factory factory);
    template <class T>
    bool Add() {
        return Add(T::kClassName,
                   []() -> std::unique_ptr<CObject> { return std::make_unique<T>(); });
    }

    bool Contains(std::string_view name) const;
    // A new empty object of the named class; nullptr for an unknown name.
    std::unique_ptr<CObject> Create(std::string_view name) const;

private:
    // The chord cache loads on a worker thread while the window thread may register.
    mutable std::mutex mutex_;
    std::map<std::string, Factory, std::less<>> factories_;
};
