#include "TindrelHistory/InspectionHistory.h"

#include <gtest/gtest.h>
#include <limits>

using namespace tindrel;

namespace {

const std::string stored =
    R"([{"input":"eyJ1c2VyIjoiYWRhIn0=","recognized":true,"shape":["base64","json"],"timestamp":1733000000}])";

// `count` stored entries with distinct inputs, then `tail` as one more element.
std::string storedList(std::size_t count, const std::string& tail = "") {
    std::string out = "[";
    for (std::size_t i = 0; i < count; ++i)
        out += (i > 0 ? R"(,{"input":"text )" : R"({"input":"text )") + std::to_string(i) +
               R"(","recognized":false,"shape":[],"timestamp":)" + std::to_string(i) + "}";
    return out + (tail.empty() ? "" : "," + tail) + "]";
}

} // namespace

TEST(HistoryStorage, CompactSortedKeysThatRoundTrip) {
    InspectionHistory one({HistoryEntry("eyJ1c2VyIjoiYWRhIn0=", {"base64", "json"}, true, 1733000000)});
    EXPECT_EQ(one.encoded(), stored);
    EXPECT_EQ(InspectionHistory::decoded(stored), one);

    InspectionHistory history({}, 3);
    history.record(
        HistoryEntry("a/b \u65E5 \"q\"\n\U0001F600", {}, false, std::numeric_limits<std::int64_t>::min()));
    history.record(HistoryEntry("%257B%2522user%2522%253A1%257D", {"url", "url", "json"}, true, 1733000001));
    history.record(HistoryEntry(std::string(InspectionHistory::maxEntryBytes + 7, 'z'), {}, false, 2));
    EXPECT_NE(history.encoded().find(R"("fullSize":16391,)"), std::string::npos);
    EXPECT_EQ(InspectionHistory::decoded(history.encoded(), 3), history);
    EXPECT_EQ(InspectionHistory::decoded(storedList(60), 50), InspectionHistory::decoded(storedList(50), 50));
}

TEST(HistoryStorage, AcceptsKeyOrderWhiteSpaceUnknownKeysAndDuplicates) {
    const char* texts[] = {
        R"( [ {"timestamp" : 1, "shape" : ["json"], "recognized" : true, "input" : "a"} ] )",
        R"([{"input":"a","recognized":true,"shape":["json"],"timestamp":1,"x":{"deep":[[1,{"y":null}]]}}])",
    };
    for (const char* text : texts)
        EXPECT_EQ(InspectionHistory::decoded(text, 5),
                  InspectionHistory({HistoryEntry("a", {"json"}, true, 1)}, 5));
    // Data saved before entries were bounded comes back bounded.
    const std::string huge(300 * 1024, 'h');
    InspectionHistory old = InspectionHistory::decoded(
        R"([{"input":")" + huge + R"(","recognized":true,"shape":["hex"],"timestamp":1}])");
    ASSERT_EQ(old.entries().size(), 1u);
    EXPECT_EQ(old.entries()[0].input.size(), InspectionHistory::maxEntryBytes);
    EXPECT_EQ(old.entries()[0].fullSize, huge.size());
    std::string entry = stored.substr(1, stored.size() - 2);
    EXPECT_EQ(InspectionHistory::decoded("[" + entry + "," + entry + "]").entries().size(), 2u);
}

TEST(HistoryStorage, AnythingMalformedGivesAnEmptyHistory) {
    std::string rejected[] = {
        "",
        "{}",
        "[1]",
        "[[]]",
        stored.substr(0, stored.size() - 1),
        stored + "[]",
        R"([{"input":"a","recognized":true,"shape":["json"]}])",
        R"([{"input":null,"recognized":true,"shape":["json"],"timestamp":1}])",
        R"([{"input":"a","recognized":"true","shape":["json"],"timestamp":1}])",
        R"([{"input":"a","recognized":true,"shape":["json",2],"timestamp":1}])",
        R"([{"input":"a","recognized":true,"shape":[],"timestamp":1.5}])",
        R"([{"input":"a","recognized":true,"shape":[],"timestamp":9223372036854775808}])",
        R"([{"input":"a","recognized":true,"shape":[],"timestamp":1,"fullSize":-1}])",
        R"([{"input":"a","recognized":true,"shape":[],"timestamp":1,"fullSize":"9"}])",
        "[{\"input\":\"\xFF\",\"recognized\":true,\"shape\":[],\"timestamp\":1}]",
        storedList(3, R"({"input":"late","recognized":true,"shape":[]})"),
    };
    for (const std::string& text : rejected)
        EXPECT_EQ(InspectionHistory::decoded(text, 7), InspectionHistory({}, 7)) << text;
    EXPECT_EQ(InspectionHistory({HistoryEntry("bad \xFF", {}, false, 0)}).encoded(), "");
}

TEST(HistoryStorage, HostileDataCostsNeitherStackNorMemory) {
    const std::size_t depth = 100000;
    std::string deep = std::string(depth, '[') + std::string(depth, ']');
    std::string deepUnknown =
        R"([{"input":"a","recognized":true,"shape":[],"timestamp":1,"x":)" + deep + "}]";
    std::string numbers(50u * 1000 * 1000, ',');
    numbers.front() = '[';
    numbers.back() = ']';
    for (std::size_t i = 1; i + 1 < numbers.size(); i += 2)
        numbers[i] = '0';
    for (const std::string* text : {&deep, &deepUnknown, &numbers})
        EXPECT_TRUE(InspectionHistory::decoded(*text).entries().empty());

    // Every element is checked (one bad one at the end fails the list) but only the cap is kept.
    // bench/HistoryBench.cpp reads 50 MB of entries this way.
    InspectionHistory kept = InspectionHistory::decoded(storedList(20000), 50);
    EXPECT_EQ(kept.entries().size(), 50u);
    EXPECT_TRUE(InspectionHistory::decoded(storedList(20000, R"({"input":"x"})"), 50).entries().empty());
}
