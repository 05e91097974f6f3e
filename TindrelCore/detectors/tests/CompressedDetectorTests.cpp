#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/GzipDetector.h"
#include "TindrelCore/detectors/ZlibDetector.h"
#include "TindrelCore/tests/CompressionFixtures.h"
#include "TindrelCore/tests/EncodingFixtures.h"
#include "TindrelCore/tests/SourceFiles.h"
#include "TindrelCore/text/Bytes.h"

#include <gtest/gtest.h>

using namespace tindrel;
using fixtures::GzipOptions;

namespace {

const std::string json = R"({"user":"ada","roles":["admin","ops"],"active":true,"note":"ok"})";

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'f') c = char(c - 'a' + 'A');
    return text;
}

// A gzip member of `json` whose size has the given remainder modulo `divisor`; the header's file
// name absorbs the difference.
std::string gzipSized(std::size_t divisor, std::size_t remainder) {
    for (std::string name = "a";; name += "a") {
        std::string member = fixtures::gzipMember(json, GzipOptions::named(name));
        if (member.size() % divisor == remainder) return member;
    }
}

} // namespace

TEST(CompressedDetectors, ChainsContinueIntoTheDecompressedText) {
    struct Case {
        const char* name;
        std::string text;
        std::string shape, wrapper;
    } cases[] = {
        {"gzip in Base64", Bytes::base64Encode(fixtures::gzipMember(json)), "gzip \u2192 json", "base64"},
        {"gzip in URL-safe Base64", fixtures::base64URLOf(gzipSized(3, 1)), "gzip \u2192 json", "base64url"},
        {"gzip in hex, length 0 mod 4", fixtures::hexOf(gzipSized(2, 0)), "gzip \u2192 json", "hex"},
        {"gzip in hex, length 2 mod 4", fixtures::hexOf(gzipSized(2, 1)), "gzip \u2192 json", "hex"},
        {"gzip in hex, capitals and blanks", "  " + upper(fixtures::hexOf(fixtures::gzipMember(json))) + "\n",
         "gzip \u2192 json", "hex"},
        {"zlib in Base64", Bytes::base64Encode(fixtures::zlibStream(json)), "zlib \u2192 json", "base64"},
        {"zlib in hex", fixtures::hexOf(fixtures::zlibStream(json)), "zlib \u2192 json", "hex"},
        {"size field 0", Bytes::base64Encode(fixtures::gzipMember(json, GzipOptions::sized(0))),
         "gzip \u2192 json", "base64"},
        {"size field too small", Bytes::base64Encode(fixtures::gzipMember(json, GzipOptions::sized(3))),
         "gzip \u2192 json", "base64"},
    };
    for (const Case& c : cases) {
        DecodeChain chain = Tindrel::inspect(c.text);
        ASSERT_EQ(chain.shapeText(), c.shape) << c.name;
        EXPECT_EQ(chain.steps[0].details.at("wrapper"), c.wrapper) << c.name;
        EXPECT_EQ(chain.steps[0].output, json) << c.name;
        EXPECT_FALSE(chain.steps[0].terminal) << c.name;
    }
}

TEST(CompressedDetectors, StepsNameTheWrapperAndTheSize) {
    const std::string size = std::to_string(json.size());
    std::optional<DecodeResult> gzip = GzipDetector().decode(Bytes::base64Encode(fixtures::gzipMember(json)));
    ASSERT_TRUE(gzip);
    EXPECT_EQ(gzip->summary, "gzip (base64) \u2192 " + size + " bytes");
    EXPECT_EQ(gzip->details, (Details{{"wrapper", "base64"}, {"bytes", size}}));
    EXPECT_EQ(gzip->confidence, 0.92);
    std::optional<DecodeResult> zlib = ZlibDetector().decode(fixtures::hexOf(fixtures::zlibStream(json)));
    ASSERT_TRUE(zlib);
    EXPECT_EQ(zlib->summary, "zlib (hex) \u2192 " + size + " bytes");
    EXPECT_EQ(zlib->confidence, 0.88);
}

TEST(CompressedDetectors, FileMadeByTheGzipToolDecodes) {
    std::optional<std::string> member = fixtures::testData("deflate/sample.json.gz");
    std::optional<std::string> original = fixtures::testData("deflate/sample.json");
    ASSERT_TRUE(member && original);
    std::optional<DecodeResult> step = GzipDetector().decode(Bytes::base64Encode(*member));
    ASSERT_TRUE(step);
    EXPECT_EQ(step->output, *original);
    EXPECT_EQ(step->output.find("sample.json"), std::string::npos);
}

