#pragma once

// CObject: the base of every record the object archive stores. A stored class gives its
// class name, a default constructor (so a list element can be rebuilt by name), and one
// Serialize that reads or writes its fields in stored order, depending on the archive:
//
//   class CFoo : public CObject {
//   public:
//       static constexpr std::string_view kClassName = "CFoo";
//       int count = 0;
//       std::string name;
//       std::string_view ClassName() const override { return kClassName; }
//       void Serialize(CArchive& ar) override { ar.Io(count).Io(name); }
//   };
//
// A class that derives from a stored class gives its own kClassName and ClassName().

#include <cstdint>
#include <string_view>

class CArchive;

class CObject {
public:
    virtual ~CObject() = default;

    // The name written in the class record, at most 63 ASCII characters.
    virtual std::string_view ClassName() const = 0;
    // Writes the fields when ar.IsStoring(), else reads them, in the same order.
    virtual void Serialize(CArchive& ar) = 0;
    // The schema number stored with the class record; every class of the program is 0.
    virtual std::uint16_t Schema() const { return 0; }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
