#include "TindrelCore/formats/JSONStream.h"

#include "TindrelCore/text/ByteBlocks.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace tindrel {
namespace {

constexpr std::string_view hexDigits = "0123456789abcdef";

// The letter after the backslash of a byte's short escape; 0 for a byte that has none.
constexpr std::array<char, 128> shortEscapes = [] {
    std::array<char, 128> table{};
    table['"'] = '"';
    table['\\'] = '\\';
    table['\b'] = 'b';
    table['\f'] = 'f';
    table['\n'] = 'n';
    table['\r'] = 'r';
    table['\t'] = 't';
    return table;
}();

constexpr bool needsEscape(unsigned char byte) {
    return byte < 0x20 || byte == '"' || byte == '\\';
}

// Bytes copied as they stand: ASCII that needs no escape.
constexpr std::array<bool, 256> plainBytes = [] {
    std::array<bool, 256> plain{};
    for (unsigned byte = 0; byte < 0x80; ++byte)
        plain[byte] = !needsEscape(static_cast<unsigned char>(byte));
    return plain;
}();

// One bit for each of the sixteen bytes from `at` (fewer at the text's end) that is not plain
// printable ASCII other than '"' and '\\': bytes JSON escapes, and those of multi-byte sequences.
std::uint32_t careMask(std::string_view text, std::size_t at) {
    using namespace ByteBlocks;
    const Block bytes = loadPadded(text, at);
    // Read as signed, every byte from 0x80 is below 0x20 too.
    SignedBlock signedBytes;
    std::memcpy(&signedBytes, &bytes, sizeof bytes);
    std::uint32_t mask =
        bitsOf((signedBytes < SignedBlock{} + 0x20) | (bytes == every('"')) | (bytes == every('\\')));
    return text.size() - at < size ? mask & ((1u << (text.size() - at)) - 1) : mask;
}

} // namespace

JSONStream::JSONStream(bool pretty, std::size_t indentLevel)
    : baseLevel_(indentLevel)
    , pretty_(pretty) {}

// Most lines are indented by a few levels: the line feed and its spaces come from a line of them,
// in one copy of a fixed size.
void JSONStream::newLine() {
    static constexpr std::size_t mostSpaces = 47;
    static constexpr std::array<char, mostSpaces + 1> indented = [] {
        std::array<char, mostSpaces + 1> line{};
        line.fill(' ');
        line[0] = '\n';
        return line;
    }();
    const std::size_t spaces = 2 * (baseLevel_ + open_.size());
    if (spaces <= mostSpaces) {
        out_.appendFromBlock(indented, spaces + 1);
        return;
    }
    out_ += '\n';
    out_.append(spaces, ' ');
}

// A separator from the element before, if any, and in pretty text a line of its own.
void JSONStream::beforeElement() {
    if (open_.empty()) return;
    if (open_.back() == hasElements) out_ += ',';
    open_.back() = hasElements;
    if (pretty_) newLine();
}

void JSONStream::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    beforeElement();
}

JSONStream& JSONStream::beginObject() {
    beforeValue();
    out_ += '{';
    open_.push_back(empty);
    return *this;
}

JSONStream& JSONStream::beginArray() {
    beforeValue();
    out_ += '[';
    open_.push_back(empty);
    return *this;
}

// An empty object or array closes on its own line, as "{}" or "[]".
JSONStream& JSONStream::close(char bracket) {
    bool hadElements = open_.back() == hasElements;
    open_.pop_back();
    if (pretty_ && hadElements) newLine();
    out_ += bracket;
    return *this;
}

JSONStream& JSONStream::endObject() {
    return close('}');
}

JSONStream& JSONStream::endArray() {
    return close(']');
}

JSONStream& JSONStream::key(std::string_view name) {
    beforeElement();
    if (!plainShort(name)) escaped(name);
    out_ += pretty_ ? std::string_view(": ") : std::string_view(":");
    afterKey_ = true;
    return *this;
}

JSONStream& JSONStream::key(const PlainKey& name) {
    beforeElement();
    const std::string_view text = name.name();
    const std::size_t separator = pretty_ ? 2 : 1;
    char* at = out_.extend(text.size() + 2 + separator);
    *at++ = '"';
    std::memcpy(at, text.data(), text.size());
    at += text.size();
    std::memcpy(at, "\": ", separator + 1);
    afterKey_ = true;
    return *this;
}

JSONStream& JSONStream::string(std::string_view value) {
    beforeValue();
    const std::size_t begin = out_.size();
    if (!plainShort(value)) escaped(value);
    lastString_ = {begin, out_.size()};
    return *this;
}

JSONStream& JSONStream::repeated(Written string) {
    beforeValue();
    out_.appendCopyOf(string.begin, string.end);
    return *this;
}

