#include "TindrelCore/detectors/PlistDetector.h"
#include "TindrelCore/formats/BinaryPlist.h"
#include "TindrelCore/formats/PlistTree.h"
#include "TindrelCore/tests/Fixtures.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

using namespace tindrel;

namespace {

constexpr std::size_t depthLimit = 512;
constexpr std::size_t budget = 1 << 20;

void appendBigEndian(std::string& out, std::uint64_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out += char((value >> shift) & 0xFF);
}

// An array object whose references are four bytes wide.
std::string arrayOf(const std::vector<std::uint32_t>& refs) {
    std::string object;
    if (refs.size() < 15) {
        object += char(0xA0 | refs.size());
    } else {
        object += char(0xAF);
        object += char(0x11);
        appendBigEndian(object, refs.size(), 2);
    }
    for (std::uint32_t ref : refs)
        appendBigEndian(object, ref, 4);
    return object;
}

std::string asciiString(const std::string& text) {
    return char(0x50 | text.size()) + text;
}

struct Layout {
    int offsetSize = 8;
    int refSize = 4;
    std::uint64_t top = 0;
    std::int64_t countAdjust = 0;
    std::int64_t tableAdjust = 0;
};

std::string bplist(const std::vector<std::string>& objects, Layout layout = {}) {
    std::string out = "bplist00";
    std::vector<std::uint64_t> offsets;
    for (const std::string& object : objects) {
        offsets.push_back(out.size());
        out += object;
    }
    std::uint64_t table = out.size();
    for (std::uint64_t offset : offsets)
        appendBigEndian(out, offset, layout.offsetSize);
    out += std::string(6, '\0');
    out += char(layout.offsetSize);
    out += char(layout.refSize);
    appendBigEndian(out, objects.size() + layout.countAdjust, 8);
    appendBigEndian(out, layout.top, 8);
    appendBigEndian(out, table + layout.tableAdjust, 8);
    return out;
}

// Arrays 0 → 1 → … → n-1; the last is empty, or points back at the first when `cyclic`.
std::vector<std::string> chain(std::uint32_t n, bool cyclic = false) {
    std::vector<std::string> objects;
    for (std::uint32_t i = 0; i + 1 < n; ++i)
        objects.push_back(arrayOf({i + 1}));
    objects.push_back(cyclic ? arrayOf({0}) : arrayOf({}));
    return objects;
}

// Each of `levels` arrays holds `width` references to the next: tiny, but copied out it is
// width^levels objects.
std::vector<std::string> fan(std::uint32_t levels, std::size_t width) {
    std::vector<std::string> objects;
    for (std::uint32_t i = 0; i < levels; ++i)
        objects.push_back(arrayOf(std::vector<std::uint32_t>(width, i + 1)));
    objects.push_back(asciiString("leaf"));
    return objects;
}

bool bounded(const std::string& bytes) {
    return BinaryPlist::isBoundedForReading(bytes, depthLimit, budget);
}

} // namespace

