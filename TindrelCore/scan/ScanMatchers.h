#pragma once

#include "TindrelCore/scan/ScanText.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

// Hand-written matchers, one per candidate pattern. Each returns what a backtracking engine finds
// when it searches its pattern over the whole text, match after match, but in linear time: every
// matcher skips the start positions that are bound to fail the same way as one already tried.
namespace tindrel::ScanMatchers {

// A set of ASCII bytes written like a regular-expression class body ("A-Za-z0-9+/=").
struct ByteSet {
    std::array<bool, 256> members{};

    constexpr explicit ByteSet(std::string_view ranges) {
        for (std::size_t i = 0; i < ranges.size(); ++i) {
            if (i + 2 < ranges.size() && ranges[i + 1] == '-') {
                for (int c = static_cast<unsigned char>(ranges[i]);
                     c <= static_cast<unsigned char>(ranges[i + 2]); ++c)
                    members[static_cast<std::size_t>(c)] = true;
                i += 2;
            } else {
                members[static_cast<unsigned char>(ranges[i])] = true;
            }
        }
    }
    constexpr bool contains(unsigned char byte) const { return members[byte]; }
};

// The end of the run of bytes from `set` that starts at `pos`.
inline std::size_t runEnd(const ScanText& text, std::size_t pos, const ByteSet& set) {
    while (pos < text.size() && set.contains(text.byte(pos)))
        ++pos;
    return pos;
}

inline bool startsWith(const ScanText& text, std::size_t pos, std::string_view literal) {
    return text.text().substr(pos, literal.size()) == literal;
}

// -----BEGIN …----- body -----END …-----; only the blocks that begin before `beginBefore`.
std::vector<TextSpan> pemBlocks(const ScanText& text, std::size_t beginBefore = std::string_view::npos);
// The first "-----BEGIN " that `pemBlocks` tries and finds no block at, for lack of text only: the
// text ends inside what could still become the block.
std::optional<std::size_t> firstUnfinishedPemBlock(const ScanText& text);
// $2b$…, $argon2id$…, $pbkdf2-sha256$… and the other crypt-style prefixes.
std::vector<TextSpan> cryptHashes(const ScanText& text);
// eyJ… with three dot-separated segments, the last possibly empty.
std::vector<TextSpan> jwts(const ScanText& text);
// key=value pairs joined by "&", at least two.
std::vector<TextSpan> queryStrings(const ScanText& text);

// The matches of the patterns of hexadecimal, decimal and Base64 runs, which begin on a word
// boundary, found together in one walk over the text that looks at each word once.
struct WordMatches {
    // 8-4-4-4-12 hexadecimal groups between word boundaries.
    std::vector<TextSpan> uuids;
    // At least 24 Base64 or Base64url characters from a word boundary, with up to two "=".
    std::vector<TextSpan> base64Runs;
    // At least 16 hexadecimal digits, optionally after "0x", between word boundaries.
    std::vector<TextSpan> hexRuns;
    // Exactly 13, or exactly 10, decimal digits (of any script) between word boundaries.
    std::vector<TextSpan> millisecondTimes;
    std::vector<TextSpan> secondTimes;
};
WordMatches wordMatches(const ScanText& text);
// The same matches, the text walked character by character throughout: the plain walk that the
// faster ones must agree with.
WordMatches wordMatchesByCharacter(const ScanText& text);

} // namespace tindrel::ScanMatchers
