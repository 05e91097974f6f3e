#include "TindrelCore/formats/PlistTree.h"
#include "TindrelCore/tests/MarkupTestData.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string list(const std::string& body) {
    return "<plist version=\"1.0\">" + body + "</plist>";
}

// `levels` containers, each opened with `open` and closed with `close`.
std::string nested(std::string_view open, std::string_view close, int levels) {
    return list(repeated(open, levels) + repeated(close, levels));
}

} // namespace

// The reader builds these trees; what walks them afterwards must stay within maxDepth on its own
// (and free them without recursing through every level), whatever screened the text before.
TEST(PlistTree, WalksOverWhatTheReaderBuiltBoundThemselves) {
    constexpr int limit = int(PlistTree::maxDepth);
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
