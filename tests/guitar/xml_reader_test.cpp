#include "guitar/xml_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

// The tag names of the children of the current element, in order.
std::vector<std::string> ChildNames(CXmlReader& xml) {
    std::vector<std::string> names;
    while (xml.FindChild()) {
        const CXmlReader::CElement& e = xml.elements[static_cast<std::size_t>(xml.childPos)];
        std::string name = xml.text.substr(static_cast<std::size_t>(e.tagStart) + 1);
        names.push_back(name.substr(0, name.find_first_of(" />")));
    }
    return names;
}

TEST(XmlReaderTest, ParseOutcomes) {
    struct Case {
        const char* what;
        std::string text;
        std::string error;  // "" when the parse succeeds
    };
    const Case cases[] = {
        {"prologue skipped",
         "<?xml version=\"1.0\"?>\n<!-- chords > here -->\n"
         "<!DOCTYPE a [ <!ELEMENT a ANY> <!ENTITY e \"]>\"> ]>\n<a><b/></a>",
         ""},
        {"comment and declaration between children",
         "<a><?pi x?><b/><!-- <c> --><![CDATA[<d>]]></a>", ""},
        {"anything after the root is ignored", "<a/> trailing <b", ""},
        {"blanks inside the end tag", "<a>x</ a >", ""},
        {"end tag closed by a wrong name", "<a><b></c></a>", "End tag does not correspond to b"},
        {"child closed by its parent's end tag", "<a><b>x</a>", "End tag does not correspond to b"},
        {"end tag without a name", "<a></>", "End tag does not correspond to a"},
        {"only a start tag", "<a>", "Element tag not found"},
        {"no markup at all", "just words", "Element tag not found"},
        {"empty text", "", "Element tag not found"},
        {"an end tag before any element", "</a>", "Element tag not found"},
        {"text ends after the end tag's name", "<a><b>x</b", "End tag not completed for element b"},
        {"text ends after the end tag's slash", "<a></", "End tag not completed for element a"},
        {"start tag without its >", "<a><b x='1'", "End of tag not found"},
        {"declaration without ?>", "<?xml version='1.0'", "Invalid node"},
        {"comment without -->", "<a><!-- open", "Invalid node"},
        {"CDATA without ]]>", "<a><![CDATA[ open", "Invalid node"},
        {"document type declaration without >", "<!DOCTYPE a [ <!ENTITY e 'x'>", "Invalid node"},
        {"tag name in quotes", "<'a'/>", "Tag starts with quote"},
        {"a lone <", "<", "Abrupt end within tag"},
        {"a < and blanks", "<a>  <  ", "Abrupt end within tag"},
    };
    for (const Case& c : cases) {
        CXmlReader xml;
        const Result<> parsed = xml.SetText(c.text);
        EXPECT_EQ(parsed.Ok(), c.error.empty()) << c.what;
        EXPECT_EQ(parsed.Message(), c.error) << c.what;
        if (!c.error.empty()) {
            EXPECT_EQ(xml.nextFree, 1) << c.what;
            EXPECT_FALSE(xml.FindChild()) << c.what;
            EXPECT_FALSE(xml.FindTopElement()) << c.what;
            EXPECT_EQ(xml.ChildText(1), "") << c.what;
        }
    }
}

TEST(XmlReaderTest, TreeOfChildrenAndEmptyElements) {
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText("<!-- head --><a><b/><c><d>1</d><e/></c><b>2</b></a>"));
    ASSERT_TRUE(xml.FindTopElement("a"));
    EXPECT_EQ(ChildNames(xml), (std::vector<std::string>{"b", "c", "b"}));

    xml.childPos = 0;
    ASSERT_TRUE(xml.FindChild("b"));
    EXPECT_EQ(xml.ChildText(xml.childPos), "");  // written as <b/>
    ASSERT_TRUE(xml.FindChild("b"));
    EXPECT_EQ(xml.ChildText(xml.childPos), "2");
    EXPECT_FALSE(xml.FindChild("b"));

    xml.childPos = 0;
    ASSERT_TRUE(xml.FindChild("c"));
    EXPECT_EQ(xml.ChildText(xml.childPos), "");  // has children
    ASSERT_TRUE(xml.EnterChild());
    EXPECT_EQ(ChildNames(xml), (std::vector<std::string>{"d", "e"}));
    ASSERT_TRUE(xml.LeaveElement());
    EXPECT_EQ(xml.currentPos, 1);
    // The element left is the child, so the walk goes on after it.
    ASSERT_TRUE(xml.FindChild());
    EXPECT_EQ(xml.ChildText(xml.childPos), "2");
    EXPECT_FALSE(xml.LeaveElement());  // the root has no parent element
}

