#include "guitar/xml_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "util/unicode_text.h"

namespace {

// Positions are ints; a document this large is no chord database.
constexpr std::size_t kMaxDocumentSize = std::size_t{1} << 30;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsSingleCharToken(char c) {
    return c == '<' || c == '>' || c == '=' || c == '\\' || c == '/' || c == '?' || c == '!';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsScalarValue(std::uint32_t cp) {
    return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

// A numeric character reference starting at raw[at] ("&#..."). Its semicolon lies within
// the 7 characters after the ampersand. Returns its length, 0 when it is none.
std::size_t NumericReference(std::string_view raw, std::size_t at, std::uint32_t& cp) {
    const std::size_t limit = std::min(raw.size(), at + 8);
    std::size_t digits = at + 2;
    const bool hex = digits < limit && raw[digits] == 'x';
    if (hex) {
        ++digits;
    }
    std::uint32_t value = 0;
    std::size_t i = digits;
    for (; i < limit && raw[i] != ';'; ++i) {
        const int d = hex ? HexValue(raw[i]) : (IsDigit(raw[i]) ? raw[i] - '0' : -1);
        if (d < 0) {
            return 0;
        }
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    }
    if (i >= limit || i == digits) {
        return 0;
    }
    cp = value;
    return i + 1 - at;
}

}  // namespace

bool CXmlReader::Token::Is(const std::string& text, char c) const {
    return found && !quoted && size == 1 && text[static_cast<std::size_t>(start)] == c;
}

Result<> CXmlReader::Load(const std::string& path) {
    std::string document;
    {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
        if (!file) {
            Clear();
            return Result<>::Fail(std::string("Could not open the file (") + std::strerror(errno) +
                                  ")");
        }
        char buffer[65536];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
            if (document.size() + got > kMaxDocumentSize) {
                Clear();
                return Result<>::Fail("The file is too large");
            }
            document.append(buffer, got);
        }
        if (std::ferror(file.get())) {
            Clear();
            return Result<>::Fail(std::string("Could not read the file (") + std::strerror(errno) +
                                  ")");
        }
    }
    return SetText(std::move(document));
}

Result<> CXmlReader::SetText(std::string document) {
    text = std::move(document);
    if (text.size() > kMaxDocumentSize) {
        text.clear();
        Clear();
        return Result<>::Fail("The file is too large");
    }
    Clear();
    parseError_.clear();
    if (!Parse()) {
        Clear();
        return Result<>::Fail(std::move(parseError_));
    }
    return {};
}

void CXmlReader::Clear() {
    elements.assign(text.size() / 64 + 8, CElement{});
    nextFree = 1;
    parentPos = currentPos = childPos = atElement = 0;
}

int CXmlReader::NewRecord(int parent) {
    if (static_cast<std::size_t>(nextFree) >= elements.size()) {
        elements.resize(elements.size() + elements.size() / 2);
    }
    const int record = nextFree++;
    elements[static_cast<std::size_t>(record)] = CElement{};
    elements[static_cast<std::size_t>(record)].parent = parent;
    return record;
}

void CXmlReader::Fail(std::string message, std::string_view tagName) {
    const std::size_t at = message.find("%s");
    if (at != std::string::npos) {
        // The name comes from the file: shown escaped, never as raw bytes.
        message.replace(at, 2, EscapedText(tagName));
    }
    parseError_ = std::move(message);
}

CXmlReader::Token CXmlReader::ReadToken(int pos) const {
    const int n = static_cast<int>(text.size());
    while (pos < n && IsSpace(text[static_cast<std::size_t>(pos)])) {
        ++pos;
    }
    Token token;
    if (pos >= n) {
        token.start = token.next = n;
        return token;
    }
    token.found = true;
    const char c = text[static_cast<std::size_t>(pos)];
    if (c == '"' || c == '\'') {
        token.quoted = true;
        token.start = pos + 1;
        const std::size_t close = text.find(c, static_cast<std::size_t>(pos) + 1);
        const int end = close == std::string::npos ? n : static_cast<int>(close);
        token.size = end - token.start;
        token.next = close == std::string::npos ? n : end + 1;
        return token;
    }
    token.start = pos;
    int end = pos + 1;
    if (!IsSingleCharToken(c)) {
        while (end < n && !IsSpace(text[static_cast<std::size_t>(end)]) &&
               !IsSingleCharToken(text[static_cast<std::size_t>(end)])) {
            ++end;
        }
    }
    token.size = end - pos;
    token.next = end;
    return token;
}

std::string_view CXmlReader::TokenText(const Token& token) const {
    return std::string_view(text).substr(static_cast<std::size_t>(token.start),
                                         static_cast<std::size_t>(token.size));
}

std::string_view CXmlReader::TagName(int index) const {
    return TokenText(ReadToken(elements[static_cast<std::size_t>(index)].tagStart + 1));
}

bool CXmlReader::NameMatches(std::string_view token, std::string_view name) {
    if (token.empty() || !name.starts_with(token)) {
        return false;
    }
    if (name.size() == token.size()) {
        return true;
    }
    const char next = name[token.size()];
    return next == ' ' || next == '=' || next == '/' || next == '[';
}

bool CXmlReader::Parse() {
    struct Frame {
        int element;
        int lastChild;
    };
    std::vector<Frame> open{{0, 0}};
    while (true) {
        const int parent = open.back().element;
        int record = 0;
        const Opened opened = OpenElement(parent, record);
        if (opened == Opened::Failed) {
            return false;
        }
        if (opened == Opened::NoMoreChildren) {
            if (parent == 0) {
                Fail("Element tag not found");
                return false;
            }
            if (!CloseElement(parent)) {
                return false;
            }
            open.pop_back();
            const int above = open.back().element;
            elements[static_cast<std::size_t>(above)].scanPos =
                elements[static_cast<std::size_t>(parent)].endPos + 1;
            if (above == 0) {
                return true;
            }
            continue;
        }
        Frame& frame = open.back();
        if (frame.lastChild == 0) {
            elements[static_cast<std::size_t>(parent)].firstChild = record;
        } else {
            elements[static_cast<std::size_t>(frame.lastChild)].nextSibling = record;
        }
        frame.lastChild = record;
        if (opened == Opened::EmptyElement) {
            elements[static_cast<std::size_t>(parent)].scanPos =
                elements[static_cast<std::size_t>(record)].endPos + 1;
            if (parent == 0) {
                return true;
            }
        } else {
            open.push_back({record, 0});
        }
    }
}

CXmlReader::Opened CXmlReader::OpenElement(int parent, int& record) {
    record = NewRecord(parent);
    while (true) {
        const std::size_t lt = text.find(
            '<', static_cast<std::size_t>(elements[static_cast<std::size_t>(parent)].scanPos));
        if (lt == std::string::npos) {
            Fail("Element tag not found");
            return Opened::Failed;
        }
        elements[static_cast<std::size_t>(parent)].scanPos = static_cast<int>(lt);
        const Token first = ReadToken(static_cast<int>(lt) + 1);
        if (!first.found) {
            Fail("Abrupt end within tag");
            return Opened::Failed;
        }
        if (first.quoted) {
            Fail("Tag starts with quote");
            return Opened::Failed;
        }
        if (first.Is(text, '!') || first.Is(text, '?')) {
            const int after = SkipConstruct(first.start);
            if (after < 0) {
                Fail("Invalid node");
                return Opened::Failed;
            }
            elements[static_cast<std::size_t>(parent)].scanPos = after;
            continue;
        }
        if (first.Is(text, '/')) {
            --nextFree;
            return Opened::NoMoreChildren;
        }
        const std::size_t gt = text.find('>', static_cast<std::size_t>(first.start));
        if (gt == std::string::npos) {
            Fail("End of tag not found");
            return Opened::Failed;
        }
        CElement& e = elements[static_cast<std::size_t>(record)];
        e.tagStart = static_cast<int>(lt);
        e.tagEnd = static_cast<int>(gt);
        if (text[gt - 1] == '/') {
            e.scanPos = e.tagEnd - 1;
            e.endPos = e.tagEnd;
            return Opened::EmptyElement;
        }
        e.scanPos = e.tagEnd + 1;
        return Opened::Element;
    }
}

bool CXmlReader::CloseElement(int record) {
    const std::string name(TagName(record));
    CElement& e = elements[static_cast<std::size_t>(record)];
    const std::size_t lt = text.find('<', static_cast<std::size_t>(e.scanPos));
    if (lt == std::string::npos) {
        Fail("End tag of %s element not found", name);
        return false;
    }
    e.scanPos = static_cast<int>(lt);
    const Token slash = ReadToken(e.scanPos + 1);
    if (!slash.found) {
        Fail("End tag not completed for element %s", name);
        return false;
    }
    if (!slash.Is(text, '/')) {
        Fail("Expecting end tag of element %s", name);
        return false;
    }
    Token token = ReadToken(slash.next);
    if (!token.found) {
        Fail("End tag not completed for element %s", name);
        return false;
    }
    if (token.quoted || !NameMatches(TokenText(token), name)) {
        Fail("End tag does not correspond to %s", name);
        return false;
    }
    do {
        token = ReadToken(token.next);
        if (!token.found) {
            Fail("End tag not completed for element %s", name);
            return false;
        }
    } while (!token.Is(text, '>'));
    e.endPos = token.start;
    return true;
}

int CXmlReader::SkipConstruct(int mark) const {
    const auto after = [this](int from, std::string_view end) {
        const std::size_t at = text.find(end, static_cast<std::size_t>(from));
        return at == std::string::npos ? -1 : static_cast<int>(at + end.size());
    };
    if (text[static_cast<std::size_t>(mark)] == '?') {
        return after(mark + 1, "?>");
    }
    const std::size_t next = static_cast<std::size_t>(mark) + 1;
    if (next < text.size() && text[next] == '[') {
        return after(mark + 1, "]]>");
    }
    if (next < text.size() && text[next] == '-') {
        return after(mark + 1, "-->");
    }
    // A document type declaration: its internal subset in brackets may hold ">".
    int depth = 0;
    int pos = mark + 1;
    while (true) {
        const Token token = ReadToken(pos);
        if (!token.found) {
            return -1;
        }
        if (!token.quoted) {
            if (depth == 0 && token.Is(text, '>')) {
                return token.next;
            }
            for (const char c : TokenText(token)) {
                depth += c == '[' ? 1 : (c == ']' ? -1 : 0);
            }
        }
        pos = token.next;
    }
}

bool CXmlReader::FindTopElement(std::string_view name) {
    if (nextFree <= 1 || (parentPos != 0 && !IsElement(parentPos)) ||
        (currentPos != 0 && !IsElement(currentPos))) {
        return false;
    }
    int i = currentPos != 0 ? elements[static_cast<std::size_t>(currentPos)].nextSibling
                            : elements[static_cast<std::size_t>(parentPos)].firstChild;
    for (; i != 0; i = elements[static_cast<std::size_t>(i)].nextSibling) {
        if (name.empty() || NameMatches(TagName(i), name)) {
            parentPos = elements[static_cast<std::size_t>(i)].parent;
            currentPos = i;
            childPos = 0;
            atElement = 1;
            return true;
        }
    }
    return false;
}

bool CXmlReader::FindChild(std::string_view name) {
    if (currentPos == 0 && !FindTopElement()) {
        return false;
    }
    if (!IsElement(currentPos) || (childPos != 0 && !IsElement(childPos))) {
        return false;
    }
    int i = childPos != 0 ? elements[static_cast<std::size_t>(childPos)].nextSibling
                          : elements[static_cast<std::size_t>(currentPos)].firstChild;
    for (; i != 0; i = elements[static_cast<std::size_t>(i)].nextSibling) {
        if (name.empty() || NameMatches(TagName(i), name)) {
            childPos = i;
            return true;
        }
    }
    return false;
}

bool CXmlReader::EnterChild() {
    if (currentPos == 0 || atElement != 1) {
        return false;
    }
    parentPos = currentPos;
    currentPos = childPos;
    childPos = 0;
    atElement = currentPos != 0 ? 1 : 0;
    return atElement == 1;
}

bool CXmlReader::LeaveElement() {
    if (!IsElement(parentPos)) {
        return false;
    }
    childPos = currentPos;
    currentPos = parentPos;
    parentPos = elements[static_cast<std::size_t>(parentPos)].parent;
    atElement = 1;
    return true;
}

std::string CXmlReader::ChildAttribute(std::string_view name) const {
    if (atElement != 1 || !IsElement(childPos)) {
        return "";
    }
    int pos = ReadToken(elements[static_cast<std::size_t>(childPos)].tagStart + 1).next;
    while (true) {
        const Token token = ReadToken(pos);
        if (!token.found) {
            return "";
        }
        if (!token.quoted) {
            if (token.Is(text, '/') || token.Is(text, '>') || token.Is(text, '?')) {
                return "";
            }
            if (!token.Is(text, '=') && NameMatches(TokenText(token), name)) {
                const Token value = ReadToken(ReadToken(token.next).next);
                return value.found && value.quoted ? DecodeEntities(TokenText(value)) : "";
            }
        }
        pos = token.next;
    }
}

std::string CXmlReader::ChildText(int index) const {
    if (!IsElement(index)) {
        return "";
    }
    const CElement& e = elements[static_cast<std::size_t>(index)];
    if (e.firstChild != 0 || e.endPos == e.tagEnd || e.scanPos <= e.tagEnd) {
        return "";
    }
    const std::string_view content = std::string_view(text).substr(
        static_cast<std::size_t>(e.tagEnd) + 1, static_cast<std::size_t>(e.scanPos - e.tagEnd - 1));
    constexpr std::string_view kCdata = "<![CDATA[";
    const std::size_t first = content.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && content.substr(first).starts_with(kCdata)) {
        const std::size_t begin = first + kCdata.size();
        const std::size_t close = content.find("]]>", begin);
        return std::string(content.substr(
            begin, close == std::string_view::npos ? std::string_view::npos : close - begin));
    }
    return DecodeEntities(content);
}

std::string CXmlReader::DecodeEntities(std::string_view raw) {
    static constexpr struct {
        std::string_view entity;
        char c;
    } kNamed[] = {{"&lt;", '<'}, {"&amp;", '&'}, {"&gt;", '>'}, {"&apos;", '\''}, {"&quot;", '"'}};
    std::string out;
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        if (raw[i] != '&') {
            out += raw[i++];
            continue;
        }
        std::size_t used = 0;
        for (const auto& named : kNamed) {
            if (raw.substr(i).starts_with(named.entity)) {
                out += named.c;
                used = named.entity.size();
                break;
            }
        }
        if (used == 0 && i + 1 < raw.size() && raw[i + 1] == '#') {
            std::uint32_t cp = 0;
            const std::size_t length = NumericReference(raw, i, cp);
            if (length > 0 && cp != 0 && IsScalarValue(cp)) {
                AppendUtf8(out, cp);
                used = length;
            }
        }
        if (used == 0) {
            out += '&';
            used = 1;
        }
        i += used;
    }
    return out;
}
