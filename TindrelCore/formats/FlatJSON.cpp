#include "TindrelCore/formats/FlatJSON.h"

#include "TindrelCore/formats/JSONStream.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
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

// Reads a text the grammar walk has let through, so only what that walk leaves to the reader is
// checked here: UTF-8, \u code points and the range of numbers.
class FlatJSON::Reader {
public:
    // A value takes a few bytes of text at least: room for a small document's values is made once,
    // a large one's list grows as it is read.
    explicit Reader(std::string_view text)
        : text_(text)
        , i_(text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0) {
        nodes_.reserve(std::min<std::size_t>(text.size() / 4 + 4, 4096));
        open_.reserve(16);
    }

    bool read() {
        for (;;) {
            skipSpace();
            bool opened = false;
            if (!value(opened)) return false;
            if (opened) continue;
            if (!afterValue()) return false;
            if (open_.empty()) return true;
        }
    }

    FlatJSON take() && { return FlatJSON(text_, std::move(nodes_), std::move(decoded_)); }

private:
    static constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

    char peek() const { return i_ < text_.size() ? text_[i_] : '\0'; }

    void skipSpace() {
        while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')
            ++i_;
    }

    // A scalar value, or the opening of an object or array (`opened`).
    bool value(bool& opened) {
        switch (peek()) {
        case '{':
        case '[':
            return open(opened);
        case '"':
            return string();
        case 't':
            return literal(Kind::trueValue, 4);
        case 'f':
            return literal(Kind::falseValue, 5);
        case 'n':
            return literal(Kind::null, 4);
        default:
            return number();
        }
    }

    bool open(bool& opened) {
        const bool object = peek() == '{';
        open_.push_back(nodes_.size());
        nodes_.push_back({object ? Kind::object : Kind::array});
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
        nodes_[open_.back()].value = nodes_.size();
        open_.pop_back();
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
        while (!open_.empty()) {
            skipSpace();
            const char c = peek();
            if (c == '}' || c == ']') {
                ++i_;
                close();
                continue;
            }
            if (c != ',') return false;
            ++i_;
            if (nodes_[open_.back()].kind == Kind::array) return true;
            skipSpace();
            return key();
        }
        return true;
    }

    bool literal(Kind kind, std::size_t length) {
        i_ += length;
        nodes_.push_back({kind});
        return true;
    }

    std::size_t plainEnd(std::size_t from) const {
        while (from < text_.size() && text_[from] != '"' && text_[from] != '\\')
            ++from;
        return from;
    }

    // Most strings hold no escape and are kept where they stand in the text.
    bool string() {
        std::size_t begin = i_ + 1;
        std::size_t end = plainEnd(begin);
        if (end < text_.size() && text_[end] == '"') {
            if (!Text::isValidUTF8(text_.substr(begin, end - begin))) return false;
            nodes_.push_back({Kind::text, begin, end - begin});
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
            begin = escape(end);
            if (begin == 0) return false;
            end = plainEnd(begin);
        }
        nodes_.push_back({Kind::decodedText, offset, decoded_.size() - offset});
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

    // Integers that fit 64 bits stay integers, as the reader keeps them; the rest become doubles,
    // and a double that overflows is refused.
    bool number() {
        const std::size_t begin = i_;
        bool integral = true;
        for (; i_ < text_.size(); ++i_) {
            const char c = text_[i_];
            if (c == '.' || c == 'e' || c == 'E')
                integral = false;
            else if (!(c >= '0' && c <= '9') && !(c == '-' || c == '+'))
                break;
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
        nodes_.push_back({kind, bits});
        return true;
    }

    std::string_view text_;
    std::size_t i_;
    std::vector<Node> nodes_;
    std::vector<std::size_t> open_; // the containers not yet closed
    std::string decoded_;           // strings with escapes, decoded
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
        std::stable_sort(members.begin(), members.end(),
                         [](const Member& a, const Member& b) { return a.first < b.first; });
        auto lastOfEach = [](const Member& earlier, const Member& later) {
            return earlier.first == later.first;
        };
        auto kept = std::unique(members.rbegin(), members.rend(), lastOfEach);
        members.erase(members.begin(), kept.base());
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
    if (!JSONUtil::mayBeJSON(text, static_cast<std::size_t>(JSONUtil::maxNestingDepth))) return std::nullopt;
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
