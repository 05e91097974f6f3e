#include "TindrelCore/scan/ScanMatchers.h"
#include "TindrelCore/text/CharacterClasses.h"

#include <optional>

namespace tindrel::ScanMatchers {
namespace {

constexpr ByteSet hexDigits("0-9a-fA-F");
constexpr ByteSet asciiWordChars("A-Za-z0-9_");
constexpr ByteSet asciiDigits("0-9");
constexpr ByteSet base64Chars("A-Za-z0-9+/_-");
constexpr std::size_t uuidLength = 36;
constexpr std::size_t minimumBase64Run = 24;
constexpr std::size_t minimumHexRun = 16;

bool isUUIDAt(const ScanText& text, std::size_t begin) {
    if (begin + uuidLength > text.size()) return false;
    for (std::size_t i = 0; i < uuidLength; ++i) {
        bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        unsigned char byte = text.byte(begin + i);
        if (dash ? byte != '-' : !hexDigits.contains(byte)) return false;
    }
    return text.isWordBoundary(begin + uuidLength);
}

// Hexadecimal digits are word characters, so no word boundary falls inside a run of them: the
// run either ends on a boundary or no shorter run can.
std::optional<std::size_t> hexRunEnd(const ScanText& text, std::size_t begin) {
    if (startsWith(text, begin, "0x")) {
        std::size_t end = runEnd(text, begin + 2, hexDigits);
        if (end - (begin + 2) >= minimumHexRun && text.isWordBoundary(end)) return end;
    }
    std::size_t end = runEnd(text, begin, hexDigits);
    if (end - begin >= minimumHexRun && text.isWordBoundary(end)) return end;
    return std::nullopt;
}

std::optional<std::size_t> digitRunEnd(const ScanText& text, std::size_t begin, std::size_t count) {
    if (text.isASCII()) {
        // A longer run has a digit, not a boundary, after `count` digits.
        std::size_t end = runEnd(text, begin, asciiDigits);
        if (end - begin != count || !text.isWordBoundary(end)) return std::nullopt;
        return end;
    }
    std::size_t pos = begin;
    for (std::size_t taken = 0; taken < count; ++taken) {
        if (pos >= text.size()) return std::nullopt;
        Text::Scalar scalar = text.scalarAt(pos);
        if (!CharacterClasses::isDecimalDigit(scalar.value)) return std::nullopt;
        pos += scalar.length;
    }
    if (!text.isWordBoundary(pos)) return std::nullopt;
    return pos;
}

enum class Starts { asciiOnly, anyScript };

// For patterns that begin with a word character on a word boundary. Inside a run of ASCII word
// characters no boundary falls, so each run is tried once, at its first character; `attempt`
// answers the end of a match starting there.
template <typename Attempt>
std::vector<TextSpan> wordStartMatches(const ScanText& text, Starts starts, Attempt attempt) {
    std::vector<TextSpan> spans;
    std::size_t pos = 0;
    while (pos < text.size()) {
        unsigned char byte = text.byte(pos);
        if (byte < 0x80 && !asciiWordChars.contains(byte)) {
            ++pos;
            continue;
        }
        std::size_t length = byte < 0x80 ? 1 : text.scalarAt(pos).length;
        bool mayStart = byte < 0x80 || starts == Starts::anyScript;
        std::optional<std::size_t> end;
        if (mayStart && text.isWordBoundary(pos)) end = attempt(pos);
        if (end) {
            spans.push_back({pos, *end});
            pos = *end;
        } else {
            pos = byte < 0x80 ? runEnd(text, pos + 1, asciiWordChars) : pos + length;
        }
    }
    return spans;
}

} // namespace

std::vector<TextSpan> uuids(const ScanText& text) {
    return wordStartMatches(text, Starts::asciiOnly, [&](std::size_t begin) -> std::optional<std::size_t> {
        if (!isUUIDAt(text, begin)) return std::nullopt;
        return begin + uuidLength;
    });
}

// Every start inside one run of Base64 characters shares the run's end, so the leftmost start on a
// word boundary that leaves 24 characters is the match, and without one the whole run fails.
std::vector<TextSpan> base64Runs(const ScanText& text) {
    std::vector<TextSpan> spans;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!base64Chars.contains(text.byte(pos))) {
            ++pos;
            continue;
        }
        std::size_t runStop = runEnd(text, pos, base64Chars);
        std::size_t next = runStop;
        for (std::size_t begin = pos; begin + minimumBase64Run <= runStop; ++begin) {
            if (!text.isWordBoundary(begin)) continue;
            std::size_t end = runStop;
            while (end < text.size() && end - runStop < 2 && text.byte(end) == '=')
                ++end;
            spans.push_back({begin, end});
            next = end;
            break;
        }
        pos = next;
    }
    return spans;
}

std::vector<TextSpan> hexRuns(const ScanText& text) {
    return wordStartMatches(text, Starts::asciiOnly,
                            [&](std::size_t begin) { return hexRunEnd(text, begin); });
}

std::vector<TextSpan> digitRuns(const ScanText& text, std::size_t count) {
    return wordStartMatches(text, Starts::anyScript,
                            [&](std::size_t begin) { return digitRunEnd(text, begin, count); });
}

} // namespace tindrel::ScanMatchers