JSONStream& JSONStream::written(std::string_view text) {
    beforeValue();
    out_ += text;
    return *this;
}

JSONStream& JSONStream::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JSONStream& JSONStream::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

// Doubles are written by nlohmann itself: its shortest round-trip digits and its ".0" on whole
// numbers are what readers of these documents have always seen. The few values that fill most
// documents (a detector's confidence) are remembered, a handful a thread.
JSONStream& JSONStream::number(double value) {
    beforeValue();
    if (!std::isfinite(value)) {
        spoiled_ = true;
        return *this;
    }
    struct Remembered {
        std::uint64_t bits = 0;
        std::string text; // empty while the slot is unused
    };
    thread_local std::array<Remembered, 8> recent;
    thread_local std::size_t nextSlot = 0;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (const Remembered& written : recent)
        if (written.bits == bits && !written.text.empty()) {
            out_ += written.text;
            return *this;
        }
    Remembered& slot = recent[nextSlot++ % recent.size()];
    slot = {bits, nlohmann::json(value).dump()};
    out_ += slot.text;
    return *this;
}

JSONStream& JSONStream::value(const nlohmann::json& value) {
    switch (value.type()) {
    case nlohmann::json::value_t::object:
        beginObject();
        for (const auto& member : value.items())
            key(member.key()).value(member.value());
        return endObject();
    case nlohmann::json::value_t::array:
        beginArray();
        for (const nlohmann::json& element : value)
            this->value(element);
        return endArray();
    case nlohmann::json::value_t::string:
        return string(value.get_ref<const std::string&>());
    case nlohmann::json::value_t::boolean:
        return boolean(value.get<bool>());
    case nlohmann::json::value_t::number_integer:
        return number(value.get<std::int64_t>());
    case nlohmann::json::value_t::number_unsigned:
        return number(value.get<std::uint64_t>());
    case nlohmann::json::value_t::number_float:
        return number(value.get<double>());
    case nlohmann::json::value_t::null:
        return null();
    default: // binary and discarded values have no JSON text
        beforeValue();
        spoiled_ = true;
        return *this;
    }
}

// Keys and short values are mostly plain: each byte is copied as it is looked at, and the copy is
// given back if one needs care. Answers whether the text went out, quoted; kept apart from the
// long path so that it is inlined where keys and values are written.
bool JSONStream::plainShort(std::string_view text) {
    if (text.size() >= ByteBlocks::size) return false;
    char* at = out_.extend(text.size() + 2);
    bool plain = true;
    *at++ = '"';
    for (char c : text) {
        plain &= plainBytes[static_cast<unsigned char>(c)];
        *at++ = c;
    }
    *at = '"';
    if (!plain) out_.dropLast(text.size() + 2);
    return plain;
}

// One pass copies plain runs whole, escapes what JSON needs escaped and checks that multi-byte
// sequences are well formed. Sixteen bytes at a time are classified at once, and only the ones
// that need care are looked at one by one.
void JSONStream::escaped(std::string_view text) {
    out_.reserve(text.size() + 2);
    out_ += '"';
    std::size_t plain = 0;
    std::size_t next = 0; // where the next character begins: past a multi-byte sequence, bits wait
    for (std::size_t block = 0; block < text.size(); block += ByteBlocks::size) {
        for (std::uint32_t care = careMask(text, block); care != 0; care &= care - 1) {
            std::size_t i = block + static_cast<std::size_t>(std::countr_zero(care));
            if (i >= next) next = escapedAt(text, i, plain);
        }
    }
    out_ += text.substr(plain);
    out_ += '"';
}

// Handles the character at `i` and answers where the next one begins; `plain` is where the text
// not yet copied begins.
std::size_t JSONStream::escapedAt(std::string_view text, std::size_t i, std::size_t& plain) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
        Text::Scalar scalar = Text::decodeScalar(text, i);
        spoiled_ = spoiled_ || scalar.value == Text::Scalar::invalid;
        return i + scalar.length;
    }
    if (!needsEscape(byte)) return i + 1;
    // Plain runs between escapes are short in escaped JSON or text: one sixteen-byte copy takes them.
    if (i - plain <= ByteBlocks::size && plain + ByteBlocks::size <= text.size())
        out_.appendFromBlock(text.data() + plain, i - plain);
    else
        out_ += text.substr(plain, i - plain);
    plain = i + 1;
    out_ += '\\';
    if (shortEscapes[byte] != 0) {
        out_ += shortEscapes[byte];
    } else {
        out_ += "u00";
        out_ += hexDigits[byte >> 4];
        out_ += hexDigits[byte & 0xF];
    }
    return i + 1;
}

std::optional<std::string> JSONStream::take() && {
    if (spoiled_) return std::nullopt;
    return std::move(out_).take();
}

} // namespace tindrel
