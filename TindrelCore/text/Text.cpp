#include "TindrelCore/text/Text.h"

#include "TindrelCore/text/ByteWords.h"

#include <algorithm>
#include <utf8proc.h>

namespace tindrel::Text {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Grapheme walk: calls `visit(start, end)` for each user-perceived character until it returns false.
template <typename Visit> void forEachCharacter(std::string_view s, Visit visit) {
    std::size_t start = 0;
    std::size_t pos = 0;
    utf8proc_int32_t state = 0;
    char32_t previous = 0;
    bool first = true;
    while (pos < s.size()) {
        Scalar scalar = decodeScalar(s, pos);
        char32_t value = scalar.value == Scalar::invalid ? 0xFFFD : scalar.value;
        if (!first && utf8proc_grapheme_break_stateful(static_cast<utf8proc_int32_t>(previous),
                                                       static_cast<utf8proc_int32_t>(value), &state)) {
            if (!visit(start, pos)) return;
            start = pos;
        }
        first = false;
        previous = value;
        pos += scalar.length;
    }
    if (!first) visit(start, pos);
}

// The first byte of a two- to four-byte sequence.
bool isLead(char byte) {
    auto value = static_cast<unsigned char>(byte);
    return value >= 0xC2 && value <= 0xF4;
}

} // namespace

Scalar decodeScalar(std::string_view s, std::size_t pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = byte(pos);
    if (lead < 0x80) return {lead, 1};

    std::size_t need;
    char32_t value;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {Scalar::invalid, 1};
    }
    for (std::size_t i = 1; i <= need; ++i) {
        if (pos + i >= s.size()) return {Scalar::invalid, i};
        unsigned char next = byte(pos + i);
        if (i == 1 ? (next < low || next > high) : !isContinuation(next)) return {Scalar::invalid, i};
        value = (value << 6) | (next & 0x3F);
    }
    return {value, need + 1};
}

void appendUTF8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Read thirty-two bytes at a time while none has its high bit: texts are mostly ASCII, and these
// runs are where validating and classifying them spends its time.
std::size_t asciiPrefixLength(std::string_view s) {
    std::size_t pos = 0;
    using ByteWords::load;
    while (pos + 4 * ByteWords::size <= s.size() &&
           !ByteWords::hasHighBit(load(s.data() + pos) | load(s.data() + pos + 8) |
                                  load(s.data() + pos + 16) | load(s.data() + pos + 24)))
        pos += 4 * ByteWords::size;
    while (pos + ByteWords::size <= s.size() && !ByteWords::hasHighBit(ByteWords::load(s.data() + pos)))
        pos += ByteWords::size;
    while (pos < s.size() && static_cast<unsigned char>(s[pos]) < 0x80)
        ++pos;
    return pos;
}

bool isASCII(std::string_view s) {
    return asciiPrefixLength(s) == s.size();
}

bool isValidUTF8(std::string_view s) {
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (static_cast<unsigned char>(s[pos]) < 0x80) {
            pos += asciiPrefixLength(s.substr(pos));
            continue;
        }
        Scalar scalar = decodeScalar(s, pos);
        if (scalar.value == Scalar::invalid) return false;
        pos += scalar.length;
    }
    return true;
}

bool beginsValidUTF8(std::string_view s) {
    std::size_t pos = 0;
    while (pos < s.size()) {
        Scalar scalar = decodeScalar(s, pos);
        if (scalar.value == Scalar::invalid) return pos + scalar.length == s.size() && isLead(s[pos]);
        pos += scalar.length;
    }
    return true;
}

void makeValidUTF8(std::string& s) {
    if (!isValidUTF8(s)) s = sanitizeUTF8(s);
}

std::string sanitizeUTF8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 16);
    std::size_t pos = 0;
    while (pos < s.size()) {
        Scalar scalar = decodeScalar(s, pos);
        if (scalar.value == Scalar::invalid)
            out += "\uFFFD";
        else
            out.append(s.substr(pos, scalar.length));
        pos += scalar.length;
    }
    return out;
}

// A byte that continues no sequence begins one in every reading of the text, and no sequence,
// well-formed or not, runs past a lead byte and three continuation bytes: cutting before such a
// byte, or after three continuation bytes, cuts none.
std::size_t cutBetweenScalars(std::string_view s, std::size_t near) {
    if (near >= s.size()) return s.size();
    for (std::size_t back = 0; back <= 3 && back <= near; ++back)
        if (!isContinuation(static_cast<unsigned char>(s[near - back]))) return near - back;
    return near;
}

