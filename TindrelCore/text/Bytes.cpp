#include "TindrelCore/text/Bytes.h"

#include "TindrelCore/text/ByteBlocks.h"
#include "TindrelCore/text/HexDigit.h"
#include "TindrelCore/text/Text.h"

#include <array>
#include <cstdint>

namespace tindrel::Bytes {
namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Values of the standard alphabet, plus "-" and "_" as the URL-safe alphabet's 62 and 63 when
// `urlSafe`: the URL-safe reading takes characters of both alphabets.
constexpr std::array<int, 256> makeBase64Values(bool urlSafe) {
    std::array<int, 256> values{};
    for (int& v : values)
        v = -1;
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        values[static_cast<unsigned char>(alphabet[i])] = int(i);
    if (urlSafe) {
        values['-'] = 62;
        values['_'] = 63;
    }
    return values;
}
constexpr std::array<int, 256> standardValues = makeBase64Values(false);
constexpr std::array<int, 256> urlSafeValues = makeBase64Values(true);

// The "=" at the end of `s`, at most `limit` of them.
std::size_t trailingPadding(std::string_view s, std::size_t limit) {
    std::size_t padding = 0;
    while (padding < limit && padding < s.size() && s[s.size() - 1 - padding] == '=')
        ++padding;
    return padding;
}

// Base64 without its padding; nothing at a character outside `values`. A lone character in the
// last group carries no whole byte and fails too; two or three carry one or two bytes.
std::optional<Buffer> decodeBody(std::string_view body, const std::array<int, 256>& values) {
    if (body.size() % 4 == 1) return std::nullopt;
    auto value = [&](std::size_t i) { return values[static_cast<unsigned char>(body[i])]; };
    Buffer out(body.size() / 4 * 3 + 2, '\0');
    // Bytes written through a pointer of its own: a store through the string could change the
    // string, for all the compiler knows, and it would read the string's pointer again each time.
    char* const bytes = out.data();
    std::size_t written = 0;
    std::size_t i = 0;
    for (; i + 4 <= body.size(); i += 4) {
        const int a = value(i), b = value(i + 1), c = value(i + 2), d = value(i + 3);
        if ((a | b | c | d) < 0) return std::nullopt;
        const auto group = static_cast<std::uint32_t>(a << 18 | b << 12 | c << 6 | d);
        bytes[written] = static_cast<char>(group >> 16);
        bytes[written + 1] = static_cast<char>(group >> 8 & 0xFF);
        bytes[written + 2] = static_cast<char>(group & 0xFF);
        written += 3;
    }
    std::uint32_t group = 0;
    for (std::size_t j = i; j < body.size(); ++j) {
        if (value(j) < 0) return std::nullopt;
        group = group << 6 | static_cast<std::uint32_t>(value(j));
    }
    if (body.size() - i == 2) bytes[written++] = static_cast<char>(group >> 4);
    if (body.size() - i == 3) {
        bytes[written++] = static_cast<char>(group >> 10);
        bytes[written++] = static_cast<char>(group >> 2 & 0xFF);
    }
    out.resize(written);
    return out;
}

// The most bytes a lead is decoded to: three Base64 groups, without a buffer of its own.
constexpr std::size_t longestLead = 9;
using Lead = std::array<char, longestLead>;

// Whether the first `count` bytes that the URL-safe Base64 reading of `t` begins with pass. The
// whole groups that hold them are decoded, and the first character outside the alphabet ends it.
bool base64LeadPasses(std::string_view t, std::size_t count, LeadTest accepts) {
    Lead lead{};
    std::size_t written = 0;
    std::uint32_t group = 0;
    for (std::size_t i = 0; i < (count + 2) / 3 * 4; ++i) {
        const int value = urlSafeValues[static_cast<unsigned char>(t[i])];
        if (value < 0) return false;
        group = group << 6 | static_cast<std::uint32_t>(value);
        if (i % 4 != 3) continue;
        lead[written++] = static_cast<char>(group >> 16);
        lead[written++] = static_cast<char>(group >> 8 & 0xFF);
        lead[written++] = static_cast<char>(group & 0xFF);
        group = 0;
    }
    return accepts(std::string_view(lead.data(), count));
}

bool hexLeadPasses(std::string_view t, std::size_t count, LeadTest accepts) {
    Lead lead{};
    for (std::size_t i = 0; i < count; ++i) {
        const int high = hexDigitValue(t[2 * i]), low = hexDigitValue(t[2 * i + 1]);
        if ((high | low) < 0) return false;
        lead[i] = static_cast<char>(high * 16 + low);
    }
    return accepts(std::string_view(lead.data(), count));
}

// Whether every byte of `s` is in the alphabet that `inBlock` tells sixteen bytes at a time (a
// comparison mask) and `in` one at a time: candidates of megabytes are checked before decoding.
template <typename InBlock, typename In> bool allIn(std::string_view s, InBlock inBlock, In in) {
    std::size_t pos = 0;
    for (; pos + ByteBlocks::size <= s.size(); pos += ByteBlocks::size)
        if (ByteBlocks::bitsOf(inBlock(ByteBlocks::load(s.data() + pos))) != 0xFFFF) return false;
    for (; pos < s.size(); ++pos)
        if (!in(s[pos])) return false;
    return true;
}

// Letters, digits and the two characters a Base64 alphabet adds, a byte at a time: the short texts
// most candidates are, and long ones' last bytes.
constexpr std::array<bool, 256> alphabetBytes(unsigned char first, unsigned char second) {
    std::array<bool, 256> in{};
    for (unsigned byte = 0; byte != in.size(); ++byte)
        in[byte] = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                   (byte >= 'a' && byte <= 'z') || byte == first || byte == second;
    return in;
}

// Letters, digits and the two characters a Base64 alphabet adds.
template <unsigned char first, unsigned char second> bool isAlphabetText(std::string_view s) {
    using namespace ByteBlocks;
    auto inBlock = [](const Block& b) {
        return inRange(b, '0', '9') | inRange(b, 'A', 'Z') | inRange(b, 'a', 'z') | (b == every(first)) |
               (b == every(second));
    };
    static constexpr std::array<bool, 256> inAlphabet = alphabetBytes(first, second);
    auto in = [](char c) { return inAlphabet[static_cast<unsigned char>(c)]; };
    return allIn(s, inBlock, in);
}

// One or more characters of the alphabet, then zero to two "=".
template <unsigned char first, unsigned char second> bool matchesPadded(std::string_view s) {
    std::size_t end = s.size();
    std::size_t padding = 0;
    while (end > 0 && s[end - 1] == '=' && padding < 2) {
        --end;
        ++padding;
    }
    return end > 0 && isAlphabetText<first, second>(s.substr(0, end));
}

} // namespace

