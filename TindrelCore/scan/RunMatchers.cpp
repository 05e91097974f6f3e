#include "TindrelCore/scan/ByteMasks.h"
#include "TindrelCore/scan/ScanMatchers.h"
#include "TindrelCore/text/CharacterClasses.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <optional>

namespace tindrel::ScanMatchers {
namespace {

constexpr ByteSet hexDigits("0-9a-fA-F");
constexpr ByteSet asciiWordChars("A-Za-z0-9_");
constexpr ByteSet asciiDigits("0-9");
constexpr ByteSet base64Chars("A-Za-z0-9+/_-");
constexpr std::size_t uuidLength = 36;
constexpr std::size_t uuidFirstGroup = 8;
constexpr std::size_t minimumBase64Run = 24;
constexpr std::size_t minimumHexRun = 16;
constexpr std::size_t millisecondDigits = 13;
constexpr std::size_t secondDigits = 10;

// The classes of a byte that the walk tells apart, one bit each. Non-ASCII bytes are in none.
enum ByteClass : unsigned char { base64Class = 1, wordClass = 2, hexClass = 4, digitClass = 8 };

constexpr std::array<unsigned char, 256> classesOfBytes() {
    std::array<unsigned char, 256> classes{};
    for (std::size_t i = 0; i < classes.size(); ++i) {
        auto byte = static_cast<unsigned char>(i);
        classes[i] = static_cast<unsigned char>(
            (base64Chars.contains(byte) ? base64Class : 0) | (asciiWordChars.contains(byte) ? wordClass : 0) |
            (hexDigits.contains(byte) ? hexClass : 0) | (asciiDigits.contains(byte) ? digitClass : 0));
    }
    return classes;
}

constexpr std::array<unsigned char, 256> byteClasses = classesOfBytes();

bool isUUIDAt(const ScanText& text, std::size_t begin) {
    if (begin + uuidLength > text.size()) return false;
    for (std::size_t i = 0; i < uuidLength; ++i) {
        bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        unsigned char byte = text.byte(begin + i);
        if (dash ? byte != '-' : !hexDigits.contains(byte)) return false;
    }
    return text.isWordBoundary(begin + uuidLength);
}

std::optional<std::size_t> digitRunEnd(const ScanText& text, std::size_t begin, std::size_t count) {
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

void addDigitRun(std::vector<TextSpan>& spans, const ScanText& text, std::size_t begin, std::size_t count) {
    if (std::optional<std::size_t> end = digitRunEnd(text, begin, count)) spans.push_back({begin, *end});
}

// Walks the runs of Base64 characters, which hold every run of ASCII word characters (a word, here),
// and the non-ASCII characters between them. No word boundary falls inside a word, so each word is
// tried once, from its first character, for all the patterns together. A match of these patterns
// ends where a word or a character ends (a UUID spans five words) and none begins inside another
// of its own pattern (no boundary falls inside a run of digits, and the later words of a UUID are
// too short or too long to begin one), so the words tried are those that searching each pattern
// match after match would try.
class WordWalk {
public:
    explicit WordWalk(const ScanText& text)
        : text_(text) {}

    // Lines of ASCII are walked word by word; a line with a non-ASCII byte character by character.
    // No match, word or character runs across a line feed, so each part is walked as a text of its own.
    WordMatches run() && {
        if (text_.isASCII()) return std::move(*this).runOverASCII();
        std::string_view text = text_.text();
        for (std::size_t pos = 0; pos < text.size();) {
            std::size_t nonASCII = pos + Text::asciiPrefixLength(text.substr(pos));
            std::size_t lineStart = nonASCII == text.size() ? nonASCII : text.rfind('\n', nonASCII) + 1;
            if (lineStart > pos) addASCIILines(pos, lineStart);
            if (lineStart == text.size()) break;
            std::size_t lineEnd = std::min(text.find('\n', nonASCII), text.size() - 1) + 1;
            walkCharacters(lineStart, lineEnd);
            pos = lineEnd;
        }
        return std::move(found_);
    }

    WordMatches runByCharacter() && {
        walkCharacters(0, text_.size());
        return std::move(found_);
    }

private:
    void walkCharacters(std::size_t from, std::size_t to) {
        for (std::size_t pos = from; pos < to;) {
            unsigned char byte = text_.byte(pos);
            if (byte >= 0x80)
                pos = afterScalar(pos);
            else if (has(byte, base64Class))
                pos = afterBase64Run(pos);
            else
                ++pos;
        }
    }

    // In ASCII text a word boundary falls at both ends of every word and nowhere inside one, so a
    // run's first boundary begins its first word, and the words and runs long enough to hold a
    // match are found from the bytes' classes alone, sixty-four bytes at a time. Each list is
    // filled in text order by a pass of its own.
    WordMatches runOverASCII() && {
        const ByteMasks masks(text_.text());
        masks.forEachRunStart(ByteMasks::word, uuidFirstGroup, [&](std::size_t word) {
            std::size_t end = masks.runEnd(ByteMasks::word, word);
            if (mayMatch(word, end)) tryWord(word, end, sharedClasses(word, end));
        });
        masks.forEachRunStart(ByteMasks::base64, minimumBase64Run, [&](std::size_t run) {
            std::size_t firstWord = masks.next(ByteMasks::word, run);
            std::size_t end = masks.runEnd(ByteMasks::base64, run);
            if (firstWord < end) afterRunFrom(firstWord, end);
        });
        return std::move(found_);
    }

    void addASCIILines(std::size_t from, std::size_t to) {
        WordMatches lines = WordWalk(ScanText(text_, from, to)).runOverASCII();
        auto add = [from](std::vector<TextSpan>& spans, const std::vector<TextSpan>& more) {
            for (const TextSpan& span : more)
                spans.push_back({from + span.begin, from + span.end});
        };
        add(found_.uuids, lines.uuids);
        add(found_.base64Runs, lines.base64Runs);
        add(found_.hexRuns, lines.hexRuns);
        add(found_.millisecondTimes, lines.millisecondTimes);
        add(found_.secondTimes, lines.secondTimes);
    }

    // Whether a word of ASCII text is long enough for a match of its own to begin on it.
    bool mayMatch(std::size_t begin, std::size_t end) const {
        std::size_t length = end - begin;
        return length == uuidFirstGroup || length == secondDigits || length == millisecondDigits ||
               length >= minimumHexRun;
    }

    // The hex and digit classes that all of a word's bytes share, the only ones a word is tried by.
    // Digits are hex digits, so the first byte that is no hex digit settles both.
    unsigned char sharedClasses(std::size_t begin, std::size_t end) const {
        unsigned char shared = hexClass | digitClass;
        for (std::size_t pos = begin; pos < end && (shared & hexClass) != 0; ++pos)
            shared &= byteClasses[text_.byte(pos)];
        return shared;
    }

    static bool has(unsigned char byte, ByteClass byteClass) { return (byteClasses[byte] & byteClass) != 0; }

    // Of the patterns, only runs of digits begin on a non-ASCII character.
    std::size_t afterScalar(std::size_t pos) {
        Text::Scalar scalar = text_.scalarAt(pos);
        if (CharacterClasses::isDecimalDigit(scalar.value) && text_.isWordBoundary(pos)) {
            addDigitRun(found_.millisecondTimes, text_, pos, millisecondDigits);
            addDigitRun(found_.secondTimes, text_, pos, secondDigits);
        }
        return pos + scalar.length;
    }

    // Inside a run of Base64 characters, all ASCII, a word boundary falls only at the ends of its
    // words and at its first byte, so the first one found is where the leftmost match would begin,
    // and the run holds a match only if that leaves enough of it.
    std::size_t afterBase64Run(std::size_t begin) {
        std::optional<std::size_t> firstBoundary;
        std::size_t pos = begin;
        while (pos < text_.size() && has(text_.byte(pos), base64Class)) {
            bool boundary = text_.isWordBoundary(pos);
            if (boundary && !firstBoundary) firstBoundary = pos;
            pos = has(text_.byte(pos), wordClass) ? afterWord(pos, boundary) : pos + 1;
        }
        return firstBoundary ? afterRunFrom(*firstBoundary, pos) : pos;
    }

    // A run of Base64 characters that ends at `end` and whose first word boundary is `begin` holds
    // a match when that leaves enough of it, and the match takes up to two "=" after the run.
    std::size_t afterRunFrom(std::size_t begin, std::size_t end) {
        if (end - begin < minimumBase64Run) return end;
        std::size_t padded = end;
        while (padded < text_.size() && padded - end < 2 && text_.byte(padded) == '=')
            ++padded;
        found_.base64Runs.push_back({begin, padded});
        return padded;
    }

    std::size_t afterWord(std::size_t begin, bool onBoundary) {
        std::size_t end = begin;
        while (end < text_.size() && has(text_.byte(end), wordClass))
            ++end;
        if (onBoundary) tryWord(begin, end, sharedClasses(begin, end));
        return end;
    }

    void tryWord(std::size_t begin, std::size_t end, unsigned char shared) {
        bool hex = (shared & hexClass) != 0;
        if (end - begin == uuidFirstGroup && hex && isUUIDAt(text_, begin))
            found_.uuids.push_back({begin, begin + uuidLength});
        if (((hex && end - begin >= minimumHexRun) || isPrefixedHexRun(begin, end)) &&
            text_.isWordBoundary(end))
            found_.hexRuns.push_back({begin, end});
        if ((shared & digitClass) != 0) {
            if (mayBeginDigitRun(begin, end, millisecondDigits))
                addDigitRun(found_.millisecondTimes, text_, begin, millisecondDigits);
            if (mayBeginDigitRun(begin, end, secondDigits))
                addDigitRun(found_.secondTimes, text_, begin, secondDigits);
        }
    }

    // "0x" and then only hexadecimal digits, enough of them.
    bool isPrefixedHexRun(std::size_t begin, std::size_t end) const {
        if (end - begin < 2 + minimumHexRun || !startsWith(text_, begin, "0x")) return false;
        for (std::size_t pos = begin + 2; pos < end; ++pos)
            if (!has(text_.byte(pos), hexClass)) return false;
        return true;
    }

    // A word of ASCII digits that is `count` long, or shorter with digits of other scripts perhaps
    // right after it.
    bool mayBeginDigitRun(std::size_t begin, std::size_t end, std::size_t count) const {
        std::size_t length = end - begin;
        return length == count || (length < count && end < text_.size() && text_.byte(end) >= 0x80);
    }

    const ScanText& text_;
    WordMatches found_;
};

} // namespace

WordMatches wordMatches(const ScanText& text) {
    return WordWalk(text).run();
}

WordMatches wordMatchesByCharacter(const ScanText& text) {
    return WordWalk(text).runByCharacter();
}

} // namespace tindrel::ScanMatchers
