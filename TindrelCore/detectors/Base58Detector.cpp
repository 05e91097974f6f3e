#include "TindrelCore/detectors/Base58Detector.h"

#include "TindrelCore/detectors/DecodedText.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tindrel {

const std::string_view Base58Detector::alphabet =
    "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz";

namespace {

std::array<int, 256> makeValues(std::string_view alphabet) {
    std::array<int, 256> values{};
    values.fill(-1);
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        values[static_cast<unsigned char>(alphabet[i])] = int(i);
    return values;
}

// 58^5 < 2^30, so five digits fold into one multiply-and-add on 32-bit limbs without overflow.
constexpr int digitsPerRound = 5;

void multiplyAdd(std::vector<std::uint32_t>& limbs, std::uint64_t multiplier, std::uint64_t carry) {
    for (std::uint32_t& limb : limbs) {
        std::uint64_t product = limb * multiplier + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    for (; carry != 0; carry >>= 32)
        limbs.push_back(static_cast<std::uint32_t>(carry));
}

void appendBigEndian(Bytes::Buffer& out, const std::vector<std::uint32_t>& limbs) {
    bool started = false;
    for (std::size_t i = limbs.size(); i-- > 0;) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            auto byte = static_cast<char>((limbs[i] >> shift) & 0xFF);
            started = started || byte != 0;
            if (started) out += byte;
        }
    }
}

bool isDigitsOnly(std::string_view t) {
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

// Most texts offered hold a character outside the alphabet: they are turned down before any
// number is built.
bool isAlphabetText(std::string_view t, const std::array<int, 256>& values) {
    return std::ranges::all_of(t, [&values](char c) { return values[static_cast<unsigned char>(c)] >= 0; });
}

} // namespace

std::optional<Bytes::Buffer> Base58Detector::base58Decode(std::string_view text) {
    static const std::array<int, 256> values = makeValues(alphabet);
    if (!isAlphabetText(text, values)) return std::nullopt;
    std::vector<std::uint32_t> limbs; // little-endian, base 2^32
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint64_t multiplier = 1;
        std::uint64_t carry = 0;
        for (int k = 0; k < digitsPerRound && i < text.size(); ++k, ++i) {
            int value = values[static_cast<unsigned char>(text[i])];
            multiplier *= 58;
            carry = carry * 58 + std::uint64_t(value);
        }
        multiplyAdd(limbs, multiplier, carry);
    }
    std::size_t leadingOnes = text.find_first_not_of('1');
    Bytes::Buffer out(leadingOnes == std::string_view::npos ? text.size() : leadingOnes, '\0');
    appendBigEndian(out, limbs);
    return out;
}

std::optional<DecodeResult> Base58Detector::decode(std::string_view text) const {
    std::string_view t = Text::trim(text);
    if (t.size() < 8 || t.size() > maxLength || isDigitsOnly(t)) return std::nullopt;
    // Decoding checks the alphabet, which is ASCII only: bytes and characters coincide.
    std::optional<Bytes::Buffer> bytes = base58Decode(t);
    if (!bytes) return std::nullopt;
    return decodedTextStep(DetectionKind::base58, "Base58", 0.5, std::move(*bytes));
}

} // namespace tindrel
