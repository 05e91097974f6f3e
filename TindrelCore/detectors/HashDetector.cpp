#include "TindrelCore/detectors/HashDetector.h"

#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/HexDigit.h"
#include "TindrelCore/text/Text.h"

#include <fmt/format.h>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tindrel {
namespace {

struct DigestSize {
    int bits;
    std::string_view label;
};

std::optional<DigestSize> digestForLength(std::size_t hexLength) {
    switch (hexLength) {
    case 32:
        return DigestSize{128, "MD5 / MD4 / NTLM"};
    case 40:
        return DigestSize{160, "SHA-1 / RIPEMD-160"};
    case 56:
        return DigestSize{224, "SHA-224 / SHA3-224"};
    case 64:
        return DigestSize{256, "SHA-256 / SHA3-256 / BLAKE2s"};
    case 96:
        return DigestSize{384, "SHA-384 / SHA3-384"};
    case 128:
        return DigestSize{512, "SHA-512 / SHA3-512 / BLAKE2b"};
    default:
        return std::nullopt;
    }
}

std::optional<DecodeResult> bareDigest(std::string_view t) {
    // Hex digits are ASCII, so the byte count is the character count; the length is the cheaper test.
    std::optional<DigestSize> digest = digestForLength(t.size());
    if (!digest || !Bytes::isHexText(t)) return std::nullopt;
    Explainer::Note verdict = Explainer::digestNote(digest->bits);
    // Facts go in in key order, each moved into place: digests come by the thousand in a log.
    Details details;
    details.reserve(5);
    details.emplace("bits", std::to_string(digest->bits));
    details.emplace("candidates", digest->label);
    details.emplace("hex_len", std::to_string(t.size()));
    if (verdict.nextStep) details.emplace("recommendation", std::move(*verdict.nextStep));
    details.emplace("security", std::move(verdict.note));
    return DecodeResult{
        DetectionKind::hash,
        lowercasedHex(t),
        0.5,
        std::string(digest->label) + " digest (" + std::to_string(digest->bits) + "-bit)",
        std::move(details),
        true,
    };
}

// Calls `visit` on every piece between separators, empty ones included, without collecting them.
template <typename Visit> void forEachPiece(std::string_view s, char separator, Visit visit) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = s.find(separator, start);
        visit(s.substr(start, end - start));
        if (end == std::string_view::npos) return;
        start = end + 1;
    }
}

using Assignment = std::pair<std::string_view, std::string_view>; // key, value

// A part such as "m=65536" that splits at "=" into exactly two non-empty pieces.
void addKeyValue(std::string_view part, std::vector<Assignment>& assignments) {
    std::string_view pieces[2];
    std::size_t count = 0;
    forEachPiece(part, '=', [&](std::string_view piece) {
        if (piece.empty()) return;
        if (count < 2) pieces[count] = piece;
        ++count;
    });
    if (count == 2) assignments.emplace_back(pieces[0], pieces[1]);
}

// "v=19" gives the version; a piece holding both "m=" and "t=" gives every key=value in it. In
// text order: of equal keys the last is kept.
std::vector<Assignment> argonParameters(std::string_view t) {
    std::vector<Assignment> assignments;
    forEachPiece(t, '$', [&assignments](std::string_view piece) {
        if (piece.starts_with("v=")) assignments.emplace_back("v", piece.substr(2));
        if (piece.find("m=") == std::string_view::npos || piece.find("t=") == std::string_view::npos) return;
        forEachPiece(piece, ',', [&assignments](std::string_view part) { addKeyValue(part, assignments); });
    });
    return assignments;
}

struct Scheme {
    std::string algorithm;
    std::string summary;
};

std::optional<Scheme> classify(std::string_view scheme, std::string_view third) {
    auto is = [scheme](std::initializer_list<std::string_view> names) {
        return std::find(names.begin(), names.end(), scheme) != names.end();
    };
    if (is({"2a", "2b", "2x", "2y"}))
        return Scheme{"bcrypt", fmt::format("bcrypt password hash (cost {})", third)};
    if (is({"1"})) return Scheme{"md5crypt", "md5crypt password hash"};
    if (is({"5"})) return Scheme{"sha256crypt", "sha256crypt password hash"};
    if (is({"6"})) return Scheme{"sha512crypt", "sha512crypt password hash"};
    if (is({"argon2i", "argon2d", "argon2id"}))
        return Scheme{std::string(scheme), fmt::format("{} password hash", scheme)};
    if (is({"7", "scrypt"})) return Scheme{"scrypt", "scrypt password hash"};
    if (is({"y"})) return Scheme{"yescrypt", "yescrypt password hash"};
    if (scheme.starts_with("pbkdf2"))
        return Scheme{"pbkdf2", fmt::format("PBKDF2 password hash ({})", scheme)};
    return std::nullopt;
}

std::optional<DecodeResult> cryptHash(std::string_view t) {
    // t begins with "$": the scheme runs to the second "$", the third piece to the next one or the end.
    std::size_t second = t.find('$', 1);
    if (second == std::string_view::npos) return std::nullopt;
    std::string_view scheme = t.substr(1, second - 1);
    std::string_view third = t.substr(second + 1, t.find('$', second + 1) - second - 1);
    std::optional<Scheme> known = classify(scheme, third);
    if (!known) return std::nullopt;

    // A text may hold any number of parameters, each of which a later fact may replace.
    std::vector<Details::value_type> facts{{"scheme", std::string(scheme)}};
    bool bcrypt = known->algorithm == "bcrypt";
    if (bcrypt) facts.emplace_back("cost", third);
    if (scheme.starts_with("argon2"))
        for (auto [key, value] : argonParameters(t))
            facts.emplace_back(key, value);
    if (known->algorithm == "pbkdf2") facts.emplace_back("prf", scheme);
    facts.emplace_back("algorithm", known->algorithm);

    std::optional<std::string_view> cost;
    if (bcrypt) cost = third;
    if (auto note = Explainer::passwordHashNote(known->algorithm, cost)) {
        facts.emplace_back("security", note->note);
        if (note->nextStep) facts.emplace_back("recommendation", *note->nextStep);
    }
    return DecodeResult{DetectionKind::hash,
                        std::string(t),
                        0.93,
                        std::move(known->summary),
                        Details::fromAssignments(std::move(facts)),
                        true};
}

} // namespace

std::optional<DecodeResult> HashDetector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    return t.starts_with('$') ? cryptHash(t) : bareDigest(t);
}

} // namespace tindrel