TEST(XmlReaderTest, FindChildSelectsTheRootFirstAndMatchesWholeNames) {
    CXmlReader xml;
    ASSERT_TRUE(
        xml.SetText("<root><note>1</note><notes>x</notes><not>y</not><note>2</note></root>"));
    std::vector<std::string> texts;
    while (xml.FindChild("note")) {
        texts.push_back(xml.ChildText(xml.childPos));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "2"}));
    EXPECT_FALSE(xml.FindChild("note"));
}

TEST(XmlReaderTest, ManyElementsGrowTheTable) {
    std::string text = "<r>";
    for (int i = 0; i < 3000; ++i) {
        text += "<e/>";
    }
    text += "</r>";
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText(text));
    EXPECT_EQ(xml.nextFree, 3002);
    int count = 0;
    while (xml.FindChild("e")) {
        ++count;
    }
    EXPECT_EQ(count, 3000);
}

TEST(XmlReaderTest, DeepNestingParsesWithoutExhaustingTheStack) {
    constexpr int kDepth = 200000;
    std::string text;
    for (int i = 0; i < kDepth; ++i) {
        text += "<a>";
    }
    for (int i = 0; i < kDepth; ++i) {
        text += "</a>";
    }
    CXmlReader xml;
    EXPECT_TRUE(xml.SetText(text));
    text.pop_back();
    const Result<> cut = xml.SetText(text);
    EXPECT_FALSE(cut);
    EXPECT_EQ(cut.Message(), "End tag not completed for element a");
}

TEST(XmlReaderTest, AttributeValues) {
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText(
        "<r><b x='1' y=\"&lt;2\" z=3 xx=\"long\" e=\"\" w = 'spaced' q='a\"b'/><c/></r>"));
    ASSERT_TRUE(xml.FindChild("b"));
    const std::map<std::string, std::string> expected = {
        {"x", "1"},      {"y", "<2"},   {"z", ""}, {"xx", "long"}, {"e", ""},
        {"w", "spaced"}, {"q", "a\"b"}, {"v", ""}, {"", ""},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(xml.ChildAttribute(name), value) << name;
    }
    ASSERT_TRUE(xml.FindChild("c"));
    EXPECT_EQ(xml.ChildAttribute("x"), "");

    CXmlReader none;
    EXPECT_EQ(none.ChildAttribute("x"), "");
}

TEST(XmlReaderTest, ElementText) {
    struct Case {
        const char* what;
        std::string content;
        std::string text;
    };
    const Case cases[] = {
        {"references and an unknown entity", "&#65;&#x42;&amp;&nbsp;", "AB&&nbsp;"},
        {"named entities", "&lt;&gt;&apos;&quot;", "<>'\""},
        {"surrounding blanks kept", " E3 ", " E3 "},
        {"CDATA undecoded", "<![CDATA[a<b &amp;]]>", "a<b &amp;"},
        {"CDATA after blanks", "\n  <![CDATA[x]]>  ", "x"},
        {"UTF-8 passes through", "R\xc3\xa9", "R\xc3\xa9"},
        {"two-byte reference", "&#233;", "\xc3\xa9"},
        {"three-byte reference", "&#x266F;", "\xe2\x99\xaf"},
        {"four-byte reference", "&#99999;", "\xf0\x98\x9a\x9f"},
        {"code point 0 kept", "&#0;&#x0;", "&#0;&#x0;"},
        {"surrogate kept", "&#xD800;", "&#xD800;"},
        {"semicolon too far", "&#x1F3B8;", "&#x1F3B8;"},
        {"no digits", "&#;&#x;", "&#;&#x;"},
        {"not a number", "&#12a;&#xG1;", "&#12a;&#xG1;"},
        {"no semicolon", "&#65 and &amp", "&#65 and &amp"},
        {"upper-case X is no hex mark", "&#X41;", "&#X41;"},
        {"ampersand at the end", "a&", "a&"},
    };
    for (const Case& c : cases) {
        CXmlReader xml;
        const Result<> parsed = xml.SetText("<r><t>" + c.content + "</t></r>");
        ASSERT_TRUE(parsed) << c.what << ": " << parsed.Message();
        ASSERT_TRUE(xml.FindChild("t")) << c.what;
        EXPECT_EQ(xml.ChildText(xml.childPos), c.text) << c.what;
    }
}

TEST(XmlReaderTest, TextOfIndexesThatAreNoElements) {
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText("<r>x</r>"));
    EXPECT_EQ(xml.ChildText(1), "x");
    for (const int index : {-1, 0, 2, 1000}) {
        EXPECT_EQ(xml.ChildText(index), "") << index;
    }
}