std::optional<Buffer> hex(std::string_view s) {
    if (s.size() % 2 != 0) return std::nullopt;
    Buffer out(s.size() / 2, '\0');
    for (std::size_t i = 0; i < s.size(); i += 2) {
        int high = hexDigitValue(s[i]);
        int low = hexDigitValue(s[i + 1]);
        if ((high | low) < 0) return std::nullopt;
        out[i / 2] = static_cast<char>(high * 16 + low);
    }
    return out;
}

std::optional<Buffer> base64Decode(std::string_view s) {
    if (s.size() % 4 != 0) return std::nullopt;
    return decodeBody(s.substr(0, s.size() - trailingPadding(s, 2)), standardValues);
}

// The padding a short last group lacks counts towards the two "=" allowed, without copying the text.
std::optional<Buffer> base64URLDecode(std::string_view s) {
    if (s.size() % 4 == 1) return std::nullopt;
    std::size_t missing = (4 - s.size() % 4) % 4;
    return decodeBody(s.substr(0, s.size() - trailingPadding(s, 2 - missing)), urlSafeValues);
}

std::string base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        std::uint32_t n = (std::uint32_t(std::uint8_t(bytes[i])) << 16) |
                          (std::uint32_t(std::uint8_t(bytes[i + 1])) << 8) | std::uint8_t(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            out += alphabet[(n >> shift) & 0x3F];
    }
    std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t n = std::uint32_t(std::uint8_t(bytes[i])) << 16;
        if (rest == 2) n |= std::uint32_t(std::uint8_t(bytes[i + 1])) << 8;
        out += alphabet[(n >> 18) & 0x3F];
        out += alphabet[(n >> 12) & 0x3F];
        out += rest == 2 ? alphabet[(n >> 6) & 0x3F] : '=';
        out += '=';
    }
    return out;
}

bool isBase64Text(std::string_view s) {
    return matchesPadded<'+', '/'>(s);
}

bool isBase64URLText(std::string_view s) {
    return matchesPadded<'-', '_'>(s);
}

bool isHexText(std::string_view s) {
    using namespace ByteBlocks;
    auto inBlock = [](const Block& b) {
        return inRange(b, '0', '9') | inRange(b, 'a', 'f') | inRange(b, 'A', 'F');
    };
    return !s.empty() && allIn(s, inBlock, [](char c) { return hexDigitValue(c) >= 0; });
}

std::optional<Wrapped> fromWrapper(std::string_view s) {
    std::string_view t = Text::trim(s);
    if (!Text::hasAtLeastCharacters(t, 8)) return std::nullopt;
    if (isBase64Text(t))
        if (auto data = base64Decode(t)) return Wrapped{std::move(*data), "base64"};
    if (isBase64URLText(t))
        if (auto data = base64URLDecode(t)) return Wrapped{std::move(*data), "base64url"};
    if (isHexText(t) && t.size() % 2 == 0)
        if (auto data = hex(t)) return Wrapped{std::move(*data), "hex"};
    return std::nullopt;
}

// Two "=" at most end a Base64 text, so the characters before its last two are all data: one
// outside both alphabets rules both readings out, and they alone fix the first bytes of either.
bool mayBeginWith(std::string_view s, std::size_t count, LeadTest accepts) {
    if (count > longestLead) return true;
    std::string_view t = Text::trim(s);
    std::size_t base64Length = (count + 2) / 3 * 4;
    // A hex text shorter than 2 × count digits holds fewer than `count` bytes: it cannot begin with them.
    return t.size() < base64Length + 2 || base64LeadPasses(t, count, accepts) ||
           (t.size() >= 2 * count && hexLeadPasses(t, count, accepts));
}

} // namespace tindrel::Bytes
