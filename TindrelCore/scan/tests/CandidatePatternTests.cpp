#include "TindrelCore/scan/CandidatePatterns.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::vector<std::string> candidates(CandidatePattern pattern, const std::string& text) {
    ScanText scanText(text);
    std::vector<std::string> out;
    for (const TextSpan& span : findCandidates(scanText, pattern))
        out.push_back(text.substr(span.begin, span.end - span.begin));
    return out;
}

struct Case {
    CandidatePattern pattern;
    std::string text;
    std::vector<std::string> expected;
};

void check(const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(candidates(c.pattern, c.text), c.expected) << c.text;
}

const std::string a24(24, 'A');

} // namespace

TEST(CandidatePatterns, PEMBlocks) {
    using enum CandidatePattern;
    check({
        {pemBlock,
         "x-----BEGIN CERT-----\nMII+/=\n-----END CERT-----y",
         {"-----BEGIN CERT-----\nMII+/=\n-----END CERT-----"}},
        {pemBlock,
         "-----BEGIN A-----\u3000AB\u00A0\r\n-----END A-----",
         {"-----BEGIN A-----\u3000AB\u00A0\r\n-----END A-----"}},
        {pemBlock, "-----BEGIN cert-----\nAA\n-----END X-----", {}},
        {pemBlock, "-----BEGIN A----------END A-----", {}},
        {pemBlock, "-----BEGIN A-----\nA-B\n-----END A-----", {}},
        {pemBlock,
         "-----BEGIN A-----\nAA\n-----END A----------BEGIN B-----\nBB\n-----END B-----",
         {"-----BEGIN A-----\nAA\n-----END A-----", "-----BEGIN B-----\nBB\n-----END B-----"}},
    });
}

TEST(CandidatePatterns, CryptHashes) {
    using enum CandidatePattern;
    check({
        {cryptHash, "pw $2b$12$abc./XYZ done", {"$2b$12$abc./XYZ"}},
        {cryptHash,
         "$argon2id$v=19$m=65536,t=3,p=4$c2FsdA$aGFzaA",
         {"$argon2id$v=19$m=65536,t=3,p=4$c2FsdA$aGFzaA"}},
        {cryptHash, "$argon2i$x $argon2d$y $argon2x$z", {"$argon2i$x", "$argon2d$y"}},
        {cryptHash, "$pbkdf2-sha256$29000$abc", {"$pbkdf2-sha256$29000$abc"}},
        {cryptHash, "$2$abc $6$ $y$j9T$salt", {"$y$j9T$salt"}},
        {cryptHash, "$1$ab cd $scrypt$ln=16", {"$1$ab", "$scrypt$ln=16"}},
        {cryptHash, "$2b$ $2b$x", {"$2b$x"}},
    });
}

TEST(CandidatePatterns, JWTs) {
    using enum CandidatePattern;
    check({
        {jwt, "Bearer eyJa.eyJb.sig!", {"eyJa.eyJb.sig"}},
        {jwt, "-eyJa.b. next", {"eyJa.b."}},
        {jwt, "xeyJa.b.c \u00E9eyJa.b.c eyJa.b", {}},
        {jwt, "\u0301eyJa.b.c", {"eyJa.b.c"}},
        {jwt, "eyJa.b.c\u0301", {}}, // would end inside a character
        {jwt, "eyJa-eyJb-eyJc.d.e", {"eyJa-eyJb-eyJc.d.e"}},
        {jwt, "eyJ.a.b -eyJx.y.z", {"eyJx.y.z"}},
        {jwt, "eyJa eyJb.c.d", {"eyJb.c.d"}},
        {jwt, "eyJa.b eyJc.d.e", {"eyJc.d.e"}},
    });
}

TEST(CandidatePatterns, UUIDs) {
    using enum CandidatePattern;
    const std::string id = "3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f";
    check({
        {uuid, "id=" + id + ".", {id}},
        {uuid, "x" + id, {}},
        {uuid, id + "g", {}},
        {uuid, id + "\u0301", {}},
        {uuid, id + "-" + id, {id, id}},
    });
}

TEST(CandidatePatterns, QueryStrings) {
    using enum CandidatePattern;
    check({
        {queryString, "a=1&b=2", {"a=1&b=2"}},
        {queryString, "a=1", {}},
        {queryString, "x a=1&b=2&c", {"a=1&b=2"}},
        {queryString, "k.x=\u00E9&z=\u65E5\u672C rest", {"k.x=\u00E9&z=\u65E5\u672C"}},
        {queryString, "1a=b&c=d", {"a=b&c=d"}},
        {queryString, "a=b&&c=d", {}},
        {queryString, "a=b=c&d=e f=&g=", {"a=b=c&d=e", "f=&g="}},
        {queryString, "a=x\u3000&b=y&c=z", {"b=y&c=z"}},
    });
}

TEST(CandidatePatterns, Base64Runs) {
    using enum CandidatePattern;
    check({
        {base64Run, a24, {a24}},
        {base64Run, std::string(23, 'A'), {}},
        {base64Run, "xyz/" + a24, {"xyz/" + a24}},
        {base64Run, "+" + a24, {a24}},
        {base64Run, a24 + "===", {a24 + "=="}},
        {base64Run, "\u00E9" + a24, {}},
        {base64Run, a24 + "\u0301", {}},
        {base64Run, a24 + "==" + a24, {a24 + "==", a24}},
    });
}

TEST(CandidatePatterns, HexRuns) {
    using enum CandidatePattern;
    const std::string h16(16, 'a');
    check({
        {hexRun, "0x" + h16, {"0x" + h16}},
        {hexRun, "0x" + std::string(15, 'a'), {}},
        {hexRun, "g" + h16 + " " + h16 + "g", {}},
        {hexRun, "deadbeefDEADBEEF.", {"deadbeefDEADBEEF"}},
        {hexRun, "0x" + h16 + "z", {}},
    });
}

TEST(CandidatePatterns, DigitRuns) {
    using enum CandidatePattern;
    const std::string arabicIndic = "\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669\u0660";
    check({
        {millisecondTime, "ts=1700000000123;", {"1700000000123"}},
        {secondTime, "ts=1700000000123;", {}},
        {secondTime, "1700000000.5 x1700000000 12345678901", {"1700000000"}},
        {secondTime, arabicIndic, {arabicIndic}},
        {secondTime, "1700000000\u0301", {}},
        {secondTime,
         "\u0301"
         "1700000000",
         {"1700000000"}},
    });
}
