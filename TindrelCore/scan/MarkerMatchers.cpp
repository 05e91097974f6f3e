#include "TindrelCore/formats/PEMBlock.h"
#include "TindrelCore/scan/ScanMatchers.h"
#include "TindrelCore/text/LiteralSearch.h"

#include <optional>

namespace tindrel::ScanMatchers {
namespace {

constexpr ByteSet pemLabelChars("A-Z0-9 ");
constexpr ByteSet pemBodyChars("A-Za-z0-9+/=\t-\r "); // and the ASCII white space
constexpr ByteSet pbkdf2Chars("A-Za-z0-9-");
constexpr ByteSet cryptTailChars("A-Za-z0-9./+=,$-");
constexpr ByteSet jwtChars("A-Za-z0-9_-");
constexpr ByteSet keyStartChars("A-Za-z_");
constexpr ByteSet keyChars("A-Za-z0-9_.");

constexpr std::string_view pemBegin = pemBeginMarker;
constexpr std::size_t npos = std::string_view::npos;

// Every run class above stops at "-", "$" or "." where the pattern needs the next fixed part, so
// a run never has to give characters back: the longest run is the only one that can succeed.

std::size_t pemBodyEnd(const ScanText& text, std::size_t pos) {
    for (;;) {
        pos = runEnd(text, pos, pemBodyChars);
        if (pos == text.size() || text.byte(pos) < 0x80) return pos;
        Text::Scalar scalar = text.scalarAt(pos);
        if (!Text::isWhitespace(scalar.value)) return pos;
        pos += scalar.length;
    }
}

// A label of one or more [A-Z0-9 ] and the five dashes after it; answers the position after them.
std::optional<std::size_t> afterLabel(const ScanText& text, std::size_t pos) {
    std::size_t end = runEnd(text, pos, pemLabelChars);
    if (end == pos || !startsWith(text, end, "-----")) return std::nullopt;
    return end + 5;
}

std::optional<std::size_t> pemBlockEnd(const ScanText& text, std::size_t begin) {
    std::optional<std::size_t> header = afterLabel(text, begin + pemBegin.size());
    if (!header) return std::nullopt;
    std::size_t body = pemBodyEnd(text, *header);
    if (body == *header || !startsWith(text, body, "-----END ")) return std::nullopt;
    return afterLabel(text, body + 9);
}

// The text ends after `pos` within the first characters of `literal`.
bool endsWithin(const ScanText& text, std::size_t pos, std::string_view literal) {
    std::string_view rest = text.text().substr(pos);
    return !rest.empty() && rest.size() < literal.size() && literal.starts_with(rest);
}

// The text ends inside a label or the dashes after it.
bool labelRunsOff(const ScanText& text, std::size_t pos) {
    std::size_t end = runEnd(text, pos, pemLabelChars);
    return end == text.size() || (end > pos && endsWithin(text, end, "-----"));
}

// For a "-----BEGIN " at `begin` that no block follows: whether the text ends before the attempt
// failed, so that more text could still give the block.
bool pemBlockUnfinished(const ScanText& text, std::size_t begin) {
    std::size_t label = begin + pemBegin.size();
    if (labelRunsOff(text, label)) return true;
    std::optional<std::size_t> header = afterLabel(text, label);
    if (!header) return false;
    std::size_t body = pemBodyEnd(text, *header);
    if (body == text.size()) return true;
    if (body == *header) return false;
    if (endsWithin(text, body, "-----END ")) return true;
    return startsWith(text, body, "-----END ") && labelRunsOff(text, body + 9);
}

std::optional<std::size_t> closingDollar(const ScanText& text, std::size_t pos) {
    if (pos < text.size() && text.byte(pos) == '$') return pos + 1;
    return std::nullopt;
}

// The identifier between the two "$" of a crypt hash, from the byte after the first "$". The
// alternatives begin with different characters, so at most one of them applies.
std::optional<std::size_t> cryptIdentifierEnd(const ScanText& text, std::size_t pos) {
    if (pos >= text.size()) return std::nullopt;
    unsigned char first = text.byte(pos);
    if (first == '2') {
        bool variant =
            pos + 1 < text.size() &&
            std::string_view("abxy").find(static_cast<char>(text.byte(pos + 1))) != std::string_view::npos;
        return variant ? closingDollar(text, pos + 2) : std::nullopt;
    }
    if (first == '1' || first == '5' || first == '6' || first == '7' || first == 'y')
        return closingDollar(text, pos + 1);
    if (startsWith(text, pos, "argon2")) {
        for (std::string_view variant : {"id", "i", "d"})
            if (startsWith(text, pos + 6, variant))
                if (auto end = closingDollar(text, pos + 6 + variant.size())) return end;
        return std::nullopt;
    }
    if (startsWith(text, pos, "scrypt")) return closingDollar(text, pos + 6);
    if (startsWith(text, pos, "pbkdf2")) return closingDollar(text, runEnd(text, pos + 6, pbkdf2Chars));
    return std::nullopt;
}

std::size_t queryValueEnd(const ScanText& text, std::size_t pos) {
    while (pos < text.size()) {
        unsigned char byte = text.byte(pos);
        if (byte < 0x80) {
            // The ASCII white space: space, and tab to carriage return.
            if (byte == '&' || byte == ' ' || (byte >= '\t' && byte <= '\r')) break;
            ++pos;
            continue;
        }
        Text::Scalar scalar = text.scalarAt(pos);
        if (Text::isWhitespace(scalar.value)) break;
        pos += scalar.length;
    }
    return pos;
}

std::optional<std::size_t> queryPairEnd(const ScanText& text, std::size_t pos) {
    if (pos >= text.size() || !keyStartChars.contains(text.byte(pos))) return std::nullopt;
    std::size_t key = runEnd(text, pos + 1, keyChars);
    if (key >= text.size() || text.byte(key) != '=') return std::nullopt;
    return queryValueEnd(text, key + 1);
}

struct Attempt {
    bool matched;
    std::size_t end; // the match end, or where the next attempt may start
};

Attempt jwtAt(const ScanText& text, std::size_t begin) {
    std::size_t header = runEnd(text, begin + 3, jwtChars);
    if (header == begin + 3 || header >= text.size() || text.byte(header) != '.') return {false, header};
    std::size_t payload = runEnd(text, header + 1, jwtChars);
    if (payload == header + 1 || payload >= text.size() || text.byte(payload) != '.') return {false, header};
    return {true, runEnd(text, payload + 1, jwtChars)};
}

// From the first "=": the pairs joined by "&". Without a second pair every start up to the end of the
// first value fails the same way, so the search resumes there.
Attempt queryAt(const ScanText& text, std::size_t equals) {
    std::size_t firstValueEnd = queryValueEnd(text, equals + 1);
    std::size_t end = firstValueEnd;
    bool joined = false;
    while (end < text.size() && text.byte(end) == '&') {
        std::optional<std::size_t> next = queryPairEnd(text, end + 1);
        if (!next) break;
        end = *next;
        joined = true;
    }
    return joined ? Attempt{true, end} : Attempt{false, firstValueEnd};
}

} // namespace

std::vector<TextSpan> pemBlocks(const ScanText& text, std::size_t beginBefore) {
    std::vector<TextSpan> spans;
    std::size_t pos = findPEMBegin(text.text(), 0);
    while (pos < beginBefore && pos != npos) {
        std::optional<std::size_t> end = pemBlockEnd(text, pos);
        if (end) spans.push_back({pos, *end});
        pos = findPEMBegin(text.text(), end ? *end : pos + 1);
    }
    return spans;
}

std::optional<std::size_t> firstUnfinishedPemBlock(const ScanText& text) {
    std::size_t pos = findPEMBegin(text.text(), 0);
    while (pos != npos) {
        std::optional<std::size_t> end = pemBlockEnd(text, pos);
        if (!end && pemBlockUnfinished(text, pos)) return pos;
        pos = findPEMBegin(text.text(), end ? *end : pos + 1);
    }
    return std::nullopt;
}

std::vector<TextSpan> cryptHashes(const ScanText& text) {
    std::vector<TextSpan> spans;
    std::size_t pos = text.text().find('$');
    while (pos != npos) {
        std::size_t next = pos + 1;
        if (std::optional<std::size_t> identifier = cryptIdentifierEnd(text, pos + 1)) {
            std::size_t end = runEnd(text, *identifier, cryptTailChars);
            if (end > *identifier) {
                spans.push_back({pos, end});
                next = end;
            }
        }
        pos = text.text().find('$', next);
    }
    return spans;
}

std::vector<TextSpan> jwts(const ScanText& text) {
    std::vector<TextSpan> spans;
    std::size_t pos = findLiteral(text.text(), "eyJ");
    while (pos != npos) {
        std::size_t next = pos + 1;
        if (text.isWordBoundary(pos)) {
            // A later "eyJ" inside the same header run would end the same way.
            Attempt attempt = jwtAt(text, pos);
            if (attempt.matched) spans.push_back({pos, attempt.end});
            next = attempt.end;
        }
        pos = findLiteral(text.text(), "eyJ", next);
    }
    return spans;
}

// A pair needs an "=", so the walk goes from one to the next. Before each, a walk byte by byte
// from `pos` would pass over keys that no "=" follows and reach the run of key characters that
// ends at the "=" (or `pos`, inside it), and begin the key at the first key-start character there.
std::vector<TextSpan> queryStrings(const ScanText& text) {
    std::vector<TextSpan> spans;
    std::size_t pos = 0;
    for (std::size_t equals = text.text().find('=', pos); equals != npos;
         equals = text.text().find('=', pos)) {
        std::size_t run = equals;
        while (run > pos && keyChars.contains(text.byte(run - 1)))
            --run;
        while (run < equals && !keyStartChars.contains(text.byte(run)))
            ++run;
        if (run == equals) {
            pos = equals + 1;
            continue;
        }
        Attempt attempt = queryAt(text, equals);
        if (attempt.matched) spans.push_back({run, attempt.end});
        pos = attempt.end;
    }
    return spans;
}

} // namespace tindrel::ScanMatchers
