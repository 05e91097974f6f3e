#include "TextGenerator.h"

namespace tindrel::oracle {
namespace {

// White space of several kinds, line endings, letters and digits of other scripts, combining
// marks, format characters, emoji, and the fixed parts of the patterns.
const std::vector<std::string> pieces = {
    "-----BEGIN ",
    "-----END ",
    "-----",
    "CERT",
    "$",
    "2b",
    "argon2",
    "eyJ",
    "abc",
    "_",
    "-",
    "=",
    "&",
    "k",
    ".",
    "0x",
    "deadbeef",
    "0123456789abcdef",
    "3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f",
    "1700000000",
    "1700000000123",
    "42",
    "QUJDREVGR0hJSktMTU5PUFFS",
    "AAAAAAAAAAAA",
    "Z",
    "g",
    "/",
    "+",
    "{",
    "}",
    "[",
    "]",
    ":",
    "\"",
    "\\",
    " ",
    "\t",
    "\n",
    "\r\n",
    "\r",
    "\v",
    "\u00A0",
    "\u3000",
    "\u2028",
    "\u0085",
    "\u00E9",
    "e\u0301",
    "\u0301",
    "\u200B",
    "\u200C",
    "\u200D",
    "\u00AD",
    "\u0661\u0662\u0663",
    "\u0669\u0669\u0669\u0669\u0669",
    "\u65E5\u672C",
    "\U0001F600",
    "\U0001F44D\U0001F3FD",
    "\U0001F1EB\U0001F1F7",
    "\u0600",
    "\u24B6",
    "\u2460",
    "\u00DF",
    "\u0915\u094D\u0937",
    "\uFE0F",
    "\u00AA",
    "\u2167",
};

using Options = std::vector<std::string>;

const Options before = {"", " ", "x", "-", "\u00E9", "\u0301", "_", "\n", "+", "\u200B"};
const Options after = {"", " ", "x", "-", "\u00E9", "\u0301", "=", "==", "===", ".", "\u200B", "g", "\r\n"};
const Options pemLabel = {"CERT", "A B", "RSA KEY", "x", "", "1", "\u00C9"};
const Options pemBody = {"MII",    "+/=", "\n",     "\r\n",       " ", "\u3000",
                         "\u2028", "-",   "\u00E9", "QUJD\nREVG", ""};
const Options cryptId = {"2b",
                         "2a",
                         "2",
                         "1",
                         "5",
                         "6",
                         "7",
                         "y",
                         "argon2id",
                         "argon2i",
                         "argon2d",
                         "argon2x",
                         "scrypt",
                         "pbkdf2",
                         "pbkdf2-sha256",
                         "pbkdf2\u00E9",
                         "3"};
const Options cryptTail = {"abc", "./", "$", ",", "=", "", " ", "\u00E9", "x$y", "-"};
const Options jwtSegment = {"", "abc", "a-b", "x_y", "eyJ", "\u00E9", "\u0301", "Zz9"};
const Options queryKey = {"a", "key.sub", "_x", "1a", "", "k", "\u00E9"};
const Options queryValue = {"", "1", "\u00E9", "\u65E5\u672C", " ", "=", "\u3000", "x\u0301", "&", "a/b"};
const Options hexRun = {"0123456789abcdef", "deadbeefDEADBEEF0", "0x", "abc", "0x0123456789abcdef01", ""};
const Options base64Run = {"AAAAAAAAAAAAAAAAAAAAAAAA", "QUJDREVGR0hJSktMTU5PUFFSU1RV", "a+b/c_d-e",
                           "AAAAAAAAAAAAAAAAAAAAAAA"};
const Options digits = {"1700000000", "1700000000123", "170000000",
                        "\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669\u0660", "12345678901"};

} // namespace

std::string TextGenerator::noise(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += pieces[below(pieces.size())];
    return text;
}

std::string TextGenerator::fill(const Skeleton& skeleton) {
    std::string text;
    for (const Options& slot : skeleton)
        text += below(12) == 0 ? pieces[below(pieces.size())] : slot[below(slot.size())];
    return text;
}

std::string TextGenerator::next() {
    static const std::vector<Skeleton> skeletons = {
        {before,
         {"-----BEGIN "},
         pemLabel,
         {"-----"},
         pemBody,
         pemBody,
         {"-----END "},
         pemLabel,
         {"-----"},
         after},
        {before, {"$"}, cryptId, {"$"}, cryptTail, cryptTail, after},
        {before, {"eyJ"}, jwtSegment, {"."}, jwtSegment, {"."}, jwtSegment, after},
        {before,
         queryKey,
         {"="},
         queryValue,
         {"&", ""},
         queryKey,
         {"=", ""},
         queryValue,
         {"&", " "},
         queryKey,
         {"="},
         queryValue,
         after},
        {before,
         {"3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f", "3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6",
          "3F2B8C1E-7D4A-4E5B-9C6F-1A2B3C4D5E6F0"},
         after},
        {before, hexRun, hexRun, after},
        {before, base64Run, base64Run, after},
        {before, digits, after},
    };
    std::string text;
    for (std::size_t chunks = 1 + below(3); chunks > 0; --chunks)
        text +=
            below(3) == 0 ? noise(1 + static_cast<int>(below(6))) : fill(skeletons[below(skeletons.size())]);
    return text;
}

} // namespace tindrel::oracle
