// The archive reader over arbitrary bytes: a root holding a list of objects of any class
// the program stores, then a string and a time, so that every tag, class record, count,
// string form and time form is reached. Whatever reads must store and read back to the
// same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "util/object_archive.h"

namespace {

class CAnyRoot : public CObject {
public:
    std::vector<std::unique_ptr<CObject>> objects;
    std::string text;
    std::int64_t time = 0;

    std::string_view ClassName() const override { return "CAnyRoot"; }
    void Serialize(CArchive& ar) override {
        ar.IoObjectList(objects);
        ar.Io(text);
        ar.IoTime(time);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (RegisterLibraryClasses(), true);
    (void)registered;
    CAnyRoot root;
    const Result<> loaded = LoadFromBytes(root, std::span<const std::uint8_t>(data, size));
    if (!loaded) {
        if (loaded.Error().message.empty() || !loaded.Error().offset ||
            *loaded.Error().offset > size) {
            std::abort();
        }
        return 0;
    }
    std::vector<std::uint8_t> stored;
    if (!StoreToBytes(root, stored)) {
        std::abort();
    }
    CAnyRoot again;
    std::vector<std::uint8_t> restored;
    if (!LoadFromBytes(again, stored) || !StoreToBytes(again, restored) || restored != stored) {
        std::abort();
    }
    return 0;
}
