#include "util/object_archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive_test_classes.h"

namespace {

// The fields of CFoo{number, name} as the writer puts them.
Bytes FooFields(std::uint8_t number, std::string_view asciiName) {
    Bytes out = {number, 0, 0, 0, 0xFF, 0xFE, 0xFF, static_cast<std::uint8_t>(asciiName.size())};
    for (const char c : asciiName) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(0);
    }
    return out;
}

TEST(ObjectArchiveTest, StringsAreWrittenWideWithTheMarkerAndTheirLengthTier) {
    struct Case {
        std::size_t length;
        Bytes header;  // marker and length bytes
    };
    const std::vector<Case> cases = {
        {0, {0xFF, 0xFE, 0xFF, 0x00}},
        {2, {0xFF, 0xFE, 0xFF, 0x02}},
        {0xFE, {0xFF, 0xFE, 0xFF, 0xFE}},
        {0xFF, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        // 0xFFFE would read back as a second marker.
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string text(c.length, 'x');
        const Bytes bytes = StoreWith([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(bytes.size(), c.header.size() + 2 * c.length) << c.length;
        EXPECT_EQ(
            Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(c.header.size())),
            c.header)
            << c.length;
        std::string back;
        ASSERT_TRUE(LoadWith(bytes, [&](CArchive& ar) { ar >> back; })) << c.length;
        EXPECT_EQ(back, text) << c.length;
    }
}

TEST(ObjectArchiveTest, TextIsConvertedBetweenUtf8AndUtf16) {
    struct Case {
        std::string text;
        Bytes units;       // UTF-16LE written
        std::string back;  // what reading gives
    };
    const std::vector<Case> cases = {
        {"Hi", {0x48, 0x00, 0x69, 0x00}, "Hi"},
        {"\xC3\xA9", {0xE9, 0x00}, "\xC3\xA9"},                              // é
        {"\xF0\x9D\x84\x9E", {0x34, 0xD8, 0x1E, 0xDD}, "\xF0\x9D\x84\x9E"},  // surrogate pair
        // Invalid UTF-8 is stored as U+FFFD, never dropped or crashed on.
        {"a\xFF", {0x61, 0x00, 0xFD, 0xFF}, "a\xEF\xBF\xBD"},
        {"\xE0\x80", {0xFD, 0xFF, 0xFD, 0xFF}, "\xEF\xBF\xBD\xEF\xBF\xBD"},  // overlong start
        {"\xED\xA0\x80",
         {0xFD, 0xFF, 0xFD, 0xFF, 0xFD, 0xFF},
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},    // encoded surrogate
        {"\xE2\x82", {0xFD, 0xFF}, "\xEF\xBF\xBD"},  // cut short
    };
    for (const Case& c : cases) {
        const Bytes bytes = StoreWith([&](CArchive& ar) { ar << c.text; });
        const Bytes expected =
            Concat({{0xFF, 0xFE, 0xFF, static_cast<std::uint8_t>(c.units.size() / 2)}, c.units});
        EXPECT_EQ(bytes, expected) << c.back;
        std::string back;
        ASSERT_TRUE(LoadWith(bytes, [&](CArchive& ar) { ar >> back; }));
        EXPECT_EQ(back, c.back);
    }
}

TEST(ObjectArchiveTest, ReadsNarrowStringsAsLatin1AndLoneSurrogatesAsReplacement) {
    struct Case {
        Bytes bytes;
        std::string text;
    };
    const std::vector<Case> cases = {
        {{0x03, 'A', 'B', 'C'}, "ABC"},
        {{0x00}, ""},
        {{0x01, 0xE9}, "\xC3\xA9"},
        {{0xFF, 0x02, 0x00, 'o', 'k'}, "ok"},
        {{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'o', 'k'}, "ok"},
        // Wide forms the writer never makes but a reader takes.
        {{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'z', 0x00}, "z"},
        {{0xFF, 0xFE, 0xFF, 0x01, 0x00, 0xD8}, "\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        std::string back;
        ASSERT_TRUE(LoadWith(c.bytes, [&](CArchive& ar) { ar >> back; })) << c.text;
        EXPECT_EQ(back, c.text);
    }
}

TEST(ObjectArchiveTest, NumbersCountsAndTimesHaveTheirByteForms) {
    struct Case {
        const char* what;
        Bytes bytes;
        std::function<void(CArchive&)> write;
    };
    const std::vector<Case> cases = {
        {"int32 -1", {0xFF, 0xFF, 0xFF, 0xFF}, [](CArchive& ar) { ar << std::int32_t{-1}; }},
        {"int32", {0x78, 0x56, 0x34, 0x12}, [](CArchive& ar) { ar << std::int32_t{0x12345678}; }},
        {"word", {0x34, 0x12}, [](CArchive& ar) { ar << std::uint16_t{0x1234}; }},
        {"count 0", {0x00, 0x00}, [](CArchive& ar) { ar.WriteCount(0); }},
        {"count 0xFFFE", {0xFE, 0xFF}, [](CArchive& ar) { ar.WriteCount(0xFFFE); }},
        {"count 0xFFFF",
         {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00},
         [](CArchive& ar) { ar.WriteCount(0xFFFF); }},
        {"count 0x12345",
         {0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00},
         [](CArchive& ar) { ar.WriteCount(0x12345); }},
        {"time", {0x00, 0x5E, 0xD0, 0xB2}, [](CArchive& ar) { ar.WriteTime(3000000000LL); }},
        // Values the 32-bit form cannot carry take the long form.
        {"time before 1970",
         {0x0A, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         [](CArchive& ar) { ar.WriteTime(-1); }},
        {"time equal to the marker",
         {0x0A, 0x00, 0x00, 0x80, 0x0A, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00},
         [](CArchive& ar) { ar.WriteTime(0x8000000ALL); }},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StoreWith(c.write), c.bytes) << c.what;
    }
}

TEST(ObjectArchiveTest, CountsAndTimesReadBack) {
    for (const std::uint32_t count : {0u, 1u, 0xFFFEu, 0xFFFFu, 0x10000u}) {
        Bytes bytes = StoreWith([&](CArchive& ar) { ar.WriteCount(count); });
        const std::size_t header = bytes.size();
        bytes.resize(header + count);  // a count is only believed when data follows
        std::uint32_t back = 0;
        ASSERT_TRUE(LoadWith(bytes, [&](CArchive& ar) {
            back = ar.ReadCount();
            for (std::uint32_t i = 0; i < count; ++i) {
                std::uint8_t b;
                ar >> b;
            }
        }));
        EXPECT_EQ(back, count);
    }
    for (const std::int64_t time :
         {0LL, 1700000000LL, 0xFFFFFFFFLL, 0x8000000ALL, -5LL, 0x123456789ALL}) {
        const Bytes bytes = StoreWith([&](CArchive& ar) { ar.WriteTime(time); });
        std::int64_t back = 0;
        ASSERT_TRUE(LoadWith(bytes, [&](CArchive& ar) { back = ar.ReadTime(); }));
        EXPECT_EQ(back, time);
    }
}

TEST(ObjectArchiveTest, ListOfTwoNewObjectsMatchesTheFormatExample) {
    CFooList list;
    list.items.push_back(std::make_unique<CFoo>(7, "ab"));
    list.items.push_back(std::make_unique<CFoo>(9, "c"));
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    const Bytes expected = Concat({{0x02, 0x00},
                                   {0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00},
                                   Ascii("CFoo"),
                                   FooFields(7, "ab"),
                                   {0x01, 0x80},
                                   FooFields(9, "c")});
    EXPECT_EQ(bytes, expected);

    CFooList back;
    ASSERT_TRUE(LoadFromBytes(back, bytes));
    ASSERT_EQ(back.items.size(), 2u);
    EXPECT_EQ(back.items[0]->number, 7);
    EXPECT_EQ(back.items[0]->name, "ab");
    EXPECT_EQ(back.items[1]->number, 9);
    EXPECT_EQ(back.items[1]->name, "c");
}

TEST(ObjectArchiveTest, AnEmptyListIsItsCountAlone) {
    CFooList list;
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    EXPECT_EQ(bytes, (Bytes{0x00, 0x00}));
}

TEST(ObjectArchiveTest, ClassRecordsAreSharedAcrossListsAndMixedClasses) {
    CClassRegistry registry;
    registry.Add<CFoo>();
    registry.Add<CBar>();
    CAnyList list;
    list.items.push_back(std::make_unique<CFoo>(1, ""));
    list.items.push_back(std::make_unique<CBar>());
    list.items.push_back(std::make_unique<CFoo>(2, ""));
    list.items.push_back(std::make_unique<CBar>());
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    // CFoo is index 1 and its object 2; CBar is 3 and its object 4.
    const Bytes expected = Concat({{0x04, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00},
                                   Ascii("CFoo"),
                                   FooFields(1, ""),
                                   {0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00},
                                   Ascii("CBar"),
                                   {0, 0, 0, 0},
                                   {0x01, 0x80},
                                   FooFields(2, ""),
                                   {0x03, 0x80},
                                   {0, 0, 0, 0}});
    EXPECT_EQ(bytes, expected);
    CAnyList back;
    ASSERT_TRUE(LoadFromBytes(back, bytes, registry)) << "";
    ASSERT_EQ(back.items.size(), 4u);
    EXPECT_EQ(back.items[2]->ClassName(), "CFoo");
    EXPECT_EQ(back.items[3]->ClassName(), "CBar");
}

// Two lists in one root: 0x7FFF fieldless objects push the next class past the short tag.
class CTwoLists : public CObject {
public:
    std::vector<std::unique_ptr<CEmpty>> empties;
    std::vector<std::unique_ptr<CFoo>> foos;
    std::string_view ClassName() const override { return "CTwoLists"; }
    void Serialize(CArchive& ar) override {
        ar.IoObjectList(empties);
        ar.IoObjectList(foos);
    }
};

TEST(ObjectArchiveTest, ClassIndexesFromTheShortTagLimitUseTheLongTag) {
    CTwoLists root;
    for (int i = 0; i < 0x7FFF; ++i) {
        root.empties.push_back(std::make_unique<CEmpty>());
    }
    root.foos.push_back(std::make_unique<CFoo>(1, ""));
    root.foos.push_back(std::make_unique<CFoo>(2, ""));
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(root, bytes));
    // CEmpty is index 1, its objects 2..0x8000; the last empty uses the short tag 0x8001.
    const std::size_t emptiesEnd = 2 + 2 + 2 + 2 + 6 + 2 * (0x7FFF - 1);
    EXPECT_EQ(bytes[emptiesEnd - 2], 0x01);
    EXPECT_EQ(bytes[emptiesEnd - 1], 0x80);
    // CFoo is index 0x8001, so its second object names it with 0x7FFF + 0x80008001.
    const Bytes tail = Concat({{0x02, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00},
                               Ascii("CFoo"),
                               FooFields(1, ""),
                               {0xFF, 0x7F, 0x01, 0x80, 0x00, 0x80},
                               FooFields(2, "")});
    ASSERT_EQ(bytes.size(), emptiesEnd + tail.size());
    EXPECT_EQ(Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(emptiesEnd), bytes.end()), tail);

    CTwoLists back;
    ASSERT_TRUE(LoadFromBytes(back, bytes));
    EXPECT_EQ(back.empties.size(), 0x7FFFu);
    ASSERT_EQ(back.foos.size(), 2u);
    EXPECT_EQ(back.foos[1]->number, 2);
}

TEST(ObjectArchiveTest, LongStringsAndListsCrossTheBufferAndRoundTrip) {
    CFooList list;
    for (int i = 0; i < 300; ++i) {
        list.items.push_back(
            std::make_unique<CFoo>(i, std::string(static_cast<std::size_t>(i), 'q')));
    }
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    ASSERT_GT(bytes.size(), 3 * CArchive::kBufferSize);
    CFooList back;
    ASSERT_TRUE(LoadFromBytes(back, bytes));
    Bytes again;
    ASSERT_TRUE(StoreToBytes(back, again));
    EXPECT_EQ(again, bytes);
}

// Remembers the size of every write it gets.
class ChunkSink : public ByteSink {
public:
    std::vector<std::size_t> writes;
    bool fail = false;
    bool Write(std::span<const std::uint8_t> bytes) override {
        writes.push_back(bytes.size());
        return !fail;
    }
};

TEST(ObjectArchiveTest, WritesGoOutInBufferSizedChunksAndWriteFaultsAreReported) {
    CFoo big(1, std::string(5000, 'w'));
    ChunkSink sink;
    ASSERT_TRUE(StoreArchive(big, sink));
    ASSERT_EQ(sink.writes.size(), 3u);
    EXPECT_EQ(sink.writes[0], CArchive::kBufferSize);
    EXPECT_EQ(sink.writes[1], CArchive::kBufferSize);
    EXPECT_EQ(sink.writes[0] + sink.writes[1] + sink.writes[2], 4u + 6u + 10000u);

    ChunkSink full;
    full.fail = true;
    const Result<> result = StoreArchive(big, full);
    EXPECT_FALSE(result);
    EXPECT_NE(result.Message().find("could not be written"), std::string::npos);
}

TEST(ObjectArchiveTest, AListWithAMissingElementIsNotWritten) {
    CFooList list;
    list.items.push_back(nullptr);
    Bytes bytes;
    EXPECT_FALSE(StoreToBytes(list, bytes));
}

struct BadCase {
    const char* what;
    Bytes bytes;
    const char* message;  // part of the expected message
    std::uint64_t offset;
};

// Reads every case as a root holding a list of CFoo and checks message and offset.
void ExpectFailures(const std::vector<BadCase>& cases, const CClassRegistry& registry) {
    for (const BadCase& c : cases) {
        CFooList list;
        const Result<> result = LoadFromBytes(list, c.bytes, registry);
        EXPECT_FALSE(result) << c.what;
        EXPECT_NE(result.Message().find(c.message), std::string::npos)
            << c.what << ": " << result.Message();
        EXPECT_EQ(result.Error().offset, c.offset) << c.what << ": " << result.Message();
        EXPECT_NE(result.Error().Describe().find("at byte"), std::string::npos);
    }
}

TEST(ObjectArchiveTest, MalformedFramingFailsWithItsOffset) {
    const Bytes fooClass = Concat({{0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00}, Ascii("CFoo")});
    const Bytes oneFoo = Concat({fooClass, FooFields(1, "a")});  // indexes 1 and 2
    CClassRegistry registry;
    registry.Add<CBar>();
    const std::vector<BadCase> cases = {
        {"tag 0x8000", {0x01, 0x00, 0x00, 0x80}, "0x8000", 2},
        {"null element", {0x01, 0x00, 0x00, 0x00}, "null object", 2},
        {"unknown class",
         Concat({{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00}, Ascii("CZap"), {0, 0, 0, 0}}),
         "unknown class name \"CZap\"", 8},
        {"non-ASCII class name",
         {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x02, 0x00, 0xC3, 0xA9},
         "\"\\xC3\\xA9\"",
         8},
        {"class name length 64",
         Concat({{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x40, 0x00}, Bytes(64, 'A')}), "length 64",
         6},
        {"class in the wrong place",
         Concat({{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00}, Ascii("CBar"), {0, 0, 0, 0}}),
         "\"CBar\" where \"CFoo\" was expected", 2},
        {"object reference past the last index", Concat({{0x02, 0x00}, oneFoo, {0x05, 0x00}}),
         "past the last index (2)", 2 + oneFoo.size()},
        {"class reference past the last index", Concat({{0x02, 0x00}, oneFoo, {0x03, 0x80}}),
         "class index 3 is past", 2 + oneFoo.size()},
        {"long class reference past the last index",
         Concat({{0x02, 0x00}, oneFoo, {0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80}}), "class index 9",
         2 + oneFoo.size()},
        {"class index naming an object", Concat({{0x02, 0x00}, oneFoo, {0x02, 0x80}}),
         "names an object", 2 + oneFoo.size()},
        {"object reference naming a class", Concat({{0x02, 0x00}, oneFoo, {0x01, 0x00}}),
         "names a class", 2 + oneFoo.size()},
        {"repeated object", Concat({{0x02, 0x00}, oneFoo, {0x02, 0x00}}), "stored once",
         2 + oneFoo.size()},
        {"long object reference",
         Concat({{0x02, 0x00}, oneFoo, {0xFF, 0x7F, 0x02, 0x00, 0x00, 0x00}}), "stored once",
         2 + oneFoo.size()},
        {"huge count", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, "count 2147483647", 0},
        {"count beyond the data", {0x03, 0x00, 0x00, 0x80}, "count 3", 0},
        {"overlong string",
         Concat({{0x01, 0x00}, fooClass, {1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0x50, 'a', 0}}),
         "string length 80", 2 + fooClass.size() + 4},
        {"overlong string, long form",
         Concat({{0x01, 0x00},
                 fooClass,
                 {1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}),
         "string length 4294967295", 2 + fooClass.size() + 4},
        {"data after the root", Concat({{0x01, 0x00}, oneFoo, {0x00}}), "1 bytes follow",
         2 + oneFoo.size()},
        {"empty file", {}, "end of data while reading a count", 0},
    };
    ExpectFailures(cases, registry);
}

TEST(ObjectArchiveTest, EveryTruncationFailsCleanlyWithinTheData) {
    CFooList list;
    list.items.push_back(std::make_unique<CFoo>(-3, "first"));
    list.items.push_back(std::make_unique<CFoo>(4, "second"));
    Bytes whole;
    ASSERT_TRUE(StoreToBytes(list, whole));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        CFooList back;
        const Result<> result = LoadFromBytes(back, cut);
        EXPECT_FALSE(result) << size;
        EXPECT_LE(result.Error().offset.value(), size) << size << ": " << result.Message();
        EXPECT_FALSE(result.Message().empty());
    }
}

TEST(ObjectArchiveTest, NestingIsLimitedOnReadingAndWriting) {
    // Node lists nested deeper than the reader allows: count 1, new class, then
    // "count 1, class reference 0x8001" over and over.
    Bytes deep = Concat({{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00}, Ascii("CNode")});
    for (int i = 0; i < CArchive::kMaxDepth + 5; ++i) {
        deep.insert(deep.end(), {0x01, 0x00, 0x01, 0x80});
    }
    deep.insert(deep.end(), {0x00, 0x00});
    CNode root;
    const Result<> result = LoadFromBytes(root, deep);
    EXPECT_FALSE(result);
    EXPECT_NE(result.Message().find("nested too deeply"), std::string::npos) << result.Message();

    CNode tree;
    CNode* at = &tree;
    for (int i = 0; i < CArchive::kMaxDepth + 1; ++i) {
        at->children.push_back(std::make_unique<CNode>());
        at = at->children.back().get();
    }
    Bytes bytes;
    EXPECT_FALSE(StoreToBytes(tree, bytes));
}

TEST(ObjectArchiveTest, SchemaNumbersAreAcceptedAndKnownToTheObject) {
    // Schema 7 on the class record: the same fields are read.
    const Bytes bytes = Concat(
        {{0x01, 0x00, 0xFF, 0xFF, 0x07, 0x00, 0x04, 0x00}, Ascii("CFoo"), FooFields(5, "s")});
    CFooList list;
    ASSERT_TRUE(LoadFromBytes(list, bytes));
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0]->name, "s");
}

