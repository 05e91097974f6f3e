#include "TindrelCore/formats/FlatJSON.h"

#include "TindrelCore/formats/JSONStream.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/text/StableSort.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace tindrel {

enum class FlatJSON::Kind : std::uint8_t {
    object,
    array,
    text,
    decodedText,
    signedNumber,
    unsignedNumber,
    floatNumber,
    trueValue,
    falseValue,
    null
};

// Reads a text as the strict reader does, checking the grammar as it goes: most texts offered as
// JSON are not (bracketed log fields, prose), and are refused at their first byte that cannot
// continue a JSON text, before anything is allocated.
class FlatJSON::Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text)
        , i_(text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0)
        , scratch_(threadScratch()) {}

    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    ~Reader() {
        scratch_.open.clear();
        scratch_.nodes.clear();
        if (scratch_.nodes.capacity() > keptNodes) scratch_.nodes = {};
    }

    bool read() {
        for (;;) {
            skipSpace();
            bool opened = false;
            if (!value(opened)) return false;
            if (opened) continue;
            if (!afterValue()) return false;
            if (open().empty()) return atEnd();
        }
    }

    // A small document's values are copied out to their exact size, so that the thread's buffer
    // stays for the next text; a large one's are handed over whole.
    FlatJSON take() && {
        std::vector<Node> nodes;
        if (scratch_.nodes.size() > keptNodes)
            nodes.swap(scratch_.nodes);
        else
            nodes.assign(scratch_.nodes.begin(), scratch_.nodes.end());
        return FlatJSON(text_, std::move(nodes), std::move(decoded_));
    }