bool sanitizeUTF8InSlices(std::string_view s, std::size_t sliceBytes,
                          const std::function<bool(std::string_view, std::size_t)>& each) {
    sliceBytes = std::max<std::size_t>(sliceBytes, 4); // past the three bytes a cut may move back
    for (std::size_t begin = 0; begin < s.size();) {
        const std::size_t end = cutBetweenScalars(s, begin + sliceBytes);
        std::string_view slice = s.substr(begin, end - begin);
        bool handed = isValidUTF8(slice) ? each(slice, end) : each(sanitizeUTF8(slice), end);
        if (!handed) return false;
        begin = end;
    }
    return true;
}

bool isWhitespace(char32_t c) {
    if (c <= 0x20) return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    switch (c) {
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

// Every detector trims what it is offered, and almost every text begins and ends with an ASCII
// byte that is not white space: that case is answered without decoding a scalar.
std::string_view trimWhitespace(std::string_view s) {
    auto plainASCII = [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && !isWhitespace(char32_t(c));
    };
    if (s.empty() || (plainASCII(s.front()) && plainASCII(s.back()))) return s;
    std::size_t start = 0;
    while (start < s.size()) {
        Scalar scalar = decodeScalar(s, start);
        if (!isWhitespace(scalar.value)) break;
        start += scalar.length;
    }
    std::size_t end = s.size();
    while (end > start) {
        std::size_t lead = end - 1;
        while (lead > start && isContinuation(static_cast<unsigned char>(s[lead])))
            --lead;
        Scalar scalar = decodeScalar(s, lead);
        if (lead + scalar.length != end || !isWhitespace(scalar.value)) break;
        end = lead;
    }
    return s.substr(start, end - start);
}

bool isBlank(std::string_view s) {
    return trim(s).empty();
}

std::size_t characterCount(std::string_view s) {
    if (isASCII(s)) {
        // In ASCII only CR LF joins two scalars into one character.
        std::size_t count = s.size();
        for (std::size_t i = 1; i < s.size(); ++i)
            if (s[i] == '\n' && s[i - 1] == '\r') --count;
        return count;
    }
    std::size_t count = 0;
    forEachCharacter(s, [&](std::size_t, std::size_t) {
        ++count;
        return true;
    });
    return count;
}

bool hasAtLeastCharacters(std::string_view s, std::size_t count) {
    if (count == 0) return true;
    if (s.size() < count) return false; // no character is shorter than a byte
    // ASCII bytes are a character each, but for CR LF: the answer of the first count + 1 bytes.
    std::string_view head = s.substr(0, count + 1);
    if (isASCII(head) && head.find('\r') == std::string_view::npos) return true;
    std::size_t seen = 0;
    forEachCharacter(s, [&](std::size_t, std::size_t) { return ++seen < count; });
    return seen >= count;
}

std::string_view prefixCharacters(std::string_view s, std::size_t count) {
    if (count == 0) return s.substr(0, 0);
    std::size_t taken = 0;
    std::size_t end = s.size();
    forEachCharacter(s, [&](std::size_t, std::size_t characterEnd) {
        if (++taken < count) return true;
        end = characterEnd;
        return false;
    });
    return s.substr(0, end);
}

bool looksLikePrintableText(std::string_view s) {
    if (s.empty()) return false;
    std::size_t total = 0;
    std::size_t printable = 0;
    std::size_t pos = 0;
    auto isPrintable = [](char32_t c) { return c == 9 || c == 10 || c == 13 || (c >= 32 && c != 127); };
    while (pos < s.size()) {
        ++total;
        const auto byte = static_cast<unsigned char>(s[pos]);
        if (byte < 0x80) { // an ASCII byte is a scalar of its own: no decoding
            printable += isPrintable(byte) ? 1 : 0;
            ++pos;
            continue;
        }
        Scalar scalar = decodeScalar(s, pos);
        printable += isPrintable(scalar.value) ? 1 : 0;
        pos += scalar.length;
    }
    return static_cast<double>(printable) / static_cast<double>(total) >= 0.9;
}

} // namespace tindrel::Text
