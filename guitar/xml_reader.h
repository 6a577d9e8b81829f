#pragma once

// CXmlReader: the small, non-validating reader of the chord database "chords.xml". It
// parses the whole text once into a flat table of element records (positions into the
// text, linked as a tree) and then walks the tree with a cursor of three positions:
// parent, current element and current child. Attribute values and element text are
// decoded when they are read. It never writes XML.
//
//   CXmlReader xml;
//   Result<> read = xml.Load(path);
//   if (!read) show(read.Error().message);                // "End tag does not correspond to b"
//   while (xml.FindChild("basenote")) {                   // the root becomes current first
//       std::string root = xml.ChildAttribute("note");
//       xml.EnterChild();                                 // basenote is now current
//       while (xml.FindChild("type")) { ... }
//       xml.LeaveElement();
//   }
//
// Text is UTF-8; every position is a byte position. Declarations, comments, CDATA
// sections and document type declarations between elements are skipped. Only the first
// top-level element is parsed; anything after its end tag is ignored. The parse keeps its
// own stack, so deep nesting costs memory, never the call stack.

#include <string>
#include <string_view>
#include <vector>

#include "util/result.h"

class CXmlReader {
public:
    // One element; every position is a byte index into `text`.
    struct CElement {
        int tagStart = 0;  // the "<" of the start tag
        int tagEnd = 0;    // the ">" ending the start tag
        int scanPos = 0;   // after parsing: the "<" of the end tag (an empty-element
                           // tag: its "/")
        int endPos = 0;    // the ">" ending the end tag (an empty-element tag: tagEnd)
        int parent = 0;
        int firstChild = 0;   // 0: none
        int nextSibling = 0;  // 0: none
    };

    std::string text;
    // Record 0 is the document; records from 1 on are elements in start-tag order.
    std::vector<CElement> elements;
    int nextFree = 1;
    // The cursor: element indexes, 0 for none.
    int parentPos = 0;
    int currentPos = 0;
    int childPos = 0;
    int atElement = 0;

    // Reads the whole file and parses it. Fails when it cannot be read or does not parse.
    Result<> Load(const std::string& path);
    // Resets the cursor and the records and parses the text. Succeeds when a root element
    // was parsed; on failure the reader holds no elements.
    Result<> SetText(std::string document);

    // Among the children of parentPos, after currentPos (from the first child when
    // currentPos is 0), the first element with the tag name ("" matches any); it becomes
    // current, with no child.
    bool FindTopElement(std::string_view name = {});
    // Among the children of currentPos, after childPos, the first element with the tag
    // name; it becomes the child. With no current element the root is selected first.
    // Repeated calls walk forward through the children.
    bool FindChild(std::string_view name = {});
    // The child becomes current. False when there was no current element or no child.
    bool EnterChild();
    // The parent becomes current again, and the element left its child.
    bool LeaveElement();

    // The value of an attribute of the child's start tag, entities decoded; "" when there
    // is no child or no such attribute (an unquoted value is not an attribute value).
    std::string ChildAttribute(std::string_view name) const;
    // The text of element `index` (usually childPos): a CDATA section's raw content, or
    // the content with entities decoded, surrounding white space kept. "" for an element
    // with children, an empty-element tag or an index that is no element.
    std::string ChildText(int index) const;

    // Decodes the five named entities and numeric character references. A reference to
    // code point 0 or to a value that is no Unicode scalar value stays as written, like
    // any other ampersand that starts nothing known.
    static std::string DecodeEntities(std::string_view raw);

private:
    struct Token {
        int start = 0;  // first character of the token's text
        int size = 0;
        int next = 0;        // where the following token's search starts
        bool found = false;  // false: the text ended first
        bool quoted = false;

        bool Is(const std::string& text, char c) const;
    };

    enum class Opened { Element, EmptyElement, NoMoreChildren, Failed };

    Token ReadToken(int pos) const;
    std::string_view TokenText(const Token& token) const;
    std::string_view TagName(int index) const;
    static bool NameMatches(std::string_view token, std::string_view name);

    bool Parse();
    Opened OpenElement(int parent, int& record);
    bool CloseElement(int record);
    // The position after a "<?" or "<!" construct whose "?" or "!" is at `mark`; -1 when
    // it does not end.
    int SkipConstruct(int mark) const;
    int NewRecord(int parent);
    void Fail(std::string message, std::string_view tagName = {});
    void Clear();
    bool IsElement(int index) const { return index > 0 && index < nextFree; }

    // What the parse found wrong, set by Fail.
    std::string parseError_;
};