private:
    static constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    static constexpr std::size_t keptNodes = 4096;

    struct Scratch {
        std::vector<Node> nodes;
        std::vector<std::size_t> open; // the containers not yet closed
    };

    // Buffers each thread keeps between texts, no larger than a small document needs.
    static Scratch& threadScratch() {
        thread_local Scratch scratch;
        return scratch;
    }

    std::vector<Node>& nodes() { return scratch_.nodes; }
    std::vector<std::size_t>& open() { return scratch_.open; }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    char peek() const { return i_ < text_.size() ? text_[i_] : '\0'; }

    void skipSpace() {
        while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')
            ++i_;
    }

    void skipDigits() {
        while (isDigit(peek()))
            ++i_;
    }

    // The strict reader takes a NUL for the end of the text, as in C strings.
    bool atEnd() {
        skipSpace();
        return i_ == text_.size() || text_[i_] == '\0';
    }

    // A scalar value, or the opening of an object or array (`opened`).
    bool value(bool& opened) {
        switch (peek()) {
        case '{':
        case '[':
            return openContainer(opened);
        case '"':
            return string();
        case 't':
            return literal(Kind::trueValue, "true");
        case 'f':
            return literal(Kind::falseValue, "false");
        case 'n':
            return literal(Kind::null, "null");
        default:
            return number();
        }
    }

    bool openContainer(bool& opened) {
        if (open().size() >= static_cast<std::size_t>(JSONUtil::maxNestingDepth)) return false;
        const bool object = peek() == '{';
        open().push_back(nodes().size());
        nodes().push_back({object ? Kind::object : Kind::array});
        ++i_;
        skipSpace();
        if (peek() == (object ? '}' : ']')) { // empty: a whole value
            ++i_;
            close();
            return true;
        }
        opened = true;
        return !object || key();
    }

    void close() {
        nodes()[open().back()].value = nodes().size();
        open().pop_back();
    }

    bool key() {
        if (peek() != '"' || !string()) return false;
        skipSpace();
        if (peek() != ':') return false;
        ++i_;
        return true;
    }

    // After a value: closes what it ends, until a comma asks for the next value or the text ends.
    bool afterValue() {
        while (!open().empty()) {
            skipSpace();
            const bool inArray = nodes()[open().back()].kind == Kind::array;
            const char c = peek();
            if (c == (inArray ? ']' : '}')) {
                ++i_;
                close();
                continue;
            }
            if (c != ',') return false;
            ++i_;
            if (inArray) return true;
            skipSpace();
            return key();
        }
        return true;
    }

    bool literal(Kind kind, std::string_view word) {
        if (text_.substr(i_, word.size()) != word) return false;
        i_ += word.size();
        nodes().push_back({kind});
        return true;
    }

    // Where a string's run of bytes that stand for themselves ends: at a quote, a backslash or a
    // control character, which only an escape may write.
    static constexpr std::array<bool, 256> endsPlainRun = [] {
        std::array<bool, 256> ends{};
        for (unsigned byte = 0; byte < 0x20; ++byte)
            ends[byte] = true;
        ends['"'] = ends['\\'] = true;
        return ends;
    }();

    std::size_t plainEnd(std::size_t from) const {
        while (from < text_.size() && !endsPlainRun[static_cast<unsigned char>(text_[from])])
            ++from;
        return from;
    }

    // Most strings hold no escape and are kept where they stand in the text.
    bool string() {
        std::size_t begin = i_ + 1;
        std::size_t end = plainEnd(begin);
        if (end < text_.size() && text_[end] == '"') {
            if (!Text::isValidUTF8(text_.substr(begin, end - begin))) return false;
            nodes().push_back({Kind::text, begin, end - begin});
            i_ = end + 1;
            return true;
        }
        const std::size_t offset = decoded_.size();
        for (;;) {
            std::string_view plain = text_.substr(begin, end - begin);
            if (!Text::isValidUTF8(plain)) return false;
            decoded_ += plain;
            if (end >= text_.size()) return false;
            if (text_[end] == '"') break;
            if (text_[end] != '\\') return false;
            begin = escape(end);
            if (begin == 0) return false;
            end = plainEnd(begin);
        }
        nodes().push_back({Kind::decodedText, offset, decoded_.size() - offset});
        i_ = end + 1;
        return true;
    }

    // Decodes the escape at `at` and answers where the text after it begins; 0 for one the reader
    // refuses.
    std::size_t escape(std::size_t at) {
        constexpr std::string_view escapes = "\"\\/bfnrt";
        constexpr std::string_view meanings = "\"\\/\b\f\n\r\t";
        const char kind = at + 1 < text_.size() ? text_[at + 1] : '\0';
        if (kind != 'u') {
            std::size_t which = escapes.find(kind);
            if (which == std::string_view::npos) return 0;
            decoded_ += meanings[which];
            return at + 2;
        }
        int unit = hexUnit(at + 2);
        if (unit >= 0xDC00 && unit <= 0xDFFF) return 0; // a low surrogate with no high one before it
        if (unit < 0xD800 || unit > 0xDBFF) {
            if (unit < 0) return 0;
            Text::appendUTF8(decoded_, static_cast<char32_t>(unit));
            return at + 6;
        }
        if (text_.substr(at + 6, 2) != "\\u") return 0;
        int low = hexUnit(at + 8);
        if (low < 0xDC00 || low > 0xDFFF) return 0;
        Text::appendUTF8(decoded_, static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
        return at + 12;
    }

    // The four hex digits at `at` as a number; -1 when they are not.
    int hexUnit(std::size_t at) const {
        if (at + 4 > text_.size()) return -1;
        int unit = 0;
        auto [end, error] = std::from_chars(text_.data() + at, text_.data() + at + 4, unit, 16);
        return error == std::errc{} && end == text_.data() + at + 4 && text_[at] != '-' ? unit : -1;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)? Integers that fit 64 bits stay integers, as the
    // reader keeps them; the rest become doubles, and a double that overflows is refused.
    bool number() {
        const std::size_t begin = i_;
        if (peek() == '-') ++i_;
        if (peek() == '0')
            ++i_;
        else if (isDigit(peek()))
            skipDigits();
        else
            return false;
        bool integral = true;
        if (peek() == '.') {
            ++i_;
            integral = false;
            if (!isDigit(peek())) return false;
            skipDigits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++i_;
            integral = false;
            if (peek() == '+' || peek() == '-') ++i_;
            if (!isDigit(peek())) return false;
            skipDigits();
        }
        const char* first = text_.data() + begin;
        const char* last = text_.data() + i_;
        if (integral && *first == '-') {
            std::int64_t integer = 0;
            if (auto [end, error] = std::from_chars(first, last, integer);
                error == std::errc{} && end == last)
                return push(Kind::signedNumber, std::bit_cast<std::uint64_t>(integer));
        } else if (integral) {
            std::uint64_t integer = 0;
            if (auto [end, error] = std::from_chars(first, last, integer);
                error == std::errc{} && end == last)
                return push(Kind::unsignedNumber, integer);
        }
        std::optional<double> real = toDouble(first, last);
        return real && std::isfinite(*real) && push(Kind::floatNumber, std::bit_cast<std::uint64_t>(*real));
    }

    // Numbers beyond a double's range are rare: the reader itself says what they become (0 or a
    // subnormal when tiny, refused when huge).
    static std::optional<double> toDouble(const char* first, const char* last) {
        double real = 0;
        auto [end, error] = std::from_chars(first, last, real);
        if (error == std::errc{} && end == last) return real;
        if (error != std::errc::result_out_of_range) return std::nullopt;
        nlohmann::json number = nlohmann::json::parse(first, last, nullptr, false);
        if (!number.is_number()) return std::nullopt;
        return number.get<double>();
    }

    bool push(Kind kind, std::uint64_t bits) {
        nodes().push_back({kind, bits});
        return true;
    }

    std::string_view text_;
    std::size_t i_;
    Scratch& scratch_;
    std::string decoded_; // strings with escapes, decoded
};