TEST(CompressedDetectors, RefuseWhatTheyCannotReadAsText) {
    std::string binary;
    for (int i = 0; i < 400; ++i)
        binary += static_cast<char>(i * 37 % 256);
    const std::string gzip = fixtures::gzipMember(json);
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"binary payload", Bytes::base64Encode(fixtures::gzipMember(binary))},
        {"NUL-heavy payload", Bytes::base64Encode(fixtures::zlibStream(std::string(100, '\0') + "abc"))},
        {"not a wrapper", "gzip: H4sI not base64 at all"},
        {"short", "H4sIAAA="},
        {"corrupt stream", Bytes::base64Encode(gzip.substr(0, 10) + std::string(30, 'x') + gzip.substr(40))},
        {"empty content", Bytes::base64Encode(fixtures::gzipMember(""))},
        {"bomb claiming 4 GiB",
         Bytes::base64Encode(fixtures::gzipAround(fixtures::zeroBomb(10), 0xFFFFFFFF))},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(GzipDetector().decode(c.text)) << c.name;
        EXPECT_FALSE(ZlibDetector().decode(c.text)) << c.name;
    }
}

TEST(CompressedDetectors, TextBeyondTheCapDecodesOnlyWithAnExactGzipSizeField) {
    const std::string text = fixtures::repetitiveText(17000000);
    const std::string deflated = fixtures::rawDeflate(text);
    const auto size = std::uint32_t(text.size());
    struct Case {
        const char* name;
        std::string text;
        bool accepted;
    } cases[] = {
        {"accurate size field", Bytes::base64Encode(fixtures::gzipAround(deflated, size)), true},
        {"size field lying low", Bytes::base64Encode(fixtures::gzipAround(deflated, size - 1)), false},
        {"size field lying high", Bytes::base64Encode(fixtures::gzipAround(deflated, size + 1)), false},
        {"zlib, no size field", Bytes::base64Encode("\x78\xDA" + deflated + std::string(4, '\0')), false},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> step = GzipDetector().decode(c.text);
        if (!step) step = ZlibDetector().decode(c.text);
        ASSERT_EQ(step.has_value(), c.accepted) << c.name;
        if (step) {
            EXPECT_TRUE(step->output == text) << c.name;
            EXPECT_EQ(step->details.at("bytes"), "17000000") << c.name;
        }
    }
}

TEST(CompressedDetectors, EachTakesOnlyItsOwnContainer) {
    const std::string gzip = Bytes::base64Encode(fixtures::gzipMember(json));
    const std::string zlib = Bytes::base64Encode(fixtures::zlibStream(json));
    EXPECT_TRUE(GzipDetector().decode(gzip));
    EXPECT_FALSE(ZlibDetector().decode(gzip));
    EXPECT_TRUE(ZlibDetector().decode(zlib));
    EXPECT_FALSE(GzipDetector().decode(zlib));
}

TEST(CompressedDetectors, BombsAnswerNothing) {
    const std::string gigabyte = fixtures::zeroBomb(1024);
    const std::string text(1 << 20, 'a');
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"1 GiB, honest size field", Bytes::base64Encode(fixtures::gzipAround(gigabyte, 1u << 30))},
        {"1 GiB, size field 0", Bytes::base64Encode(fixtures::gzipAround(gigabyte, 0))},
        {"1 GiB, size field 100", Bytes::base64Encode(fixtures::gzipAround(gigabyte, 100))},
        {"text claiming 4 GiB",
         Bytes::base64Encode(fixtures::gzipMember(text, GzipOptions::sized(0xFFFFFFFF)))},
        {"text claiming the limit",
         Bytes::base64Encode(fixtures::gzipMember(text, GzipOptions::sized(1 << 24)))},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(GzipDetector().decode(c.text)) << c.name;
        EXPECT_FALSE(Tindrel::inspect(c.text).isRecognized()) << c.name;
    }
    const std::string belowLimit = fixtures::gzipMember(text, GzipOptions::sized((1 << 24) - 1));
    EXPECT_TRUE(GzipDetector().decode(Bytes::base64Encode(belowLimit)));
}