TEST(XmlReaderTest, EnteringWithoutAChildLeavesNoCurrentElement) {
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText("<r><a/></r>"));
    EXPECT_FALSE(xml.EnterChild());  // nothing current yet
    ASSERT_TRUE(xml.FindTopElement());
    EXPECT_FALSE(xml.EnterChild());  // no child chosen
    EXPECT_EQ(xml.currentPos, 0);
    EXPECT_TRUE(xml.LeaveElement());
    EXPECT_EQ(xml.currentPos, 1);
}

TEST(XmlReaderTest, ANewTextReplacesTheOldTree) {
    CXmlReader xml;
    ASSERT_TRUE(xml.SetText("<r><a/></r>"));
    ASSERT_TRUE(xml.FindChild("a"));
    EXPECT_FALSE(xml.SetText("<r><a></r>"));
    EXPECT_EQ(xml.childPos, 0);
    EXPECT_FALSE(xml.FindChild("a"));
    const Result<> again = xml.SetText("<s><b>1</b></s>");
    ASSERT_TRUE(again);
    EXPECT_EQ(again.Message(), "");
    ASSERT_TRUE(xml.FindChild("b"));
    EXPECT_EQ(xml.ChildText(xml.childPos), "1");
}

TEST(XmlReaderTest, LoadReadsAFileAndReportsOneThatCannotBeOpened) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "fretquill-xml-reader-test.xml";
    {
        std::ofstream out(path, std::ios::binary);
        out << "\xef\xbb\xbf<chords><basenote note=\"C\"/></chords>";
    }
    CXmlReader xml;
    ASSERT_TRUE(xml.Load(path.string()));
    ASSERT_TRUE(xml.FindChild("basenote"));
    EXPECT_EQ(xml.ChildAttribute("note"), "C");
    std::filesystem::remove(path);

    const Result<> gone = xml.Load(path.string());
    EXPECT_FALSE(gone);
    EXPECT_NE(gone.Message().find("Could not open the file"), std::string::npos) << gone.Message();
    EXPECT_FALSE(xml.FindChild());
}

// Every file of the folder is bad XML: each must fail with a message and leave nothing.
TEST(XmlReaderTest, BadFilesFailCleanly) {
    const std::map<std::string, std::string> expected = {
        {"binary_noise.xml", "End tag does not correspond to \\x01"},
        // Every control byte but white space, and a byte that is no UTF-8, in a tag name.
        {"control_bytes_in_name.xml",
         "End tag does not correspond to "
         "a\\x00\\x01\\x02\\x03\\x04\\x05\\x06\\x07\\x08\\x0b\\x0c\\x0e\\x0f\\x10\\x11\\x12\\x13\\x"
         "14\\x15\\x16\\x17\\x18\\x19\\x1a\\x1b\\x1c\\x1d\\x1e\\x1f\\xff"},
        {"empty.xml", "Element tag not found"},
        {"end_tag_cut_off.xml", "End tag not completed for element chords"},
        {"end_tag_without_name.xml", "End tag does not correspond to chords"},
        {"lone_angle.xml", "Abrupt end within tag"},
        {"mismatched_end_tag.xml", "End tag does not correspond to type"},
        {"no_markup.xml", "Element tag not found"},
        {"prologue_only.xml", "Element tag not found"},
        {"quoted_tag_name.xml", "Tag starts with quote"},
        {"start_tag_without_end.xml", "End of tag not found"},
        {"stray_end_tag.xml", "Element tag not found"},
        {"truncated_database.xml", "Element tag not found"},
        {"unclosed_doctype.xml", "Invalid node"},
        {"unclosed_root.xml", "Element tag not found"},
        {"unterminated_cdata.xml", "Invalid node"},
        {"unterminated_comment.xml", "Invalid node"},
        {"unterminated_declaration.xml", "Invalid node"},
    };
    const std::filesystem::path dir = std::filesystem::path(FRETQUILL_TEST_DATA_DIR) / "bad_xml";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        ++files;
        CXmlReader xml;
        const Result<> read = xml.Load(entry.path().string());
        EXPECT_FALSE(read) << name;
        const auto known = expected.find(name);
        ASSERT_NE(known, expected.end()) << name << " has no expected message";
        EXPECT_EQ(read.Message(), known->second) << name;
        EXPECT_EQ(xml.nextFree, 1) << name;
        EXPECT_FALSE(xml.FindChild()) << name;
    }
    EXPECT_EQ(files, static_cast<int>(expected.size()));
}

}  // namespace