class FlatJSON::Writer {
public:
    Writer(const FlatJSON& document, JSONStream& out)
        : document_(document)
        , nodes_(document.nodes_)
        , out_(out) {}

    void write(std::size_t index) {
        const Node& node = nodes_[index];
        switch (node.kind) {
        case Kind::object:
            out_.beginObject();
            for (const auto& [key, value] : sortedMembers(index)) {
                out_.key(key);
                write(value);
            }
            out_.endObject();
            return;
        case Kind::array:
            out_.beginArray();
            for (std::size_t child = index + 1; child < node.value; child = document_.after(child))
                write(child);
            out_.endArray();
            return;
        case Kind::text:
        case Kind::decodedText:
            out_.string(document_.stringOf(node));
            return;
        case Kind::signedNumber:
            out_.number(std::bit_cast<std::int64_t>(node.value));
            return;
        case Kind::unsignedNumber:
            out_.number(node.value);
            return;
        case Kind::floatNumber:
            out_.number(std::bit_cast<double>(node.value));
            return;
        case Kind::trueValue:
        case Kind::falseValue:
            out_.boolean(node.kind == Kind::trueValue);
            return;
        case Kind::null:
            out_.null();
            return;
        }
    }

private:
    using Member = std::pair<std::string_view, std::size_t>; // key, index of the value

    // Sorted by key; of equal keys only the last stays, as a reader that assigns them in turn keeps.
    std::vector<Member> sortedMembers(std::size_t object) const {
        std::vector<Member> members;
        for (std::size_t key = object + 1; key < nodes_[object].value; key = document_.after(key + 1))
            members.emplace_back(document_.stringOf(nodes_[key]), key + 1);
        sortKeepingLast(members, [](const Member& member) { return member.first; });
        return members;
    }

    const FlatJSON& document_;
    const std::vector<Node>& nodes_;
    JSONStream& out_;
};

FlatJSON::FlatJSON(std::string_view text, std::vector<Node> nodes, std::string decoded)
    : text_(text)
    , nodes_(std::move(nodes))
    , decoded_(std::move(decoded)) {}

std::optional<FlatJSON> FlatJSON::read(std::string_view text) {
    Reader reader(text);
    if (!reader.read()) return std::nullopt;
    return std::move(reader).take();
}

std::string_view FlatJSON::stringOf(const Node& node) const {
    std::string_view from = node.kind == Kind::text ? text_ : std::string_view(decoded_);
    return from.substr(node.value, node.size);
}

std::size_t FlatJSON::after(std::size_t index) const {
    const Node& node = nodes_[index];
    return node.kind == Kind::object || node.kind == Kind::array ? node.value : index + 1;
}

bool FlatJSON::isObject() const {
    return nodes_.front().kind == Kind::object;
}

// The last of equal keys is the one a reader that assigns members in turn keeps.
const FlatJSON::Node* FlatJSON::member(std::string_view name) const {
    if (!isObject()) return nullptr;
    const Node* found = nullptr;
    for (std::size_t key = 1; key < nodes_.front().value; key = after(key + 1))
        if (nodes_[key].size == name.size() && stringOf(nodes_[key]) == name) found = &nodes_[key + 1];
    return found;
}

std::optional<std::string_view> FlatJSON::stringMember(std::string_view name) const {
    const Node* value = member(name);
    if (!value || (value->kind != Kind::text && value->kind != Kind::decodedText)) return std::nullopt;
    return stringOf(*value);
}

std::optional<double> FlatJSON::numberMember(std::string_view name) const {
    const Node* value = member(name);
    if (!value) return std::nullopt;
    switch (value->kind) {
    case Kind::signedNumber:
        return static_cast<double>(std::bit_cast<std::int64_t>(value->value));
    case Kind::unsignedNumber:
        return static_cast<double>(value->value);
    case Kind::floatNumber:
        return std::bit_cast<double>(value->value);
    default:
        return std::nullopt;
    }
}

bool FlatJSON::hasMember(std::string_view name) const {
    return member(name) != nullptr;
}

std::optional<std::string> FlatJSON::pretty() const {
    JSONStream out(true);
    Writer(*this, out).write(0);
    return std::move(out).take();
}

} // namespace tindrel
