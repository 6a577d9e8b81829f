// Arbitrary bytes through the chord database's XML reader: the parse, then a walk over
// every element reading its attributes and text, then the loader's own walk.
#include <cstddef>
#include <cstdint>
#include <string>

#include "guitar/chord_database.h"
#include "guitar/xml_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CXmlReader xml;
    const Result<> parsed = xml.SetText(std::string(reinterpret_cast<const char*>(data), size));
    if (!parsed) {
        if (parsed.Error().message.empty() || xml.FindChild() || xml.nextFree != 1) {
            __builtin_trap();  // a failed parse must say why and hold nothing
        }
        return 0;
    }
    int depth = 0;
    for (long steps = 0; steps < 1000000; ++steps) {
        if (xml.FindChild()) {
            (void)xml.ChildAttribute("note");
            (void)xml.ChildAttribute("name");
            (void)xml.ChildText(xml.childPos);
            if (xml.EnterChild()) {
                ++depth;
            }
        } else if (depth == 0 || !xml.LeaveElement()) {
            break;
        } else {
            --depth;
        }
    }
    xml.currentPos = xml.parentPos = xml.childPos = xml.atElement = 0;
    CChordList list;
    NullProgressReporter progress;
    ReadChordDocument(xml, list, progress);
    return 0;
}