TEST(ObjectArchiveTest, AnyObjectListNeedsItsClassesRegistered) {
    const Bytes bytes = Concat(
        {{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00}, Ascii("CFoo"), FooFields(5, "s")});
    CClassRegistry empty;
    CAnyList list;
    const Result<> refused = LoadFromBytes(list, bytes, empty);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.Message().find("unknown class name \"CFoo\""), std::string::npos);

    CClassRegistry known;
    EXPECT_TRUE(known.Add<CFoo>());
    ASSERT_TRUE(LoadFromBytes(list, bytes, known));
    EXPECT_EQ(dynamic_cast<CFoo&>(*list.items.at(0)).number, 5);
}

TEST(ClassRegistryTest, TakesOnlyNamesTheFormatCanStore) {
    CClassRegistry registry;
    const auto make = []() -> std::unique_ptr<CObject> { return std::make_unique<CFoo>(); };
    EXPECT_TRUE(registry.Add("CFoo", make));
    EXPECT_FALSE(registry.Add("", make));
    EXPECT_FALSE(registry.Add(std::string(64, 'C'), make));
    EXPECT_TRUE(registry.Add(std::string(63, 'C'), make));
    EXPECT_FALSE(registry.Add("C Foo", make));
    EXPECT_FALSE(registry.Add("CNull", nullptr));
    EXPECT_EQ(registry.Create("CFoo")->ClassName(), "CFoo");
    EXPECT_EQ(registry.Create("CNull"), nullptr);
}

}  // namespace
