#include "TindrelCore/formats/DER.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

} // namespace

TEST(DER, ReadsTagAndLengthForms) {
    struct Case {
        const char* name;
        std::string buffer;
        std::int64_t start;
        std::optional<DER::Element> expected;
    } cases[] = {
        {"short form", bytes({0x30, 0x02, 0x05, 0x00}), 0, DER::Element{{0x30, {2, 4}}, 4}},
        {"empty content", bytes({0x05, 0x00}), 0, DER::Element{{0x05, {2, 2}}, 2}},
        {"at an offset", bytes({0x00, 0xA3, 0x01, 0x07}), 1, DER::Element{{0xA3, {3, 4}}, 4}},
        {"one length octet", bytes({0x04, 0x81, 0x01, 0xFF}), 0, DER::Element{{0x04, {3, 4}}, 4}},
        {"non-minimal long form", bytes({0x04, 0x82, 0x00, 0x01, 0xFF}), 0, DER::Element{{0x04, {4, 5}}, 5}},
        {"four length octets", bytes({0x04, 0x84, 0, 0, 0, 1, 0xFF}), 0, DER::Element{{0x04, {6, 7}}, 7}},
        {"indefinite form", bytes({0x30, 0x80, 0x00, 0x00}), 0, std::nullopt},
        {"five length octets", bytes({0x04, 0x85, 0, 0, 0, 0, 1, 0xFF}), 0, std::nullopt},
        {"length octets missing", bytes({0x04, 0x82, 0x01}), 0, std::nullopt},
        {"content past the end", bytes({0x30, 0x05, 0x00}), 0, std::nullopt},
        {"huge length", bytes({0x04, 0x84, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}), 0, std::nullopt},
        {"only a tag", bytes({0x30}), 0, std::nullopt},
        {"start at the end", bytes({0x05, 0x00}), 2, std::nullopt},
        {"negative start", bytes({0x05, 0x00}), -1, std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<DER::Element> got = DER::read(c.buffer, c.start);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.name;
        if (!got) continue;
        EXPECT_EQ(got->node, c.expected->node) << c.name;
        EXPECT_EQ(got->end, c.expected->end) << c.name;
    }
}

TEST(DER, ChildrenStopAtTheFirstUnreadableElement) {
    struct Case {
        const char* name;
        std::string buffer;
        DER::Range range;
        std::vector<std::uint8_t> tags;
    } cases[] = {
        {"siblings", bytes({0x02, 0x01, 0x05, 0x05, 0x00, 0x0C, 0x01, 0x41}), {0, 8}, {0x02, 0x05, 0x0C}},
        {"empty range", bytes({0x02, 0x01, 0x05}), {0, 0}, {}},
        {"inverted range", bytes({0x02, 0x01, 0x05}), {3, 1}, {}},
        {"indefinite second element", bytes({0x02, 0x01, 0x05, 0x30, 0x80, 0x00, 0x00}), {0, 7}, {0x02}},
        {"truncated second element", bytes({0x02, 0x01, 0x05, 0x30, 0x09, 0x00}), {0, 6}, {0x02}},
        // Elements are bounded by the buffer, not the parent: the one crossing the range's end is the last.
        {"crossing the end",
         bytes({0x02, 0x01, 0x05, 0x04, 0x03, 1, 2, 3, 0x05, 0x00}),
         {0, 5},
         {0x02, 0x04}},
        {"unreadable first", bytes({0x30}), {0, 1}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> tags;
        for (const DER::Node& node : DER::children(c.buffer, c.range))
            tags.push_back(node.tag);
        EXPECT_EQ(tags, c.tags) << c.name;
    }
}

TEST(DER, ContentOfNeverLeavesTheBuffer) {
    const std::string buffer = bytes({0x04, 0x02, 'h', 'i'});
    EXPECT_EQ(DER::contentOf(buffer, {0x04, {2, 4}}), "hi");
    EXPECT_EQ(DER::contentOf(buffer, {0x04, {2, 9}}), "");
    EXPECT_EQ(DER::contentOf(buffer, {0x04, {-1, 2}}), "");
}