TEST(BinaryPlist, GraphShapes) {
    struct Case {
        std::string name;
        std::string bytes;
        bool expected;
    } cases[] = {
        {"single leaf", bplist({asciiString("x")}), true},
        {"chain at the depth limit", bplist(chain(depthLimit)), true},
        {"chain past the depth limit", bplist(chain(depthLimit + 1)), false},
        {"very deep chain", bplist(chain(100000)), false},
        {"cycle", bplist(chain(5, true)), false},
        {"self reference", bplist({arrayOf({0})}), false},
        {"shared leaf referenced often",
         bplist({arrayOf(std::vector<std::uint32_t>(1000, 1)), asciiString("s")}), true},
        {"small fan-out", bplist(fan(3, 10)), true},
        {"exponential fan-out", bplist(fan(8, 14)), false},
        {"exponential fan-out, two-byte counts", bplist(fan(6, 40)), false},
        {"reference past the objects", bplist({arrayOf({7})}), false},
        {"top past the objects", bplist({asciiString("x")}, {.top = 1}), false},
        {"object count past the table", bplist({asciiString("x")}, {.countAdjust = 5}), false},
        {"table past the trailer", bplist({asciiString("x")}, {.tableAdjust = 40}), false},
        {"zero offset size", bplist({asciiString("x")}, {.offsetSize = 0}), false},
        {"nine-byte references", bplist({asciiString("x")}, {.refSize = 9}), false},
        {"too short for a trailer", std::string("bplist00") + std::string(20, '\0'), false},
        {"written by plistlib", fixtures::testData("plist/shared.bplist"), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bounded(c.bytes), c.expected) << c.name;
}

TEST(BinaryPlist, SharedObjectTooDeepWhereItIsReusedIsRefused) {
    // Object 1 starts a 400-high chain and is finished first; object 2 starts a 200-long chain
    // that ends by pointing at object 1 again, which makes a path of about 600.
    std::vector<std::string> objects = {arrayOf({1, 401})};
    for (std::uint32_t i = 1; i < 400; ++i)
        objects.push_back(arrayOf({i + 1}));
    objects.push_back(arrayOf({}));
    for (std::uint32_t i = 401; i < 600; ++i)
        objects.push_back(arrayOf({i + 1}));
    objects.push_back(arrayOf({1}));
    EXPECT_FALSE(bounded(bplist(objects)));

    objects.back() = arrayOf({});
    EXPECT_TRUE(bounded(bplist(objects)));
}

TEST(BinaryPlist, DetectorAnswersHostileListsWithNothing) {
    for (const std::string& bytes :
         {bplist(chain(100000)), bplist(chain(2000, true)), bplist(fan(12, 14)), bplist(fan(7, 14))})
        EXPECT_FALSE(PlistDetector().decode(Bytes::base64Encode(bytes)));
    EXPECT_TRUE(PlistDetector().decode(Bytes::base64Encode(bplist(fan(3, 4)))));
}

TEST(BinaryPlist, KeyWithANulByteIsRendered) {
    // libplist asserts when asked for such a key's text; the rendering must not ask.
    std::string dict = {char(0xD1), 0, 0, 0, 1, 0, 0, 0, 2};
    std::string utf16Key = {char(0x63), 0, 'a', 0, 0, 0, 'b'};
    std::optional<DecodeResult> result =
        PlistDetector().decode(Bytes::base64Encode(bplist({dict, utf16Key, asciiString("v")})));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->details.at("root"), "dict");
    EXPECT_NE(result->output.find("<string>v</string>"), std::string::npos);
}

// The reader builds these trees; what walks them afterwards must stay within maxDepth on its own
// (and free them without recursing through every level), whatever screened the text before.
TEST(PlistTree, WalksOverWhatTheReaderBuiltBoundThemselves) {
    auto nested = [](std::string_view open, std::string_view close, std::size_t levels) {
        return "<plist version=\"1.0\">" + fixtures::nested(open, close, levels) + "</plist>";
    };
    constexpr std::size_t limit = PlistTree::maxDepth;
    std::string arrayWithLeaves = "<array><true/><string>x</string>";
    std::string dictWithLeaves = "<dict><key>a</key><true/><key>b</key>";
    struct Case {
        std::string name;
        std::string text;
        bool read;
    } cases[] = {
        {"arrays at the depth limit", nested("<array>", "</array>", limit), true},
        {"arrays past the depth limit", nested("<array>", "</array>", limit + 1), false},
        {"arrays far past it", nested("<array>", "</array>", 100000), false},
        {"arrays with leaves at every level", nested(arrayWithLeaves, "<false/></array>", 3 * limit), false},
        {"dictionaries with leaves at every level", nested(dictWithLeaves, "</dict>", 3 * limit), false},
        {"dictionaries far past it", nested(dictWithLeaves, "</dict>", 50000), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlistTree::renderUnscreenedXML(c.text).has_value(), c.read) << c.name;
}
